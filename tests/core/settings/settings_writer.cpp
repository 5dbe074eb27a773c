// Assigns and writes settings as fast as it can until it is killed, announcing on
// standard output once the first assignment has reached the file.
#include "settings/AppSettings.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: settings_writer <settings file>\n");
        return 2;
    }
    tolvaran::AppSettings settings(QString::fromLocal8Bit(argv[1]));
    for (qint64 i = 1;; ++i) {
        settings.setMaxTranslationLines(i);
        // A length that changes with every write, so a torn write shows.
        settings.setServerURL(QStringLiteral("ws://localhost/") + QString(int(i % 5000), QLatin1Char('x')));
        settings.flush();
        if (i == 1) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
