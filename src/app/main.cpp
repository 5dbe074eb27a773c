#include "AppCoordinator.h"
#include "AppLifecycle.h"
#include "InterfaceTranslator.h"
#include "LocalServerLauncher.h"
#include "ShortcutBindings.h"
#include "ShortcutService.h"
#include "SingleInstance.h"
#include "TrayItem.h"
#include "UiEngine.h"
#include "UnixSignalWatcher.h"
#include "desktop/UpdaterService.h"
#include "live/LiveServices.h"
#include "live/TranslationViewModel.h"
#include "recordings/TranscriptExport.h"
#include "settings/AppSettings.h"
#include "settings/Defaults.h"
#include "translation/ProxyFromEnvironment.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLoggingCategory>
#include <QQmlEngine>
#include <QTimer>
#include <QtQml/qqmlextensionplugin.h>

#include <cstdio>
#include <cstring>
#include <memory>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace {

// Without a display Qt aborts with advice to reinstall the application; say
// what is missing instead. A platform chosen explicitly (offscreen for tests,
// vnc, eglfs) needs no desktop session.
bool hasDisplayFor(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    const bool hasX = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool hasWayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        return hasX || hasWayland;
    // A list ("wayland;xcb") is tried in turn.
    for (const QByteArray& platform : platforms.split(';')) {
        if (platform.startsWith("xcb") ? hasX : platform.startsWith("wayland") ? hasWayland : true)
            return true;
    }
    return false;
}

