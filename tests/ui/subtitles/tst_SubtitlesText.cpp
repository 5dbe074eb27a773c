#include "../../core/live/ViewModelFixture.h"
#include "subtitles/SubtitlesModel.h"
#include "subtitles/SubtitlesText.h"

#include <QTest>

using namespace tolvaran;

namespace {

const QDateTime start = QDateTime::fromSecsSinceEpoch(1'700'000'000);

// "speaker@seconds" -> a finished line whose texts name it.
QList<TranslationLine> linesAt(const QStringList& specs)
{
    QList<TranslationLine> lines;
    for (const QString& spec : specs) {
        const QStringList parts = spec.split('@');
        TranslationLine line;
        line.speaker = "Speaker " + parts.at(0);
        line.timestamp = start.addMSecs(qint64(parts.at(1).toDouble() * 1000));
        line.originalText = "o" + spec;
        line.translatedText = "t" + spec;
        line.isFinal = true;
        lines.append(line);
    }
    return lines;
}

QStringList texts(const QList<TranslationLine>& lines)
{
    QStringList result;
    for (const TranslationLine& line : lines)
        result.append(line.translatedText.mid(1));
    return result;
}

QByteArray finished(const QString& speaker, const QString& original, const QString& translation)
{
    return QStringLiteral(
        R"({"type":"result","original":"%2","translation":"%3","tokens":[{"text":"%2","is_final":true,"speaker":"%1","language":"de"}]})")
        .arg(speaker, original, translation)
        .toUtf8();
}

QByteArray interim(const QString& original, const QString& translation)
{
    return QStringLiteral(
        R"({"type":"result","original":"%1","translation":"%2","tokens":[{"text":"%1","is_final":false,"speaker":"1","language":"de"}]})")
        .arg(original, translation)
        .toUtf8();
}

} // namespace

// What the subtitles make of the transcript, and which lines they show.
class TestSubtitlesText : public QObject
{
    Q_OBJECT

private slots:

    void recentLines_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<double>("gap");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("none") << QStringList{} << 8.0 << QStringList{};
        QTest::newRow("one") << QStringList{"1@0"} << 8.0 << QStringList{"1@0"};
        QTest::newRow("a pause longer than the gap ends the paragraph")
            << QStringList{"1@0", "1@5", "1@20"} << 8.0 << QStringList{"1@20"};
        QTest::newRow("within the gap") << QStringList{"1@0", "1@5", "1@13"} << 8.0
                                        << QStringList{"1@0", "1@5", "1@13"};
        QTest::newRow("a pause of exactly the gap stays")
            << QStringList{"1@0", "1@8"} << 8.0 << QStringList{"1@0", "1@8"};
        QTest::newRow("the newest three of five, oldest first")
            << QStringList{"1@0", "1@1", "1@2", "1@3", "1@4"} << 8.0 << QStringList{"1@2", "1@3", "1@4"};
        QTest::newRow("a speaker change between the newest two")
            << QStringList{"1@0", "1@1", "2@2"} << 8.0 << QStringList{"2@2"};
        QTest::newRow("a speaker change further back")
            << QStringList{"2@0", "1@1", "1@2"} << 8.0 << QStringList{"1@1", "1@2"};
        QTest::newRow("the walk stops at the first break")
            << QStringList{"1@0", "1@1", "1@30", "1@31"} << 8.0 << QStringList{"1@30", "1@31"};
        QTest::newRow("a shorter gap setting") << QStringList{"1@0", "1@2", "1@3"} << 1.5 << QStringList{"1@2", "1@3"};
    }

    void recentLines()
    {
        QFETCH(QStringList, lines);
        QFETCH(double, gap);
        QFETCH(QStringList, expected);
        QCOMPARE(texts(SubtitlesText::recentLines(linesAt(lines), gap)), expected);
    }

