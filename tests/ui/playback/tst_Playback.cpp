#include "AppCoordinator.h"
#include "FakeAudioCapture.h"
#include "QuickTestItems.h"
#include "SoundServer.h"
#include "ToneRecording.h"
#include "UiEngine.h"
#include "audio/AudioPlayer.h"
#include "live/LiveServices.h"
#include "live/TranslationViewModel.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackWindowManager.h"
#include "recordings/RecordingStore.h"
#include "recordings/RecordingTimes.h"
#include "settings/AppSettings.h"
#include "theme/TextColors.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

TimedTranscriptLine line(qint64 offsetMs, const QString& speaker, const QString& original, const QString& translated)
{
    return {QUuid::createUuid(), offsetMs, speaker, original, translated, QStringLiteral("es")};
}

// The settings' default pause that ends a card, in seconds.
constexpr double silenceGap = 8.0;

// Four seconds of tone, its first words at 1.2 s.
RecordingEntry toneEntry(const QString& audioFileName)
{
    RecordingEntry entry;
    entry.id = QUuid::createUuid();
    entry.date = recordingDateNow();
    entry.duration = 4.0;
    entry.language = QStringLiteral("en");
    entry.audioFileName = audioFileName;
    entry.transcript = {line(1200, "Speaker 1", "uno", "one"), line(1800, "Speaker 1", "dos", "two"),
        line(2500, "Speaker 2", "tres", "three")};
    return entry;
}

} // namespace

class TestPlayback : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_tone;

    std::unique_ptr<PlaybackController> playingView()
    {
        auto view = std::make_unique<PlaybackController>(
            toneEntry(QFileInfo(m_tone).fileName()), QUrl::fromLocalFile(m_tone), silenceGap);
        view->setupPlayer();
        return view;
    }

