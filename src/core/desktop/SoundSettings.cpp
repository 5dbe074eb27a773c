#include "SoundSettings.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

Q_LOGGING_CATEGORY(lcSoundSettings, "com.tolvaran.app.SoundSettings")

namespace tolvaran {

bool openSoundSettings()
{
    const QList<QStringList> candidates{
        {QStringLiteral("pavucontrol")},
        {QStringLiteral("pavucontrol-qt")},
        {QStringLiteral("gnome-control-center"), QStringLiteral("sound")},
        {QStringLiteral("systemsettings"), QStringLiteral("kcm_pulseaudio")},
    };
    for (const QStringList& command : candidates) {
        const QString program = QStandardPaths::findExecutable(command.first());
        if (!program.isEmpty() && QProcess::startDetached(program, command.mid(1)))
            return true;
    }
    qCInfo(lcSoundSettings, "No sound settings application found");
    return false;
}

} // namespace tolvaran
