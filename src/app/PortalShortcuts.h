#pragma once

#include "ShortcutService.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QHash>
#include <QKeyCombination>
#include <QList>
#include <QVariantMap>

#include <array>
#include <functional>

class QDBusMessage;
class QDBusObjectPath;

namespace tolvaran {

// One shortcut as the portal's GlobalShortcuts interface passes it, a(sa{sv}):
// its id, and what goes with it ("description", "preferred_trigger" on the
// way there, "trigger_description" back).
struct PortalShortcut
{
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut);
const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut);

// Global shortcuts through the desktop portal (org.freedesktop.portal.
// GlobalShortcuts), where the compositor, not the program, owns the keyboard.
// The combinations of the settings go to the portal as preferred triggers;
// the desktop decides in its own dialog. What it turns down or leaves out
// becomes the action's problem. Every change binds anew in a fresh session.
class PortalShortcuts : public ShortcutService
{
    Q_OBJECT

public:
    explicit PortalShortcuts(const QDBusConnection& bus, QObject* parent = nullptr);
    ~PortalShortcuts() override;

    // Whether a portal on the bus answers for the GlobalShortcuts interface.
    // Blocks for at most a few seconds.
    static bool isOffered(const QDBusConnection& bus);

    // In the portal's trigger format ("CTRL+ALT+l"); empty for a combination
    // it cannot express.
    static QString triggerOf(QKeyCombination combination);

    QString setShortcut(Action action, const QKeySequence& sequence) override;

private slots:
    void onResponse(uint response, const QVariantMap& results, const QDBusMessage& message);
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
        const QVariantMap& options, const QDBusMessage& message);
    void onSessionClosed(const QVariantMap& details, const QDBusMessage& message);

private:
    using Reply = std::function<void(uint response, const QVariantMap& results)>;

    void bind();
    void bindIn(const QString& session);
    void request(const QString& method, QVariantList arguments, QVariantMap options, Reply reply);
    void listen(const QString& requestPath, Reply reply);
    void forget(const QString& requestPath);
    void closeSession();
    void fail(const QString& problemFormat);

    QDBusConnection m_bus;
    std::array<QKeySequence, 3> m_wanted;
    // The actions of the bind under way or done, and whether the portal took each.
    std::array<bool, 3> m_sent{};
    std::array<bool, 3> m_bound{};
    QString m_session;
    QHash<QString, Reply> m_requests;
    quint64 m_tokens = 0;
    quint64 m_generation = 0;
    bool m_bindQueued = false;
};

} // namespace tolvaran

Q_DECLARE_METATYPE(tolvaran::PortalShortcut)
