#include "ParagraphGrouper.h"
#include "ParagraphListModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace tolvaran;

namespace {

const QDateTime start = QDateTime::fromString(QStringLiteral("2026-03-01T10:00:00Z"), Qt::ISODate);

// A line of speaker "Speaker <s>" at start + seconds.
TranslationLine line(const QString& s, double seconds, const QString& original = QStringLiteral("o"),
    const QString& translated = QStringLiteral("t"))
{
    return {QUuid::createUuid(), QStringLiteral("Speaker ") + s, original, translated, QStringLiteral("de"),
        start.addMSecs(qint64(seconds * 1000)), true};
}

QList<InterimWord> words(const QString& text)
{
    QList<InterimWord> list;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        list.append({QUuid::createUuid(), word});
    return list;
}

ParagraphGrouper::Interim live(const QString& speaker, const QString& text)
{
    return {true, text, speaker.isEmpty() ? QString() : QStringLiteral("Speaker ") + speaker, words(text),
        words(text.toUpper())};
}

// One character per paragraph: its speaker's number, and '+' when the live
// words are attached, or '*' for the live-only paragraph.
QString shape(const QList<TranslationParagraph>& paragraphs)
{
    QString result;
    for (const TranslationParagraph& p : paragraphs) {
        if (p.id == TranslationParagraph::interimID())
            result += u'*';
        else
            result += p.speaker.right(1);
        if (p.interimOriginalWords && p.id != TranslationParagraph::interimID())
            result += u'+';
    }
    return result;
}

} // namespace

Q_DECLARE_METATYPE(tolvaran::ParagraphGrouper::Interim)

class TestParagraphGrouper : public QObject
{
    Q_OBJECT

private slots:

    void grouping_data()
    {
        QTest::addColumn<QList<TranslationLine>>("lines");
        QTest::addColumn<ParagraphGrouper::Interim>("interim");
        QTest::addColumn<double>("threshold");
        QTest::addColumn<double>("nowSeconds");
        QTest::addColumn<QString>("expected");

        const ParagraphGrouper::Interim none;
        QTest::newRow("nothing") << QList<TranslationLine>{} << none << 5.0 << 0.0 << "";
        QTest::newRow("speakers 1 1 2 1")
            << QList{line("1", 0), line("1", 1), line("2", 2), line("1", 3)} << none << 5.0 << 4.0 << "121";
        QTest::newRow("gap equal to threshold") << QList{line("1", 0), line("1", 5)} << none << 5.0 << 6.0 << "1";
        QTest::newRow("gap above threshold") << QList{line("1", 0), line("1", 5)} << none << 4.9 << 6.0 << "11";
        QTest::newRow("live words continue")
            << QList{line("1", 0), line("2", 1)} << live("2", "how are") << 5.0 << 3.0 << "12+";
        QTest::newRow("live words after silence")
            << QList{line("1", 0), line("2", 1)} << live("2", "how are") << 5.0 << 6.5 << "12*";
        QTest::newRow("live words of another speaker") << QList{line("1", 0)} << live("2", "hi") << 5.0 << 1.0 << "1*";
        QTest::newRow("live speaker unknown continues the last")
            << QList{line("3", 0)} << live("", "hi") << 5.0 << 1.0 << "3+";
        QTest::newRow("live text of blanks and tabs") << QList{line("1", 0)} << live("1", " \t ") << 5.0 << 1.0 << "1";
        ParagraphGrouper::Interim stopped = live("1", "hi");
        stopped.isListening = false;
        QTest::newRow("not listening") << QList{line("1", 0)} << stopped << 5.0 << 1.0 << "1";
        QTest::newRow("line break is live text") << QList<TranslationLine>{} << live("1", "\n") << 5.0 << 0.0 << "*";
    }

    void grouping()
    {
        QFETCH(QList<TranslationLine>, lines);
        QFETCH(ParagraphGrouper::Interim, interim);
        QFETCH(double, threshold);
        QFETCH(double, nowSeconds);
        QFETCH(QString, expected);

        const auto now = start.addMSecs(qint64(nowSeconds * 1000));
        const QList<TranslationParagraph> paragraphs = ParagraphGrouper::group(lines, interim, threshold, now);
        QCOMPARE(shape(paragraphs), expected);
        // Each paragraph takes the identity of its first line.
        for (const TranslationParagraph& p : paragraphs)
            if (p.id != TranslationParagraph::interimID())
                QVERIFY(
                    std::any_of(lines.cbegin(), lines.cend(), [&](const TranslationLine& l) { return l.id == p.id; }));
    }

    void liveOnlyParagraph_data()
    {
        QTest::addColumn<QString>("speaker");
        QTest::addColumn<QString>("expectedSpeaker");
        QTest::newRow("speaker 2") << "2"
                                   << "Speaker 2";
        QTest::newRow("no speaker") << ""
                                    << "";
    }

