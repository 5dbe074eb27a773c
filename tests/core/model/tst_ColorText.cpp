#include "model/ColorText.h"

#include <QTest>

using namespace tolvaran;

class TestColorText : public QObject
{
    Q_OBJECT

private slots:

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected"); // empty: no colour

        QTest::newRow("plain") << "ff8000"
                               << "#FF8000";
        QTest::newRow("with hash") << "#ff8000"
                                   << "#FF8000";
        QTest::newRow("blanks and line break") << "  #FF8000 \n"
                                               << "#FF8000";
        QTest::newRow("mixed case, padded") << "  #1a2B3c\n"
                                            << "#1A2B3C";
        QTest::newRow("double hash") << "##FF8000"
                                     << "#FF8000";
        QTest::newRow("hash in the middle") << "FF#8000"
                                            << "#FF8000";
        QTest::newRow("white") << "##FFFFFF"
                               << "#FFFFFF";
        QTest::newRow("black") << "#000000"
                               << "#000000";
        QTest::newRow("leading plus") << "+FFFFF"
                                      << "#0FFFFF";
        QTest::newRow("three digits") << "#F80"
                                      << "";
        QTest::newRow("seven digits") << "#FF80001"
                                      << "";
        QTest::newRow("not hex") << "12345G"
                                 << "";
        QTest::newRow("minus") << "-12345"
                               << "";
        QTest::newRow("inner blank") << "FF 800"
                                     << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("only hashes") << "######"
                                     << "";
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        const std::optional<QColor> color = colorFromHex(text);
        if (expected.isEmpty()) {
            QVERIFY2(!color, qPrintable(text));
            return;
        }
        QVERIFY2(color, qPrintable(text));
        QCOMPARE(color->alphaF(), 1.0);
        QCOMPARE(hexString(*color), expected);
    }

    void components()
    {
        const QColor color = *colorFromHex(u"  #1a2B3c\n");
        QCOMPARE(color.red(), 0x1A);
        QCOMPARE(color.green(), 0x2B);
        QCOMPARE(color.blue(), 0x3C);
    }

    void write_data()
    {
        QTest::addColumn<QColor>("color");
        QTest::addColumn<QString>("expected");
        QTest::newRow("white") << QColor(Qt::white) << "#FFFFFF";
        QTest::newRow("black") << QColor(Qt::black) << "#000000";
        QTest::newRow("half red truncates") << QColor::fromRgbF(0.5f, 0, 0) << "#7F0000";
        QTest::newRow("just below a step") << QColor::fromRgbF(0.999f, 0.001f, 0.25f) << "#FE003F";
        QTest::newRow("opacity dropped") << QColor(0x12, 0x34, 0x56, 0x10) << "#123456";
        QTest::newRow("other colour model") << QColor::fromHsv(0, 255, 255) << "#FF0000";
        QTest::newRow("invalid colour") << QColor() << "#FFFFFF";
    }

    void write()
    {
        QFETCH(QColor, color);
        QFETCH(QString, expected);
        QCOMPARE(hexString(color), expected);
    }

    // Every 8-bit value must survive a write and a read unchanged.
    void everyChannelValueRoundTrips()
    {
        for (int v = 0; v < 256; ++v) {
            const QString text = hexString(QColor(v, 255 - v, v));
            QCOMPARE(colorFromHex(text).value(), QColor(v, 255 - v, v));
        }
    }
};

QTEST_GUILESS_MAIN(TestColorText)
#include "tst_ColorText.moc"