private slots:

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QDir().mkpath(m_dir.filePath("Recordings"));
        m_tone = test::recordFile(m_dir.filePath("Recordings"), test::tonePCM(440, 4));
        QVERIFY(!m_tone.isEmpty());
    }

    void grouping_data()
    {
        QTest::addColumn<QList<TimedTranscriptLine>>("lines");
        QTest::addColumn<QStringList>("speakers");
        QTest::addColumn<QStringList>("originals");
        QTest::addColumn<QStringList>("translations");
        QTest::addColumn<QList<qint64>>("offsets");
        QTest::addColumn<double>("gap");

        QTest::newRow("A, A, B, A") << QList{line(0, "A", "a1", "A1"), line(10, "A", "a2", "A2"),
            line(20, "B", "b", "B"), line(30, "A", "a3", "A3")}
                                    << QStringList{"A", "B", "A"} << QStringList{"a1 a2", "b", "a3"}
                                    << QStringList{"A1 A2", "B", "A3"} << QList<qint64>{0, 20, 30} << silenceGap;
        QTest::newRow("empty translations skipped, empty originals kept")
            << QList{line(5, "A", "x", "X"), line(6, "A", "", ""), line(7, "A", "y", "Y")} << QStringList{"A"}
            << QStringList{"x  y"} << QStringList{"X Y"} << QList<qint64>{5} << silenceGap;
        QTest::newRow("no speaker is a speaker too")
            << QList{line(0, "", "a", ""), line(1, "", "b", "")} << QStringList{""} << QStringList{"a b"}
            << QStringList{""} << QList<qint64>{0} << silenceGap;
        QTest::newRow("nothing") << QList<TimedTranscriptLine>{} << QStringList{} << QStringList{} << QStringList{}
                                 << QList<qint64>{} << silenceGap;
        // Each card stays clickable where its words were said.
        QTest::newRow("one speaker two minutes apart")
            << QList{line(7000, "A", "a1", ""), line(127000, "A", "a2", "")} << QStringList{"A", "A"}
            << QStringList{"a1", "a2"} << QStringList{"", ""} << QList<qint64>{7000, 127000} << silenceGap;
        QTest::newRow("a pause of exactly the gap, then one just over it")
            << QList{line(0, "A", "a1", ""), line(5000, "A", "a2", ""), line(10001, "A", "a3", "")}
            << QStringList{"A", "A"} << QStringList{"a1 a2", "a3"} << QStringList{"", ""} << QList<qint64>{0, 10001}
            << 5.0;
    }

    void grouping()
    {
        QFETCH(QList<TimedTranscriptLine>, lines);
        QFETCH(QStringList, speakers);
        QFETCH(QStringList, originals);
        QFETCH(QStringList, translations);
        QFETCH(QList<qint64>, offsets);
        QFETCH(double, gap);
        const QList<TranscriptSegment> segments = groupedSegments(lines, gap);
        QStringList gotSpeakers, gotOriginals, gotTranslations;
        QList<qint64> gotOffsets;
        for (const TranscriptSegment& segment : segments) {
            gotSpeakers << segment.speaker;
            gotOriginals << segment.originalText;
            gotTranslations << segment.translatedText;
            gotOffsets << segment.offsetMs;
        }
        QCOMPARE(gotSpeakers, speakers);
        QCOMPARE(gotOriginals, originals);
        QCOMPARE(gotTranslations, translations);
        QCOMPARE(gotOffsets, offsets);
        // Each segment is known by its first line.
        if (!segments.isEmpty())
            QCOMPARE(segments.first().id, lines.first().id);
    }

    void labels()
    {
        QStringList rates;
        for (const float rate : PlaybackController::rates)
            rates << PlaybackController::rateLabel(rate);
        QCOMPARE(rates, QStringList({"0.5x", "1x", "1.5x", "2x"}));
        RecordingEntry entry = toneEntry("a.m4a");
        entry.duration = 75.9;
        // The count is of lines, though two of them share a card.
        const PlaybackController view(entry, {}, silenceGap);
        QCOMPARE(view.summaryText(), QStringLiteral("3 segments • 1:15"));
        QCOMPARE(view.segments().size(), 2);
        // Titled by when it started; the stored date is when it was saved.
        const QDateTime started = toDateTime(entry.date).addMSecs(-75900);
        QCOMPARE(view.dateText(), tolvaran::RecordingTimes::formatDate(started));
        QCOMPARE(PlaybackWindowManager::windowTitle(entry), QStringLiteral("Recording — ") + view.dateText());
    }

    void displayModes_data()
    {
        QTest::addColumn<DisplayMode>("from");
        QTest::addColumn<DisplayMode>("afterOriginal");
        QTest::addColumn<DisplayMode>("afterTranslate");
        QTest::newRow("translated") << DisplayMode::translatedOnly << DisplayMode::both << DisplayMode::originalOnly;
        QTest::newRow("both") << DisplayMode::both << DisplayMode::translatedOnly << DisplayMode::originalOnly;
        QTest::newRow("original") << DisplayMode::originalOnly << DisplayMode::translatedOnly << DisplayMode::both;
    }

    void displayModes()
    {
        QFETCH(DisplayMode, from);
        QFETCH(DisplayMode, afterOriginal);
        QFETCH(DisplayMode, afterTranslate);
        const auto reach = [](PlaybackController& view, DisplayMode mode) {
            for (int i = 0; i < 4 && view.displayMode() != mode; ++i)
                view.displayMode() == DisplayMode::both ? view.toggleOriginal() : view.toggleTranslate();
        };
        PlaybackController view(toneEntry("a.m4a"), {}, silenceGap);
        QCOMPARE(view.displayMode(), DisplayMode::both);
        reach(view, from);
        QCOMPARE(view.displayMode(), from);
        view.toggleOriginal();
        QCOMPARE(view.displayMode(), afterOriginal);
        reach(view, from);
        view.toggleTranslate();
        QCOMPARE(view.displayMode(), afterTranslate);
        QVERIFY(view.showsOriginal() || view.showsTranslation());
    }

    // Text colours the view derives keep 4.5:1 on the cards they sit on.
    void readableColours_data()
    {
        QTest::addColumn<QColor>("foreground");
        QTest::addColumn<QColor>("background");
        QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white);
        QTest::newRow("white on black") << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("black on light blue") << QColor(Qt::black) << QColor("#E3EEFB");
        QTest::newRow("light on dark grey") << QColor("#F5F5F7") << QColor("#2A2A2C");
    }

    void readableColours()
    {
        QFETCH(QColor, foreground);
        QFETCH(QColor, background);
        for (const double opacity : {0.38, 0.5, 0.62}) {
            const QColor colour = TextColors::faint(foreground, background, opacity);
            QVERIFY2(TextColors::contrast(colour, background) >= 4.5, qPrintable(colour.name()));
            // Still quieter than the full colour where that reads.
            QVERIFY(colour != foreground);
        }
    }

    void withoutAPlayerTheTranscriptStillWorks()
    {
        PlaybackController view(
            toneEntry("missing.m4a"), QUrl::fromLocalFile(m_dir.filePath("missing.m4a")), silenceGap);
        view.setupPlayer();
        QVERIFY(!view.hasPlayer());
        view.togglePlayback();
        QVERIFY(!view.isPlaying());
        view.seekRelative(10);
        QCOMPARE(view.currentTime(), 0.0);
        view.seekTo(1900);
        QVERIFY(!view.isPlaying());
        QCOMPARE(view.activeSegmentIndex(), 0);
    }

    void activeSegmentFollowsThePosition()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        const auto view = playingView();
        QVERIFY(view->hasPlayer());
        QCOMPARE(view->duration(), view->player()->duration());
        QCOMPARE(view->activeSegmentIndex(), -1);
        QVERIFY(!view->activeSegmentId());
        view->seekRelative(1.199);
        QCOMPARE(view->activeSegmentIndex(), -1);
        view->seekRelative(0.001);
        QCOMPARE(view->currentTime(), 1.2);
        QCOMPARE(view->activeSegmentIndex(), 0);
        QCOMPARE(view->activeSegmentId(), view->recording().transcript.first().id);
        view->seekRelative(1.3);
        QCOMPARE(view->activeSegmentIndex(), 1);
        QVERIFY(!view->isPlaying());
    }

    void seekRelativeStaysInTheFile()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        const auto view = playingView();
        view->seekRelative(3);
        QCOMPARE(view->currentTime(), 3.0);
        view->seekRelative(-10);
        QCOMPARE(view->currentTime(), 0.0);
        view->seekRelative(3);
        view->seekRelative(10);
        QCOMPARE(view->currentTime(), view->duration());
        QTRY_VERIFY(!view->player()->isSeeking());
        QVERIFY(!view->isPlaying());
    }

    void clickOnASegmentPlaysFromThere()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        const auto view = playingView();
        view->seekTo(2500);
        QVERIFY(view->isPlaying());
        QVERIFY(view->isTimerRunning());
        QCOMPARE(view->activeSegmentIndex(), 1);
        QTRY_VERIFY(!view->player()->isSeeking());
        QTRY_VERIFY(view->currentTime() > 2.6);
        // While playing it only moves.
        view->seekTo(1200);
        QVERIFY(view->isPlaying());
        QCOMPARE(view->activeSegmentIndex(), 0);
        QTRY_VERIFY(!view->player()->isSeeking());
        QVERIFY2(view->player()->currentTime() < 2.0, qPrintable(QString::number(view->player()->currentTime())));
    }

    void theEndResetsThePlayButton()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        const auto view = playingView();
        QSignalSpy finished(view->player(), &AudioPlayer::finished);
        QSignalSpy playing(view.get(), &PlaybackController::isPlayingChanged);
        view->seekRelative(3.5);
        view->togglePlayback();
        QVERIFY(view->isPlaying());
        QVERIFY(finished.wait(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!view->isPlaying(), 100);
        QVERIFY(!view->isTimerRunning());
        QCOMPARE(playing.size(), 2);
        QCOMPARE(view->currentTime(), view->duration());
    }

    void aRateChosenWhilePausedAppliesAtTheNextPlay()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        auto view = std::make_unique<PlaybackController>(
            toneEntry(QFileInfo(m_tone).fileName()), QUrl::fromLocalFile(m_tone), silenceGap);
        view->setPlaybackRate(1.5f);
        view->setupPlayer();
        QVERIFY(view->hasPlayer());
        QVERIFY(!view->isPlaying());
        QCOMPARE(view->playbackRate(), 1.5f);
        view->togglePlayback();
        QCOMPARE(view->player()->rate(), 1.5f);
        // Measured once the test server's null sink lets the stream run.
        QTRY_VERIFY_WITH_TIMEOUT(view->currentTime() >= 0.3, 10000);
        const double from = view->currentTime();
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(clock.elapsed() >= 800, 5000);
        const double speed = (view->currentTime() - from) / (clock.elapsed() / 1000.0);
        QVERIFY2(speed > 1.5 * 0.8 && speed < 1.5 * 1.2, qPrintable(QString::number(speed)));
    }

    // A long transcript whose cards differ in height, so that the list only
    // estimates where the cards it has not made lie, and re-estimates as it
    // makes them: the card being heard still scrolls to the middle from
    // where it shows, never through far parts of the list.
    void theActiveCardScrollsToTheMiddle()
    {
        RecordingEntry entry;
        entry.id = QUuid::createUuid();
        entry.date = recordingDateNow();
        entry.duration = 2000;
        for (int i = 0; i < 400; ++i)
            entry.transcript.append(line(qint64(i) * 5000, QStringLiteral("Speaker %1").arg(i % 2 + 1),
                QStringLiteral("original %1").arg(i), QStringLiteral("many words ").repeated(1 + i % 5 * 12)));
        // No audio: the transcript follows seekTo all the same.
        PlaybackController view(entry, QUrl::fromLocalFile(m_dir.filePath("missing.m4a")), silenceGap);
        QTemporaryDir home;
        AppSettings settings(home.filePath("settings.json"));
        test::PreparedEngine engine;
        QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Tolvaran/Ui/playback/PlaybackWindow.qml")));
        QVERIFY2(component.isReady(), qPrintable(component.errorString()));
        std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow*>(component.createWithInitialProperties(
            {{"playback", QVariant::fromValue(&view)}, {"settings", QVariant::fromValue(&settings)}})));
        QVERIFY(window);
        window->resize(650, 500);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QQuickItem* list = test::findNamed(window->contentItem(), "transcript");
        QVERIFY(list);
        // No current card: its invisible highlight would move after it and
        // redraw the window on every frame while playing.
        QVERIFY(!list->property("highlightItem").value<QQuickItem*>());

        const auto card = [&](int index) {
            QQuickItem* item = nullptr;
            QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, item), Q_ARG(int, index));
            return item;
        };
        // Where the card's middle shows, from the list's middle.
        const auto offCentre = [&](int index) {
            const QQuickItem* item = card(index);
            return item ? item->y() + item->height() / 2 - list->property("contentY").toDouble() - list->height() / 2
                        : qInf();
        };
        // A far jump (a click on the slider) lands at once.
        view.seekTo(200 * 5000);
        QCOMPARE(view.activeSegmentIndex(), 200);
        QTRY_VERIFY2(std::abs(offCentre(200)) <= 1, qPrintable(QString::number(offCentre(200))));
        for (int index = 201; index <= 212; ++index) {
            // Each frame drawn on the way.
            double farthest = 0;
            const QMetaObject::Connection watch = connect(window.get(), &QQuickWindow::afterAnimating, this,
                [&] { farthest = std::max(farthest, std::abs(offCentre(index))); });
            view.seekTo(qint64(index) * 5000);
            QCOMPARE(view.activeSegmentIndex(), index);
            QTRY_VERIFY2(std::abs(offCentre(index)) <= 1,
                qPrintable(QStringLiteral("card %1 at %2").arg(index).arg(offCentre(index))));
            disconnect(watch);
            // It started where the card showed, just below the middle.
            QVERIFY2(farthest < list->height(), qPrintable(QString::number(farthest)));
        }
    }

    // Opened from the panel, the recording is heard as soon as it is played,
    // however long the window was open before: by Space or by a click on a
    // card, as the window calls the view.
    void theWindowsPlayIsHeard_data()
    {
        QTest::addColumn<qint64>("clickedAtMs");
        QTest::newRow("Space") << qint64(-1);
        QTest::newRow("a click on a card") << qint64(1800);
    }

    void theWindowsPlayIsHeard()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QFETCH(qint64, clickedAtMs);
        QTemporaryDir home;
        AppSettings settings(home.filePath("settings.json"));
        settings.setRecordingsFolder(QUrl::fromLocalFile(m_dir.filePath("Recordings")));
        const RecordingEntry entry = toneEntry(QFileInfo(m_tone).fileName());
        RecordingStore(QUrl::fromLocalFile(m_dir.filePath("Recordings")), RecordingStore::Loading::blocking)
            .save(entry);
        LiveServices services(settings, std::make_unique<test::FakeAudioCapture>());
        TranslationViewModel viewModel(services);
        QTRY_VERIFY(!viewModel.recordings().isEmpty());
        QQmlEngine engine;
        ui::prepareEngine(engine);
        AppCoordinator coordinator(services, viewModel, engine);
        PlaybackWindowManager& windows = coordinator.playbackManager();
        viewModel.openRecording(entry);
        QTRY_VERIFY(windows.view() && windows.view()->hasPlayer());
        PlaybackController& view = *windows.view();

        // The user reads for a while first; nothing plays meanwhile.
        test::MonitorRecorder monitor(test::speakerSink);
        QVERIFY(monitor.isRunning());
        QList<float> quiet;
        QTRY_VERIFY_WITH_TIMEOUT((quiet += monitor.take()).size() >= 3 * 16000, 10000);
        QVERIFY(test::peak(quiet) < 0.01f);

        clickedAtMs < 0 ? view.togglePlayback() : view.seekTo(clickedAtMs);
        QVERIFY(view.isPlaying());
        QElapsedTimer clock;
        clock.start();
        QList<float> heard;
        QTRY_VERIFY_WITH_TIMEOUT(test::peak(heard += monitor.take()) > 0.3f, 5000);
        QVERIFY2(clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
        const double heardAt = view.currentTime();
        QVERIFY2(heardAt >= std::max(clickedAtMs, qint64(0)) / 1000.0 && heardAt < 2.5,
            qPrintable(QString::number(heardAt)));
    }

    // Export… opens a save dialog at the last folder used (else Documents)
    // with a name from when the recording started; what is accepted there is
    // written in the chosen filter's format unless the name says another.
    void exportsFromTheSaveDialog_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("filter");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("opening");
        QTest::newRow("SubRip by its filter") << "talk" << 0 << "talk.srt" << QByteArray("1\n00:00:01,200 --> ");
        QTest::newRow("WebVTT by its filter") << "talk" << 1 << "talk.vtt" << QByteArray("WEBVTT\n");
        QTest::newRow("the name's own extension") << "notes.txt" << 0 << "notes.txt" << QByteArray("[0:00:01] ");
        QTest::newRow("not a file here") << "https://example.com/talk.srt" << 0 << "" << QByteArray();
    }

    void exportsFromTheSaveDialog()
    {
        QFETCH(QString, chosen);
        QFETCH(int, filter);
        QFETCH(QString, written);
        QFETCH(QByteArray, opening);
        const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(QDir().mkpath(documents));
        RecordingEntry entry = toneEntry("a.m4a");
        entry.date = RecordingDate(
            std::chrono::milliseconds(QDateTime(QDate(2026, 12, 8), QTime(10, 35, 30)).toMSecsSinceEpoch()));
        entry.duration = 210;
        PlaybackController view(entry, {}, silenceGap);
        QTemporaryDir home;
        AppSettings settings(home.filePath("settings.json"));
        test::PreparedEngine engine;
        QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Tolvaran/Ui/playback/PlaybackWindow.qml")));
        std::unique_ptr<QQuickWindow> window(qobject_cast<QQuickWindow*>(component.createWithInitialProperties(
            {{"playback", QVariant::fromValue(&view)}, {"settings", QVariant::fromValue(&settings)}})));
        QVERIFY2(window, qPrintable(component.errorString()));
        QObject* dialog = window->findChild<QObject*>("exportDialog");
        QVERIFY(dialog);

        QMetaObject::invokeMethod(dialog, "start");
        // The folder of the previous row's export is gone by now.
        QCOMPARE(
            QFileInfo(view.exportFolder().toLocalFile()).canonicalFilePath(), QFileInfo(documents).canonicalFilePath());
        QCOMPARE(dialog->property("folder").toUrl(), view.exportFolder());
        QCOMPARE(dialog->property("currentFile").toUrl().fileName(), QStringLiteral("Recording 2026-12-08 10-32.srt"));
        QCOMPARE(dialog->property("acceptLabel").toString(), QStringLiteral("Save"));
        QCOMPARE(dialog->property("nameFilters").toStringList().size(), 3);

        QTemporaryDir target;
        if (written.isEmpty()) {
            // Only a desktop's own dialog offers other places; Qt's does not.
            QVERIFY(!view.exportChosen(QUrl(chosen), filter));
            QVERIFY(view.exportMessage().startsWith(QStringLiteral("Export failed: https://example.com/talk.srt")));
            return;
        }
        dialog->setProperty("currentFile", QUrl::fromLocalFile(target.filePath(chosen)));
        dialog->property("selectedNameFilter").value<QObject*>()->setProperty("index", filter);
        // Enter in the dialog saves.
        QFileDialog* fileDialog = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* candidate = qobject_cast<QFileDialog*>(widget); candidate && candidate->isVisible())
                fileDialog = candidate;
        QVERIFY(fileDialog);
        QCOMPARE(fileDialog->acceptMode(), QFileDialog::AcceptSave);
        QTest::keyClick(fileDialog->findChild<QLineEdit*>(), Qt::Key_Return);
        QTRY_VERIFY(!fileDialog->isVisible());
        QFile file(target.filePath(written));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(view.exportMessage()));
        QVERIFY2(file.readAll().startsWith(opening), qPrintable(file.fileName()));
        // The next export starts where this one went.
        QMetaObject::invokeMethod(dialog, "start");
        QCOMPARE(dialog->property("folder").toUrl(), QUrl::fromLocalFile(target.path()));
    }

    // The window, opened and closed by the program's coordinator following
    // the view model's field, as the panel's rows and the window's own
    // buttons set it.
    void theWindowFollowsPlaybackRecording()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QTemporaryDir home;
        AppSettings settings(home.filePath("settings.json"));
        settings.setRecordingsFolder(QUrl::fromLocalFile(m_dir.filePath("Recordings")));
        const RecordingEntry first = toneEntry(QFileInfo(m_tone).fileName());
        RecordingStore(QUrl::fromLocalFile(m_dir.filePath("Recordings")), RecordingStore::Loading::blocking)
            .save(first);
        LiveServices services(settings, std::make_unique<test::FakeAudioCapture>());
        TranslationViewModel viewModel(services);
        QTRY_COMPARE(viewModel.recordings().size(), 1);
        QQmlEngine engine;
        ui::prepareEngine(engine);
        AppCoordinator coordinator(services, viewModel, engine);
        PlaybackWindowManager& windows = coordinator.playbackManager();

        viewModel.openRecording(first);
        QTRY_VERIFY(windows.window());
        QQuickWindow* window = windows.window();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->size(), QSize(650, 500));
        QCOMPARE(window->minimumSize(), QSize(450, 350));
        QCOMPARE(window->geometry().center(), QGuiApplication::primaryScreen()->availableGeometry().center());
        QVERIFY(window->title().startsWith(QStringLiteral("Recording — ")));
        QCOMPARE(window->title(), PlaybackWindowManager::windowTitle(first));
        QCOMPARE(windows.view()->segmentModel()->rowCount(), 2);
        QTRY_VERIFY(windows.view()->hasPlayer());

        // The view's close button.
        windows.view()->togglePlayback();
        QPointer<QQuickWindow> closed(window);
        QMetaObject::invokeMethod(windows.view(), "close");
        QVERIFY(!viewModel.playbackRecording());
        QTRY_VERIFY(!closed);
        QVERIFY(!windows.window());

        // The window's own close, as from its title bar.
        viewModel.openRecording(first);
        QTRY_VERIFY(windows.window());
        windows.window()->close();
        QVERIFY(!viewModel.playbackRecording());
        QVERIFY(!windows.window());

        // Another recording takes the window's place; deleting it closes it.
        RecordingEntry second = first;
        second.id = QUuid::createUuid();
        viewModel.openRecording(first);
        QTRY_VERIFY(windows.window());
        viewModel.openRecording(second);
        QTRY_COMPARE(windows.shownRecording()->id, second.id);
        QCOMPARE(viewModel.playbackRecording()->id, second.id);
        viewModel.deleteRecording(second);
        QVERIFY(!viewModel.playbackRecording());
        QTRY_VERIFY(!windows.window());
    }
};

QTEST_MAIN(TestPlayback)
#include "tst_Playback.moc"
