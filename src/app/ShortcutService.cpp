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

std::optional<ShortcutService::GlobalKey> ShortcutService::globalKeyOf(QKeyCombination combination)
{
    const int key = combination.key();
    GlobalKey globalKey{{}, 0, combination.keyboardModifiers()};
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        globalKey.character = char16_t(u'a' + (key - Qt::Key_A));
    else if (key >= Qt::Key_0 && key <= Qt::Key_9)
        globalKey.character = char16_t(u'0' + (key - Qt::Key_0));
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        globalKey.function = key - Qt::Key_F1 + 1;
    else if (key == Qt::Key_Space)
        globalKey.character = u' ';
    else
        return std::nullopt;
    if (globalKey.modifiers & ~(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier))
        return std::nullopt;
    return globalKey;
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
