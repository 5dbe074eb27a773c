#include "UnixSignalWatcher.h"
#include "settings/AppSettings.h"
#include "settings/Defaults.h"

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvaran"));
    QApplication::setApplicationVersion(QStringLiteral(TOLVARAN_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tolvaran"));
    // A tray application: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);

    tolvaran::UnixSignalWatcher signalWatcher;
    QObject::connect(&signalWatcher, &tolvaran::UnixSignalWatcher::terminationRequested, &app, &QCoreApplication::quit);

    tolvaran::AppSettings settings;
    qCInfo(lcApp, "Tolvaran %s started; settings in %s", TOLVARAN_VERSION,
        qUtf8Printable(QDir::toNativeSeparators(tolvaran::Defaults::standardStorePath())));

    const int status = QApplication::exec();
    qCInfo(lcApp, "Tolvaran quit");
    return status;
}
