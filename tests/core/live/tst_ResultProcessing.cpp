#include "LogCapture.h"
#include "ViewModelFixture.h"

#include <QLoggingCategory>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>

using namespace tolvaran;
using test::describe;

namespace {

QByteArray final(const QByteArray& original, const QByteArray& translation = "", const QByteArray& tokens = "")
{
    return "{\"type\":\"result\",\"original\":\"" + original + "\",\"translation\":\"" + translation + "\",\"tokens\":["
        + tokens + "]}";
}

// A token: final or not, with an optional status, speaker and language.
QByteArray tok(
    bool isFinal, const QByteArray& status = {}, const QByteArray& speaker = {}, const QByteArray& language = {})
{
    QByteArray json = "{\"text\":\"w\",\"is_final\":" + QByteArray(isFinal ? "true" : "false");
    if (!status.isEmpty())
        json += ",\"translation_status\":\"" + status + "\"";
    if (!speaker.isEmpty())
        json += ",\"speaker\":\"" + speaker + "\"";
    if (!language.isEmpty())
        json += ",\"language\":\"" + language + "\"";
    return json + "}";
}

} // namespace

class TestResultProcessing : public QObject
{
    Q_OBJECT

private slots:

    void sequences_data()
    {
        QTest::addColumn<QList<QByteArray>>("messages");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("interimOriginal");
        QTest::addColumn<QString>("interimSpeaker");

        QTest::newRow("blank final is interim")
            << QList<QByteArray>{final("  ", "x", tok(true))} << QStringList{} << "  "
            << "Speaker 1";
        QTest::newRow("no tokens, original only, finalizes")
            << QList<QByteArray>{final(" Hallo\\t", "")} << QStringList{"Speaker 1|Hallo||?"} << ""
            << "";
        QTest::newRow("no tokens with translation updates the last line")
            << QList<QByteArray>{final("Hallo"), final("", " Hello ")} << QStringList{"Speaker 1|Hallo|Hello|?"} << ""
            << "";
        QTest::newRow("update without lines changes none")
            << QList<QByteArray>{final("", "Hello", tok(true, "translation"))} << QStringList{} << ""
            << "";
        QTest::newRow("translation replaced, not extended")
            << QList<QByteArray>{final("Eins", "One", tok(true, "original", "2", "de")),
                   final("", "One.", tok(true, "translation"))}
            << QStringList{"Speaker 2|Eins|One.|de"} << ""
            << "";
        QTest::newRow("interim then final") << QList<QByteArray>{final("Gu", "", tok(false, "original", "3")),
            final("Guten Tag", "Good day", tok(true, "original", "3", "de")), final("Und", "", tok(false, "original"))}
                                            << QStringList{"Speaker 3|Guten Tag|Good day|de"} << "Und"
                                            << "Speaker 3";
        QTest::newRow("speaker falls back to the last one")
            << QList<QByteArray>{final("A", "", tok(true, "original", "2")),
                   final("B", "", tok(true, "translation", "5") + "," + tok(true, "original"))}
            << QStringList{"Speaker 2|A||?", "Speaker 2|B||?"} << ""
            << "";
        QTest::newRow("language needs an original token")
            << QList<QByteArray>{final("A", "", tok(true, "none", "1", "de"))} << QStringList{"Speaker 1|A||?"} << ""
            << "";
        QTest::newRow("interim speaker does not move the last speaker")
            << QList<QByteArray>{final("A", "", tok(false, "original", "9")), final("B", "", tok(true))}
            << QStringList{"Speaker 1|B||?"} << ""
            << "";
    }

    void sequences()
    {
        QFETCH(QList<QByteArray>, messages);
        QFETCH(QStringList, lines);
        QFETCH(QString, interimOriginal);
        QFETCH(QString, interimSpeaker);

        test::ViewModelFixture fixture;
        for (const QByteArray& message : messages)
            fixture.feed(message);
        const TranslationViewModel& vm = *fixture.viewModel;
        QCOMPARE(describe(vm.translationLines()), lines);
        QCOMPARE(vm.currentOriginal(), interimOriginal);
        QCOMPARE(vm.currentInterimSpeaker(), interimSpeaker);
        for (const TranslationLine& line : vm.translationLines())
            QVERIFY(line.isFinal && !line.id.isNull() && line.timestamp.isValid());
    }

    void translationUpdateMakesANewLineIdentity()
    {
        test::ViewModelFixture fixture;
        fixture.feed(final("Hallo"));
        const QUuid before = fixture.viewModel->translationLines().last().id;
        fixture.feed(final("", "Hello"));
        QVERIFY(fixture.viewModel->translationLines().last().id != before);
    }

