// What opening and playing a long recording costs: a recording of one hour
// (made by the recorder) with 1,500 transcript lines is opened the way the
// panel's row opens it, timed from the click to the window's first frame;
// then it plays for a while with the transcript following, and the process's
// CPU is measured. The floor: the same audio played by the player alone, no
// window. Prints "key value" lines. Needs a display and a sound server
// (scripts/bench-playback provides both).

#include "FakeAudioCapture.h"
#include "ToneRecording.h"
#include "UiEngine.h"
#include "audio/AudioPlayer.h"
#include "live/TranslationViewModel.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackWindowManager.h"
#include "recordings/RecordingStore.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <sys/resource.h>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// The process's CPU in percent of one core over seconds of the event loop.
double cpuPercentOver(int seconds)
{
    QElapsedTimer wall;
    const double before = cpuSeconds();
    wall.start();
    // A plain event loop, as the program runs; QTest::qWait would wake it
    // every 10 ms and count its own polling.
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    loop.exec();
    return (cpuSeconds() - before) / (double(wall.elapsed()) / 1000) * 100;
}

} // namespace

int main(int argc, char* argv[])
{
    // Run by itself to ask the OpenGL driver (chooseRenderer), as the program is.
    if (qEnvironmentVariableIsSet(ui::openGLProbeVariable))
        return ui::printOpenGLRenderer(argc, argv);
    QGuiApplication app(argc, argv);
    // As the program does: the software renderer where OpenGL is drawn by the processor.
    ui::chooseRenderer();
    const int seconds = app.arguments().size() > 1 ? app.arguments().at(1).toInt() : 20;
    constexpr int hour = 3600;
    constexpr int lineCount = 1500;

    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("Recordings"));
    QDir().mkpath(folder);
    // Speech-like level changes are not needed: a quiet tone costs the
    // decoder what speech does.
    const QString audio = test::recordFile(folder, test::tonePCM(220, hour, 0, 0.05));
    if (audio.isEmpty()) {
        qCritical("No recording was made");
        return 1;
    }
    RecordingEntry entry;
    entry.id = QUuid::createUuid();
    entry.date = recordingDateNow();
    entry.duration = hour;
    entry.language = QStringLiteral("en");
    entry.audioFileName = QFileInfo(audio).fileName();
    for (int i = 0; i < lineCount; ++i) {
        entry.transcript.append({QUuid::createUuid(), qint64(i) * hour * 1000 / lineCount,
            QStringLiteral("Speaker %1").arg(i % 3 == 2 ? 2 : 1),
            QStringLiteral("Línea %1 del original, con algunas palabras más para que ocupe una línea entera.").arg(i),
            QStringLiteral("Line %1 of the translation, with a few more words so that it fills a whole line.").arg(i),
            QStringLiteral("es")});
    }
    RecordingStore(QUrl::fromLocalFile(folder), RecordingStore::Loading::blocking).save(entry);

    // The floor: the player alone.
    double floorPercent = 0;
    qint64 loadMs = 0;
    {
        QElapsedTimer loading;
        loading.start();
        auto player = AudioPlayer::load(audio);
        loadMs = loading.elapsed();
        if (!player) {
            qCritical("The player did not load");
            return 1;
        }
        player->setCurrentTime(hour / 2.0);
        player->play();
        QTest::qWait(1000);
        floorPercent = cpuPercentOver(seconds);
    }

    AppSettings settings(home.filePath(QStringLiteral("settings.json")));
    settings.setRecordingsFolder(QUrl::fromLocalFile(folder));
    TranslationViewModel viewModel(settings, std::make_unique<test::FakeAudioCapture>());
    if (!QTest::qWaitFor([&] { return viewModel.recordings().size() == 1; }, 30000)) {
        qCritical("The recording was not listed");
        return 1;
    }
    QQmlEngine engine;
    ui::prepareEngine(engine);
    PlaybackWindowManager windows(engine);

    // What a click on the panel's row does, with the coordinator's watch at once.
    QElapsedTimer click;
    click.start();
    viewModel.openRecording(viewModel.recordings().first());
    windows.updateVisibility(viewModel, settings);
    if (!windows.window()) {
        qCritical("No window opened");
        return 1;
    }
    bool drawn = false;
    qint64 openMs = 0;
    QObject::connect(windows.window(), &QQuickWindow::frameSwapped, windows.window(), [&] {
        if (!drawn)
            openMs = click.elapsed();
        drawn = true;
    });
    if (!QTest::qWaitFor([&] { return drawn; }, 10000)) {
        qCritical("The window was never drawn");
        return 1;
    }

    PlaybackController& view = *windows.view();
    if (!QTest::qWaitFor([&] { return view.hasPlayer(); }, 10000)) {
        qCritical("The audio did not load");
        return 1;
    }
    const qint64 readyMs = click.elapsed();
    view.seekTo(qint64(hour) * 1000 / 2);
    QTest::qWait(1000);
    qInfo("Measuring while the window plays");
    const int activeBefore = view.activeSegmentIndex();
    // Frames drawn while playing: a frame where nothing visible changed is
    // the costliest waste of a window that only follows the audio.
    int frames = 0;
    const QMetaObject::Connection counting
        = QObject::connect(windows.window(), &QQuickWindow::frameSwapped, windows.window(), [&] { ++frames; });
    const double playingPercent = cpuPercentOver(seconds);
    QObject::disconnect(counting);
    const int activeAfter = view.activeSegmentIndex();

    printf("lines %d\n", lineCount);
    printf("segments %lld\n", static_cast<long long>(view.segments().size()));
    printf("open_ms %lld\n", static_cast<long long>(openMs));
    printf("player_load_ms %lld\n", static_cast<long long>(loadMs));
    printf("player_ready_after_click_ms %lld\n", static_cast<long long>(readyMs));
    printf("playing_cpu_percent %.2f\n", playingPercent);
    printf("floor_player_alone_cpu_percent %.2f\n", floorPercent);
    printf("playing_frames_per_second %.1f\n", double(frames) / seconds);
    printf("segments_passed %d\n", activeAfter - activeBefore);
    windows.hide();
    return 0;
}
