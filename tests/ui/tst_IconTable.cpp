#include "LogCapture.h"
#include "theme/IconTable.h"

#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QRawFont>
#include <QRegularExpression>
#include <QTest>

using tolvaran::IconTable;

// Every symbol the program names must be drawn from a real glyph of the
// embedded font; a name the table lacks must be caught here, not show up as
// an empty square.
class tst_IconTable : public QObject
{
    Q_OBJECT

private:
    QRawFont m_font;

    // The symbol names written in the views' sources.
    static QStringList namesInViews()
    {
        // An attached property such as Accessible.name is a text, not a symbol.
        static const QRegularExpression property(QStringLiteral("(?<![.\\w])(?:iconName|name|symbol)\\s*:\\s*(.*)$"));
        static const QRegularExpression literal(QStringLiteral("\"([^\"]*)\""));
        QStringList names;
        QDirIterator it(QStringLiteral(TOLVARAN_UI_SOURCE_DIR), {QStringLiteral("*.qml")}, QDir::Files,
            QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const QStringList lines = QString::fromUtf8(file.readAll()).split('\n');
            for (const QString& line : lines) {
                const QRegularExpressionMatch match = property.match(line);
                if (!match.hasMatch())
                    continue;
                auto literals = literal.globalMatch(match.captured(1));
                while (literals.hasNext()) {
                    const QString name = literals.next().captured(1);
                    if (!name.isEmpty())
                        names.append(name);
                }
            }
        }
        names.removeDuplicates();
        return names;
    }

private slots:

    void initTestCase()
    {
        QFile file(IconTable::fontPath());
        QVERIFY2(file.open(QIODevice::ReadOnly), "the icon font is not among the resources");
        m_font.loadFromData(file.readAll(), 24, QFont::PreferNoHinting);
        QVERIFY(m_font.isValid());
        QVERIFY(!IconTable::fontFamily().isEmpty());
    }

    void everyNameHasAGlyph_data()
    {
        QTest::addColumn<QString>("name");
        // The names the windows of the program show, and whatever the table
        // and the views' sources name besides.
        QStringList names{"arrow.triangle.2.circlepath", "arrow.trianglehead.2.clockwise.rotate.90.circle",
            "captions.bubble", "captions.bubble.fill", "doc.on.doc", "exclamationmark.triangle",
            "exclamationmark.triangle.fill", "folder", "gear", "gobackward.10", "goforward.10", "mic.circle.fill",
            "mic.fill", "mic.slash", "network", "pause.circle.fill", "person.2.circle.fill", "person.2.fill",
            "phone.connection.fill", "pin.fill", "pin.slash", "play.circle", "play.circle.fill", "record.circle",
            "rectangle.on.rectangle", "slider.horizontal.3", "stop.circle.fill", "text.bubble", "textformat.size",
            "trash", "waveform", "waveform.circle", "waveform.circle.fill", "xmark.circle.fill"};
        names += IconTable::names();
        names += namesInViews();
        names.removeDuplicates();
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyNameHasAGlyph()
    {
        QFETCH(QString, name);
        const QString glyph = IconTable::glyph(name);
        QCOMPARE(glyph.size(), 1);
        QVERIFY2(m_font.supportsCharacter(glyph.at(0)), "the font has no glyph at the table's codepoint");
        // A glyph that draws nothing would be as bad as a missing one.
        const QImage image = IconTable::render(name, 32, Qt::black);
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inked += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(inked > 20, qPrintable(QStringLiteral("only %1 pixels drawn").arg(inked)));
    }

    void unknownNameIsReported()
    {
        tolvaran::test::LogCapture log("com.tolvaran.app.Icons");
        QVERIFY(IconTable::glyph(QStringLiteral("waveform.circle.sparkles")).isEmpty());
        QVERIFY(!IconTable::codepoint(QStringLiteral("Gear")));
        QCOMPARE(log.count(QStringLiteral("Unknown symbol \"waveform.circle.sparkles\"")), 1);
    }
};

QTEST_MAIN(tst_IconTable)
#include "tst_IconTable.moc"
