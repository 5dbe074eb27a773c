#include "OverlayGeometry.h"
#include "SpeakerColors.h"
#include "TypewriterSchedule.h"

#include <QTest>

using namespace tolvaran;

namespace {

const QColor ink(Qt::white);

QList<TypewriterSegment> plain(const QString& text, const QColor& color = ink)
{
    return {{text, color}};
}

QList<double> starts(const TypewriterSchedule& schedule)
{
    QList<double> result;
    for (const auto& c : schedule.chars())
        result.append(c.revealedAt);
    return result;
}

void compareTimes(const QList<double>& actual, const QList<double>& expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (qsizetype i = 0; i < actual.size(); ++i)
        QVERIFY2(qAbs(actual[i] - expected[i]) < 1e-9,
            qPrintable(QStringLiteral("char %1: %2 != %3").arg(i).arg(actual[i]).arg(expected[i])));
}

} // namespace

class TestOverlayLogic : public QObject
{
    Q_OBJECT

private slots:

    void hiIsTypedAndFaded()
    {
        TypewriterSchedule s;
        s.synchronise(plain("Hi"), 100);
        compareTimes(starts(s), {100.02, 100.04});
        QCOMPARE(s.visibleCount(100.02), 0); // at its start a character is still invisible
        QCOMPARE(s.visibleCount(100.03), 1);
        QCOMPARE(s.opacity(0, 100.145), 0.5);
        QCOMPARE(s.opacity(1, 100.03), 0.0);
        QVERIFY(!s.isFullyRevealed(100.289));
        QVERIFY(s.isFullyRevealed(100.29));
        QCOMPARE(s.opacity(1, 100.29), 1.0);
    }

    // Starting times after each change, given as (seconds after the change).
    void synchronise_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<double>("changeAt");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QList<double>>("expected");
        // The first character that looks different afterwards.
        QTest::addColumn<int>("firstChanged");

        QTest::newRow("grows at the end")
            << "Hello" << 10.0 << "Hello there"
            << QList<double>{0.02, 0.04, 0.06, 0.08, 0.1, 10.02, 10.04, 10.06, 10.08, 10.1, 10.12} << 5;
        QTest::newRow("changes in the middle")
            << "Hello" << 10.0 << "Help" << QList<double>{0.02, 0.04, 0.06, 10.02} << 3;
        QTest::newRow("emptied") << "Hello" << 10.0 << "" << QList<double>{} << 0;
        QTest::newRow("burst queues behind the last")
            << "0123456789" << 0.01 << "0123456789abcdefghij"
            << QList<double>{0.02, 0.04, 0.06, 0.08, 0.1, 0.12, 0.14, 0.16, 0.18, 0.2, 0.22, 0.24, 0.26, 0.28, 0.3,
                   0.32, 0.34, 0.36, 0.38, 0.4}
            << 10;
    }

    void synchronise()
    {
        QFETCH(QString, before);
        QFETCH(double, changeAt);
        QFETCH(QString, after);
        QFETCH(QList<double>, expected);
        QFETCH(int, firstChanged);

        TypewriterSchedule s;
        s.synchronise(plain(before), 0);
        QCOMPARE(s.synchronise(plain(after), changeAt), qsizetype(firstChanged));
        compareTimes(starts(s), expected);
        QCOMPARE(s.text(s.chars().size()), after);
    }

    void colourChangeDoesNotRestartTheFade()
    {
        TypewriterSchedule s;
        s.synchronise({{"Hello ", ink}, {"how", ink}}, 0);
        const QList<double> before = starts(s);
        // The first recoloured character is where drawing starts again.
        QCOMPARE(s.synchronise({{"Hello ", ink}, {"how", QColor(255, 255, 255, 89)}}, 5), 6);
        s.synchronise({{"Hello ", Qt::red}, {"how", QColor(255, 255, 255, 89)}}, 5);
        QCOMPARE(starts(s), before);
        QCOMPARE(s.chars().first().color, QColor(Qt::red));
        QCOMPARE(s.chars().last().color.alpha(), 89);
        QVERIFY(s.isFullyRevealed(5));
    }

    void graphemes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("ascii") << "ab" << QStringList{"a", "b"};
        QTest::newRow("flag") << QString::fromUtf8("a\U0001F1E9\U0001F1EA")
                              << QStringList{"a", QString::fromUtf8("\U0001F1E9\U0001F1EA")};
        QTest::newRow("combining accent")
            << QString::fromUtf8("e\u0301!") << QStringList{QString::fromUtf8("e\u0301"), "!"};
        QTest::newRow("family emoji") << QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467")
                                      << QStringList{QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467")};
        QTest::newRow("chinese") << QString::fromUtf8("你好")
                                 << QStringList{QString::fromUtf8("你"), QString::fromUtf8("好")};
        QTest::newRow("empty") << "" << QStringList{};
    }

    void graphemes()
    {
        QFETCH(QString, text);
        QTEST(TypewriterSchedule::graphemes(text), "expected");
        // Each one is one typed character with its own start.
        TypewriterSchedule s;
        s.synchronise(plain(text), 0);
        QCOMPARE(s.chars().size(), TypewriterSchedule::graphemes(text).size());
    }

    void speakerColourIndex_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("index");
        // djb2 by hand: "" is fixed at 5; "A" = 5381 * 33 + 65 = 177638, % 6 = 2.
        QTest::newRow("empty") << "" << 5;
        QTest::newRow("A") << "A" << 2;
        QTest::newRow("Speaker 1") << "Speaker 1" << 1;
        QTest::newRow("Speaker 2") << "Speaker 2" << 2;
        QTest::newRow("Speaker 3") << "Speaker 3" << 3;
        QTest::newRow("Speaker 12") << "Speaker 12" << 5;
        QTest::newRow("long label wraps") << QString(40, u'z') << 1;
        // Its hash wraps to a negative value, and signed bytes would give 3.
        QTest::newRow("non-ascii bytes are unsigned") << QString::fromUtf8("Sprecher \u00e9") << 5;
    }

    void speakerColourIndex()
    {
        QFETCH(QString, label);
        QTEST(speakerColorIndex(label), "index");
    }

    void windowGeometry_data()
    {
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("overlay");
        QTest::addColumn<QRect>("overlayQt");
        QTest::addColumn<QRect>("previewQt");
        // A 1440 x 900 screen with a 25-point bar at the bottom: the visible
        // frame (0, 25, 1440, 875) counted from the bottom-left.
        QTest::newRow("bar at the bottom")
            << QRect(0, 0, 1440, 900) << QRect(0, 0, 1440, 875) << QRect(920, 45, 500, 350) << QRect(920, 505, 500, 350)
            << QRect(470, 263, 500, 350);
        QTest::newRow("panel at the top")
            << QRect(0, 0, 1920, 1080) << QRect(0, 32, 1920, 1048) << QRect(1400, 20, 500, 350)
            << QRect(1400, 710, 500, 350) << QRect(710, 381, 500, 350);
    }

    void windowGeometry()
    {
        QFETCH(QRect, screen);
        QFETCH(QRect, available);
        const BottomLeftSpace space(screen);
        const QRect visible = space.fromQt(available);
        QTEST(OverlayGeometry::overlayFrame(visible), "overlay");
        QTEST(space.toQt(OverlayGeometry::overlayFrame(visible)), "overlayQt");
        QTEST(space.toQt(OverlayGeometry::previewFrame(visible)), "previewQt");
    }
};

QTEST_GUILESS_MAIN(TestOverlayLogic)
#include "tst_OverlayLogic.moc"
