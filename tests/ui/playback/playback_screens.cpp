// Opens the playback window on a recording made by the recorder, plays it
// from a segment in the middle of its transcript in each display mode, and
// saves a picture of each (scripts/picture); then opens the save dialog of
// Export… and takes the screen with it. Run by scripts/screenshots-playback
// under Xvfb.

#include "FakeAudioCapture.h"
#include "ScreenPicture.h"
#include "ToneRecording.h"
#include "UiEngine.h"
#include "live/TranslationViewModel.h"
#include "playback/PlaybackController.h"
#include "playback/PlaybackWindowManager.h"
#include "recordings/RecordingStore.h"
#include "settings/AppSettings.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QQmlEngine>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

// While it plays, the position and the played text's colour move on their
// own: a picture is still once no more than this many pixels change.
const QStringList whilePlaying{QStringLiteral("--still"), QStringLiteral("--changes"), QStringLiteral("1500")};

QList<TimedTranscriptLine> conversation()
{
    const QList<std::tuple<int, const char*, const char*, const char*>> lines{
        {800, "Speaker 1", "Buenos días a todos, empezamos con el presupuesto.",
            "Good morning everyone, let's start with the budget."},
        {3500, "Speaker 1", "El trimestre pasado gastamos menos de lo previsto.",
            "Last quarter we spent less than planned."},
        {6200, "Speaker 2", "¿Y el proyecto de la nueva oficina?", "And the new office project?"},
        {8400, "Speaker 1", "Va con retraso, pero dentro del presupuesto.", "It is late, but within budget."},
        {10900, "Speaker 3", "Puedo enviar el informe esta tarde, con las cifras de marzo y abril.",
            "I can send the report this afternoon, with the figures for March and April."},
        {14100, "Speaker 2", "Perfecto, gracias.", "Perfect, thank you."},
        {15800, "Speaker 2", "Otra cosa: la contratación.", ""},
        {17600, "Speaker 1", "Tenemos dos candidatos para el puesto de ingeniería.",
            "We have two candidates for the engineering position."},
        {20700, "Speaker 3", "Las entrevistas son el jueves.", "The interviews are on Thursday."},
        {23000, "Speaker 1", "Bien. ¿Algo más antes de terminar?", "Good. Anything else before we finish?"},
        {25600, "Speaker 2", "No, nada más.", "No, nothing else."},
        {27200, "Speaker 1", "Gracias, hasta la semana que viene.", "Thanks, see you next week."},
    };
    QList<TimedTranscriptLine> transcript;
    for (const auto& [offset, speaker, original, translated] : lines)
        transcript.append({QUuid::createUuid(), offset, QString::fromUtf8(speaker), QString::fromUtf8(original),
            QString::fromUtf8(translated), QStringLiteral("es")});
    return transcript;
}

} // namespace

int main(int argc, char* argv[])
{
    // Widgets: the save dialog falls back to Qt's file dialog, as in the program.
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        qCritical("usage: playback_screens OUTPUT_FOLDER [SUFFIX]");
        return 2;
    }
    const QDir out(arguments.at(1));
    const QString suffix = arguments.size() > 2 ? QStringLiteral("-") + arguments.at(2) : QString();

    QTemporaryDir home;
    const QString folder = home.filePath(QStringLiteral("Recordings"));
    QDir().mkpath(folder);
    const QString audio = test::recordFile(folder, test::tonePCM(220, 30, 0, 0.05));
    if (audio.isEmpty()) {
        qCritical("No recording was made");
        return 1;
    }
    RecordingEntry entry;
    entry.id = QUuid::createUuid();
    entry.date = recordingDateNow();
    entry.duration = 30;
    entry.language = QStringLiteral("en");
    entry.audioFileName = QFileInfo(audio).fileName();
    entry.transcript = conversation();
    RecordingStore(QUrl::fromLocalFile(folder), RecordingStore::Loading::blocking).save(entry);

    AppSettings settings(home.filePath(QStringLiteral("settings.json")));
    settings.setRecordingsFolder(QUrl::fromLocalFile(folder));
    TranslationViewModel viewModel(settings, std::make_unique<test::FakeAudioCapture>());
    QQmlEngine engine;
    ui::prepareEngine(engine);
    PlaybackWindowManager windows(engine);
    QCursor::setPos(0, 0);
    windows.show(entry, viewModel, settings);
    if (!windows.window() || !QTest::qWaitForWindowExposed(windows.window())) {
        qCritical("The playback window did not show");
        return 1;
    }
    PlaybackController& view = *windows.view();

    struct Shot
    {
        const char* name;
        DisplayMode mode;
        qint64 offsetMs;
    };

    const Shot shots[]{{"both", DisplayMode::both, 10900}, {"translated", DisplayMode::translatedOnly, 14100},
        {"original", DisplayMode::originalOnly, 17600}};
    int failures = 0;
    for (const Shot& shot : shots) {
        for (int i = 0; i < 3 && view.displayMode() != shot.mode; ++i)
            view.displayMode() == DisplayMode::both ? view.toggleOriginal() : view.toggleTranslate();
        view.seekTo(shot.offsetMs);
        // Once the scroll to the centre has ended.
        const QString path = out.filePath(QStringLiteral("playback-%1%2.png").arg(QLatin1String(shot.name), suffix));
        if (!test::takePicture(windows.window()->frameGeometry().adjusted(-16, -16, 16, 16), path, whilePlaying))
            ++failures;
    }

    // The save dialog is a window of its own, over the playback window.
    view.togglePlayback();
    QMetaObject::invokeMethod(windows.window()->findChild<QObject*>(QStringLiteral("exportDialog")), "start");
    const auto dialog = [] {
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* candidate = qobject_cast<QFileDialog*>(widget); candidate && candidate->isVisible())
                return candidate;
        return static_cast<QFileDialog*>(nullptr);
    };
    if (!QTest::qWaitFor([&] { return dialog() != nullptr; }, 5000)) {
        qCritical("The save dialog did not show");
        ++failures;
    } else {
        // Drawn and placed by the window manager.
        const QString path = out.filePath(QStringLiteral("playback-export%1.png").arg(suffix));
        if (!QTest::qWaitForWindowExposed(dialog()->windowHandle())
            || !test::takePicture(QGuiApplication::primaryScreen()->geometry(), path, test::stillBesideCursor))
            ++failures;
        dialog()->reject();
    }
    windows.hide();
    return failures == 0 ? 0 : 1;
}