    void liveOnlyParagraph()
    {
        QFETCH(QString, speaker);
        QFETCH(QString, expectedSpeaker);
        const auto now = start.addSecs(1);
        const auto first = ParagraphGrouper::group({}, live(speaker, "Hello"), 5, now);
        QCOMPARE(first.size(), 1);
        const TranslationParagraph& p = first.first();
        QCOMPARE(p.id, TranslationParagraph::interimID());
        QCOMPARE(p.speaker, expectedSpeaker);
        QCOMPARE(p.language, "?");
        QCOMPARE(p.timestamp, now);
        QVERIFY(p.originalText.isEmpty() && p.translatedText.isEmpty());
        QCOMPARE(joinedWords(p.interimOriginalWords), "Hello");
        QCOMPARE(joinedWords(p.interimTranslationWords), "HELLO");
        // Later live text keeps the identity, so its view is not rebuilt.
        const auto second = ParagraphGrouper::group({}, live(speaker, "Hello there"), 5, now.addSecs(1));
        QCOMPARE(second.first().id, p.id);
    }

    void joinedTexts_data()
    {
        QTest::addColumn<QStringList>("originals");
        QTest::addColumn<QStringList>("translations");
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("translated");
        QTest::newRow("plain") << QStringList{"a", "b"} << QStringList{"x", "y"} << "a b"
                               << "x y";
        QTest::newRow("translation missing") << QStringList{"a", "b", "c"} << QStringList{"x", "", "z"} << "a b c"
                                             << "x z";
        QTest::newRow("empty original keeps its blank")
            << QStringList{"a", "", "c"} << QStringList{"x", "y", "z"} << "a  c"
            << "x y z";
        QTest::newRow("no translation yet") << QStringList{"a"} << QStringList{""} << "a"
                                            << "";
    }

    void joinedTexts()
    {
        QFETCH(QStringList, originals);
        QFETCH(QStringList, translations);
        QList<TranslationLine> lines;
        for (qsizetype i = 0; i < originals.size(); ++i)
            lines.append(line("1", double(i), originals[i], translations[i]));
        const TranslationParagraph p(lines);
        QTEST(p.originalText, "original");
        QTEST(p.translatedText, "translated");
        QCOMPARE(p.id, lines.first().id);
        QCOMPARE(p.timestamp, lines.first().timestamp);
    }

    // A paragraph that grows, gains live words or loses its first line to the
    // line cap changes only its own row; the rest of the list is untouched.
    void modelKeepsRows()
    {
        ParagraphListModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
        QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        const auto counts = [&] {
            const QList<int> result{int(inserted.size()), int(removed.size()), int(changed.size()), int(resets.size())};
            inserted.clear();
            removed.clear();
            changed.clear();
            resets.clear();
            return result;
        };

        QList<TranslationLine> lines{line("1", 0), line("1", 1), line("2", 2)};
        const auto now = start.addSecs(3);
        model.setParagraphs(ParagraphGrouper::group(lines, {}, 5, now));
        QCOMPARE(model.rowCount(), 2);
        counts();

        const QModelIndex second = model.index(1);
        const QPersistentModelIndex kept(second);
        lines.append(line("2", 3, "more"));
        model.setParagraphs(ParagraphGrouper::group(lines, {}, 5, now));
        QCOMPARE(counts(), (QList{0, 0, 1, 0}));
        QCOMPARE(kept.row(), 1);
        QVERIFY(model.data(kept, ParagraphListModel::OriginalTextRole).toString().endsWith("more"));

        model.setParagraphs(ParagraphGrouper::group(lines, live("2", "how are"), 5, now));
        QCOMPARE(counts(), (QList{0, 0, 1, 0}));
        QCOMPARE(model.data(kept, ParagraphListModel::InterimOriginalTextRole).toString(), "how are");

        const ParagraphGrouper::Interim other = live("1", "hi");
        model.setParagraphs(ParagraphGrouper::group(lines, other, 5, now));
        QCOMPARE(counts(), (QList{1, 0, 1, 0}));
        QCOMPARE(model.data(model.index(2), ParagraphListModel::IdRole).toUuid(), TranslationParagraph::interimID());

        // The first line falls off: the first paragraph takes a new identity.
        lines.removeFirst();
        model.setParagraphs(ParagraphGrouper::group(lines, other, 5, now));
        QCOMPARE(counts(), (QList{1, 1, 0, 0}));
        QCOMPARE(kept.row(), 1);
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.paragraphs(), ParagraphGrouper::group(lines, other, 5, now));

        model.setParagraphs({});
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!kept.isValid());
    }
};

QTEST_GUILESS_MAIN(TestParagraphGrouper)
#include "tst_ParagraphGrouper.moc"