    void lineCap_data()
    {
        QTest::addColumn<int>("initialCap");
        QTest::addColumn<int>("linesBefore");
        QTest::addColumn<int>("cap");
        QTest::addColumn<int>("linesAfter");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("full list drops the oldest") << 3 << 3 << 3 << 3 << "1";
        QTest::newRow("lowered cap drops one per line") << 10 << 10 << 3 << 10 << "1";
        QTest::newRow("under the cap keeps all") << 5 << 2 << 5 << 3 << "0";
    }

    void lineCap()
    {
        QFETCH(int, initialCap);
        QFETCH(int, linesBefore);
        QFETCH(int, cap);
        QFETCH(int, linesAfter);
        QFETCH(QString, firstLine);

        test::ViewModelFixture fixture;
        fixture.settings->setMaxTranslationLines(initialCap);
        for (int i = 0; i < linesBefore; ++i)
            fixture.feed(final(QByteArray::number(i)));
        fixture.settings->setMaxTranslationLines(cap);
        fixture.feed(final("last"));
        const auto& lines = fixture.viewModel->translationLines();
        QCOMPARE(lines.size(), linesAfter);
        QCOMPARE(lines.first().originalText, firstLine);
        QCOMPARE(lines.last().originalText, "last");
    }

    void interimWordsKeepTheirIdentity()
    {
        test::ViewModelFixture fixture;
        fixture.feed(final("hello  world", "hallo welt", tok(false)));
        const QList<InterimWord> first = fixture.viewModel->currentOriginalWords();
        QCOMPARE(first.size(), 2);
        QCOMPARE(fixture.viewModel->currentTranslationWords().size(), 2);

        QSignalSpy wordsChanged(fixture.viewModel->results(), &ResultProcessor::currentOriginalWordsChanged);
        fixture.feed(final("hello big world", "hallo welt", tok(false)));
        const QList<InterimWord> second = fixture.viewModel->currentOriginalWords();
        QCOMPARE(second.size(), 3);
        QCOMPARE(second[0], first[0]);
        QVERIFY(second[1].id != first[1].id && second[2].id != first[1].id);
        QCOMPARE(wordsChanged.count(), 1);

        // Unchanged words notify nobody.
        QSignalSpy translationWordsChanged(
            fixture.viewModel->results(), &ResultProcessor::currentTranslationWordsChanged);
        fixture.feed(final("hello big world", "hallo welt", tok(false)));
        QCOMPARE(translationWordsChanged.count(), 0);
    }

    void finalizeCurrentLineTurnsInterimIntoALine()
    {
        test::ViewModelFixture fixture;
        fixture.feed(final("A", "", tok(true, "original", "4")));
        fixture.feed(final("Guten Tag ", "", tok(false, "original", "6")));
        fixture.viewModel->finalizeCurrentLine();
        QCOMPARE(
            describe(fixture.viewModel->translationLines()), (QStringList{"Speaker 4|A||?", "Speaker 4|Guten Tag||?"}));
        QCOMPARE(fixture.viewModel->currentOriginal(), "");
        QCOMPARE(fixture.viewModel->currentOriginalWords(), QList<InterimWord>());

        // Nothing left: nothing happens.
        fixture.viewModel->finalizeCurrentLine();
        QCOMPARE(fixture.viewModel->translationLines().size(), 2);
    }

    void finalizeCurrentLineIgnoresBlankInterim()
    {
        test::ViewModelFixture fixture;
        fixture.feed(final(" \\t", "something", tok(false)));
        fixture.viewModel->finalizeCurrentLine();
        QCOMPARE(fixture.viewModel->translationLines().size(), 0);
        QCOMPARE(fixture.viewModel->currentTranslation(), "something");
    }

    // What was said is logged only when debug lines are asked for.
    void resultLogLineCutsTexts_data()
    {
        QTest::addColumn<bool>("withDebug");
        QTest::newRow("default") << false;
        QTest::newRow("debug asked for") << true;
    }

    void resultLogLineCutsTexts()
    {
        QFETCH(bool, withDebug);
        QLoggingCategory::setFilterRules(withDebug ? "com.tolvaran.app.ViewModel.debug=true" : "");
        const auto restore = qScopeGuard([] { QLoggingCategory::setFilterRules({}); });
        test::ViewModelFixture fixture;
        test::LogCapture capture("com.tolvaran.app.ViewModel");
        fixture.feed(final(QByteArray(100, 'o'), QByteArray(90, 't'), tok(false) + "," + tok(false)));
        QCOMPARE(capture.linesStartingWith("Result: "),
            withDebug ? QStringList{"Result: original='" + QString(80, 'o') + "' translation='" + QString(80, 't')
                + "' tokens=2"}
                      : QStringList());
    }
};

QTEST_GUILESS_MAIN(TestResultProcessing)
#include "tst_ResultProcessing.moc"