    void join_data()
    {
        QTest::addColumn<QStringList>("finals");
        QTest::addColumn<QString>("interim");
        QTest::addColumn<QString>("expected");

        QTest::newRow("empty finals dropped, interim trimmed") << QStringList{"Hello", ""} << "  world\t "
                                                               << "Hello world";
        QTest::newRow("finals only") << QStringList{"One.", "Two."} << ""
                                     << "One. Two.";
        QTest::newRow("interim only") << QStringList{} << " \tjust now "
                                      << "just now";
        QTest::newRow("nothing") << QStringList{} << ""
                                 << "";
        QTest::newRow("blank interim") << QStringList{"Done."} << " \t "
                                       << "Done.";
        QTest::newRow("line breaks are kept") << QStringList{} << "\nnext\n"
                                              << "\nnext\n";
    }

    void join()
    {
        QFETCH(QStringList, finals);
        QFETCH(QString, interim);
        QFETCH(QString, expected);
        QCOMPARE(SubtitlesText::join(finals, interim), expected);
    }

    // The model through the real view model: finished lines and interim words.
    void captionsFollowTheTranscript()
    {
        test::ViewModelFixture fixture;
        SubtitlesModel model;
        model.setSettings(fixture.settings.get());
        model.setViewModel(fixture.viewModel.get());
        QVERIFY(!model.showsTranslatedLine());
        QVERIFY(!model.showsOriginalLine());

        fixture.feed(interim("  Hallo ", "  Hello "));
        QCOMPARE(model.translatedText(), "Hello");
        QCOMPARE(model.originalText(), "Hallo");

        fixture.feed(finished("1", "Hallo", "Hello"));
        fixture.feed(interim("Welt", " world "));
        QCOMPARE(model.translatedText(), "Hello world");
        QCOMPARE(model.originalText(), "Hallo Welt");

        // Another speaker starts a new paragraph.
        fixture.feed(finished("1", "Welt", "world"));
        fixture.feed(finished("2", "Ja", "Yes"));
        QCOMPARE(model.translatedText(), "Yes");
    }

    void displayModeDecidesTheLines_data()
    {
        QTest::addColumn<DisplayMode>("mode");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<bool>("original");
        QTest::addColumn<bool>("both");

        QTest::newRow("translated") << DisplayMode::translatedOnly << true << false << false;
        QTest::newRow("both") << DisplayMode::both << true << true << true;
        QTest::newRow("original") << DisplayMode::originalOnly << false << true << false;
    }

    void displayModeDecidesTheLines()
    {
        QFETCH(DisplayMode, mode);
        QFETCH(bool, translated);
        QFETCH(bool, original);
        QFETCH(bool, both);

        test::ViewModelFixture fixture;
        fixture.settings->setDisplayMode(mode);
        SubtitlesModel live;
        live.setSettings(fixture.settings.get());
        live.setViewModel(fixture.viewModel.get());
        fixture.feed(finished("1", "Hallo", "Hello"));
        QCOMPARE(live.showsTranslatedLine(), translated);
        QCOMPARE(live.showsOriginalLine(), original);
        QCOMPARE(live.isBoth(), both);

        // The preview shows its examples whatever the transcript holds.
        SubtitlesModel preview;
        preview.setSettings(fixture.settings.get());
        preview.setViewModel(fixture.viewModel.get());
        preview.setIsPreview(true);
        QCOMPARE(preview.translatedText(), "This is a subtitle preview");
        QCOMPARE(preview.originalText(), "Ceci est un apercu des sous-titres");
        QCOMPARE(preview.showsTranslatedLine(), translated);
        QCOMPARE(preview.showsOriginalLine(), original);
    }

    void sideGivesTheAlignment()
    {
        QTemporaryDir dir;
        AppSettings settings(dir.filePath("settings.json"));
        SubtitlesModel model;
        model.setSettings(&settings);
        settings.setSubtitlesSide(AppSettings::SubtitlesSide::left);
        QCOMPARE(model.alignment(), int(Qt::AlignLeft));
        settings.setSubtitlesSide(AppSettings::SubtitlesSide::right);
        QCOMPARE(model.alignment(), int(Qt::AlignRight));
        settings.setSubtitlesSide(AppSettings::SubtitlesSide::center);
        QCOMPARE(model.alignment(), int(Qt::AlignHCenter));
    }
};

QTEST_GUILESS_MAIN(TestSubtitlesText)
#include "tst_SubtitlesText.moc"