// --version and --help print and quit.
bool asksOnlyForText(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"--version", "-v", "--help", "-h", "--help-all"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    // An export is a tool run beside a running program, not a second
    // instance of it: no display, no claim.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    if (tolvaran::isExportCommand(arguments)) {
        const QCoreApplication tool(argc, argv);
        tolvaran::InterfaceTranslator translator;
        translator.apply(tolvaran::InterfaceTranslator::storedSetting());
        QFile out;
        QFile err;
        if (!out.open(stdout, QIODevice::WriteOnly) || !err.open(stderr, QIODevice::WriteOnly))
            return 1;
        return tolvaran::runExportCommand(arguments, out, err);
    }

    // Overlays need absolute positions and to stay on top, which Wayland
    // leaves to the compositor: on a Wayland session run through XWayland,
    // unless the user chose a platform.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    if (!hasDisplayFor(argc, argv)) {
        // Answering on the terminal needs no window.
        if (!asksOnlyForText(argc, argv)) {
            std::fprintf(stderr, "tolvaran needs a graphical desktop session (or xvfb-run); none was found.\n");
            return 1;
        }
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The program run by itself to ask the OpenGL driver (chooseRenderer).
    if (qEnvironmentVariableIsSet(tolvaran::ui::openGLProbeVariable))
        return tolvaran::ui::printOpenGLRenderer(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvaran"));
    QApplication::setApplicationVersion(QStringLiteral(TOLVARAN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tolvaran"));
    // A tray application: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/tolvaran/tolvaran.svg")));
    // Offices reach translation servers through their proxy; Qt takes it over.
    QNetworkProxyFactory::setApplicationProxyFactory(new tolvaran::ProxyFromEnvironment);

    // Before anything answers: --help speaks the user's language too.
    tolvaran::InterfaceTranslator translator;
    translator.apply(tolvaran::InterfaceTranslator::storedSetting());

    QCommandLineParser options;
    options.setApplicationDescription(
        QCoreApplication::translate("main", "Live translation of what the computer plays."));
    options.addHelpOption();
    options.addVersionOption();
    const QCommandLineOption noOverlay(QStringLiteral("no-overlay"),
        QCoreApplication::translate("main", "Show no translation overlay or subtitles: listen and record only."));
    options.addOption(noOverlay);
    const QCommandLineOption microphone(
        QStringLiteral("microphone"), QCoreApplication::translate("main", "Mix the microphone in from the start."));
    options.addOption(microphone);
    // Handled above, before any window: listed here for --help.
    const QCommandLineOption exportOption(QStringLiteral("export"),
        QCoreApplication::translate("main", "Print a recording's transcript as subtitles or text, and quit."),
        QStringLiteral("recording.json"));
    const QCommandLineOption formatOption(QStringLiteral("format"),
        QCoreApplication::translate("main", "With --export: subtitles (SubRip, WebVTT) or plain text."),
        QStringLiteral("srt|vtt|txt"));
    const QCommandLineOption textOption(QStringLiteral("text"),
        QCoreApplication::translate("main", "With --export: which texts each line shows (default: translation)."),
        QStringLiteral("translation|original|both"));
    options.addOptions({exportOption, formatOption, textOption});
    options.process(app);
    if (options.isSet(formatOption) || options.isSet(textOption)) {
        std::fprintf(stderr, "tolvaran: %s\n",
            qUtf8Printable(
                QCoreApplication::translate("main", "--format and --text go with --export <recording.json>")));
        return 1;
    }

    // Before anything else starts: a second launch only brings the running
    // program's panel forward.
    tolvaran::SingleInstance instance;
    switch (instance.claim()) {
    case tolvaran::SingleInstance::Role::primary:
        break;
    case tolvaran::SingleInstance::Role::secondary:
        return 0;
    case tolvaran::SingleInstance::Role::unreachable:
        return 1;
    }

    tolvaran::ui::chooseRenderer();

    // First, so that a signal during start-up also ends in an orderly quit.
    tolvaran::UnixSignalWatcher signalWatcher;

    tolvaran::AppSettings settings;
    tolvaran::LiveServices services(settings);
    tolvaran::TranslationViewModel viewModel(services);
    if (options.isSet(microphone))
        viewModel.setIsMicEnabled(true);
    // Before the windows, which may still hold it while they go.
    tolvaran::UpdaterService updater;
    QQmlEngine engine;
    tolvaran::ui::prepareEngine(engine);
    translator.setEngine(&engine);
    translator.follow(settings);
    tolvaran::AppCoordinator coordinator(services, viewModel, engine);
    coordinator.setShowsLiveWindows(!options.isSet(noOverlay));
    tolvaran::AppLifecycle lifecycle(settings, viewModel);
    QObject::connect(&signalWatcher, &tolvaran::UnixSignalWatcher::terminationRequested, &lifecycle,
        [&lifecycle] { lifecycle.quit(); });

    // Start and stop without finding the tray, while the call has the focus.
    const std::unique_ptr<tolvaran::ShortcutService> shortcuts
        = tolvaran::chooseShortcutService(QDBusConnection::sessionBus());
    tolvaran::ShortcutBindings shortcutBindings(*shortcuts, settings, viewModel);
    // A combination another program holds is said in the settings window.
    const auto showShortcutProblems = [&] {
        using Action = tolvaran::ShortcutService::Action;
        coordinator.settingsManager().setShortcutProblems({shortcuts->problem(Action::listening),
            shortcuts->problem(Action::overlay), shortcuts->problem(Action::recording)});
    };
    showShortcutProblems();
    QObject::connect(shortcuts.get(), &tolvaran::ShortcutService::problemChanged, &coordinator, showShortcutProblems);

    tolvaran::TrayItem tray(viewModel, settings, updater, engine);
    QObject::connect(&tray, &tolvaran::TrayItem::quitRequested, &lifecycle, [&lifecycle] { lifecycle.quit(); });
    QObject::connect(&instance, &tolvaran::SingleInstance::activationRequested, &tray, &tolvaran::TrayItem::showPanel);
    tray.start();

    qCInfo(lcApp, "Tolvaran %s started; settings in %s", TOLVARAN_VERSION,
        qUtf8Printable(QDir::toNativeSeparators(tolvaran::Defaults::standardStorePath())));
    tolvaran::LocalServerLauncher localServer;
    QTimer::singleShot(0, &lifecycle, [&] {
        coordinator.settingsManager().setUpdater(&updater);
        lifecycle.start(localServer, settings.serverURL());
    });

    const int status = QApplication::exec();
    qCInfo(lcApp, "Tolvaran quit");
    return status;
}
