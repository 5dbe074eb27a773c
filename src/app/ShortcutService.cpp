#include "ShortcutService.h"

#include "GlobalShortcuts.h"
#include "PortalShortcuts.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcShortcuts)

namespace tolvaran {

QString ShortcutService::report(Action action, const QString& problem)
{
    QString& kept = m_problems.at(size_t(action));
    if (kept != problem) {
        kept = problem;
        emit problemChanged(action);
    }
    return problem;
}

std::unique_ptr<ShortcutService> chooseShortcutService(const QDBusConnection& bus)
{
    if (PortalShortcuts::isOffered(bus)) {
        qCInfo(lcShortcuts, "Global shortcuts through the desktop portal");
        return std::make_unique<PortalShortcuts>(bus);
    }
    return std::make_unique<GlobalShortcuts>();
}

} // namespace tolvaran
