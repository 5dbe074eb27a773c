#include "PortalShortcuts.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QLoggingCategory>

#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcShortcuts)

namespace tolvaran {

namespace {

const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString desktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString shortcutsInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
const QString sessionInterface = QStringLiteral("org.freedesktop.portal.Session");

constexpr int offerTimeoutMs = 3000;
constexpr uint responseSuccess = 0;
constexpr uint responseCancelled = 1;

QString idOf(ShortcutService::Action action)
{
    switch (action) {
    case ShortcutService::Action::listening:
        return QStringLiteral("listening");
    case ShortcutService::Action::overlay:
        return QStringLiteral("overlay");
    case ShortcutService::Action::recording:
        return QStringLiteral("recording");
    }
    return {};
}

QString descriptionOf(ShortcutService::Action action)
{
    switch (action) {
    case ShortcutService::Action::listening:
        return PortalShortcuts::tr("Start or stop listening");
    case ShortcutService::Action::overlay:
        return PortalShortcuts::tr("Show or hide the overlay");
    case ShortcutService::Action::recording:
        return PortalShortcuts::tr("Start or stop recording");
    }
    return {};
}

// The portal names a request or session after the caller's unique name,
// ":1.42" as "1_42", so that the path is known before the call is made.
QString senderPart(const QDBusConnection& bus)
{
    QString name = bus.baseService();
    if (name.startsWith(QLatin1Char(':')))
        name.remove(0, 1);
    return name.replace(QLatin1Char('.'), QLatin1Char('_'));
}

} // namespace

QDBusArgument& operator<<(QDBusArgument& argument, const PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, PortalShortcut& shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

PortalShortcuts::PortalShortcuts(const QDBusConnection& bus, QObject* parent)
    : ShortcutService(parent)
    , m_bus(bus)
{
    qDBusRegisterMetaType<PortalShortcut>();
    qDBusRegisterMetaType<QList<PortalShortcut>>();
    // QtDBus looks the slot's parameter types up by name, which only finds
    // types registered by then.
    qRegisterMetaType<QDBusObjectPath>();
    if (!m_bus.connect(portalService, desktopPath, shortcutsInterface, QStringLiteral("Activated"), this,
            SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap, QDBusMessage))))
        qCWarning(lcShortcuts, "Cannot listen to the desktop portal's shortcuts");
}

PortalShortcuts::~PortalShortcuts()
{
    closeSession();
    for (const QString& path : m_requests.keys())
        forget(path);
    m_bus.disconnect(portalService, desktopPath, shortcutsInterface, QStringLiteral("Activated"), this,
        SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap, QDBusMessage)));
}

bool PortalShortcuts::isOffered(const QDBusConnection& bus)
{
    if (!bus.isConnected())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        portalService, desktopPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << shortcutsInterface << QStringLiteral("version");
    const QDBusMessage reply = bus.call(get, QDBus::Block, offerTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        qCInfo(lcShortcuts, "No desktop portal for global shortcuts: %s", qUtf8Printable(reply.errorMessage()));
        return false;
    }
    return reply.arguments().constFirst().value<QDBusVariant>().variant().toUInt() >= 1;
}

QString PortalShortcuts::triggerOf(QKeyCombination combination)
{
    const std::optional<GlobalKey> key = globalKeyOf(combination);
    if (!key)
        return {};
    QStringList parts;
    if (key->modifiers & Qt::ControlModifier)
        parts << QStringLiteral("CTRL");
    if (key->modifiers & Qt::AltModifier)
        parts << QStringLiteral("ALT");
    if (key->modifiers & Qt::ShiftModifier)
        parts << QStringLiteral("SHIFT");
    if (key->modifiers & Qt::MetaModifier)
        parts << QStringLiteral("LOGO");
    if (key->function > 0)
        parts << QStringLiteral("F%1").arg(key->function);
    else if (key->character == u' ')
        parts << QStringLiteral("space");
    else
        parts << QString(QChar(key->character));
    return parts.join(QLatin1Char('+'));
}

QString PortalShortcuts::setShortcut(Action action, const QKeySequence& sequence)
{
    m_wanted.at(size_t(action)) = sequence;
    // The three settings arrive together at start: one bind, one dialog.
    if (!m_bindQueued) {
        m_bindQueued = true;
        QMetaObject::invokeMethod(this, &PortalShortcuts::bind, Qt::QueuedConnection);
    }
    if (!sequence.isEmpty() && triggerOf(sequence[0]).isEmpty()) {
        return report(action, tr("%1 cannot be a global shortcut").arg(sequence.toString(QKeySequence::NativeText)));
    }
    // What the desktop makes of it comes with its answer.
    return report(action, {});
}

void PortalShortcuts::bind()
{
    m_bindQueued = false;
    ++m_generation;
    closeSession();
    m_sent = {};
    m_bound = {};
    bool any = false;
    for (const Action action : actions) {
        const QKeySequence& wanted = m_wanted.at(size_t(action));
        if (!wanted.isEmpty() && !triggerOf(wanted[0]).isEmpty())
            any = m_sent.at(size_t(action)) = true;
    }
    if (!any)
        return;
    const QString sessionToken = QStringLiteral("tolvaran%1").arg(++m_tokens);
    request(QStringLiteral("CreateSession"), {}, {{QStringLiteral("session_handle_token"), sessionToken}},
        [this, generation = m_generation](uint response, const QVariantMap& results) {
            const QVariant handle = results.value(QStringLiteral("session_handle"));
            // Older portals give the handle as a string, newer ones as an object path.
            const QString session
                = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path() : handle.toString();
            if (generation != m_generation) {
                if (response == responseSuccess && !session.isEmpty()) {
                    m_bus.asyncCall(QDBusMessage::createMethodCall(
                        portalService, session, sessionInterface, QStringLiteral("Close")));
                }
                return;
            }
            if (response != responseSuccess || session.isEmpty()) {
                qCWarning(lcShortcuts, "The desktop portal made no shortcuts session (response %u)", response);
                fail(tr("The desktop could not set %1"));
                return;
            }
            m_session = session;
            m_bus.connect(portalService, m_session, sessionInterface, QStringLiteral("Closed"), this,
                SLOT(onSessionClosed(QVariantMap, QDBusMessage)));
            bindIn(session);
        });
}

void PortalShortcuts::bindIn(const QString& session)
{
    QList<PortalShortcut> shortcuts;
    for (const Action action : actions) {
        if (!m_sent.at(size_t(action)))
            continue;
        shortcuts << PortalShortcut{idOf(action),
            {{QStringLiteral("description"), descriptionOf(action)},
                {QStringLiteral("preferred_trigger"), triggerOf(m_wanted.at(size_t(action))[0])}}};
    }
    request(QStringLiteral("BindShortcuts"),
        {QVariant::fromValue(QDBusObjectPath(session)), QVariant::fromValue(shortcuts), QString()}, {},
        [this, generation = m_generation](uint response, const QVariantMap& results) {
            if (generation != m_generation)
                return;
            if (response != responseSuccess) {
                qCWarning(lcShortcuts, "The desktop portal bound no shortcuts (response %u)", response);
                fail(response == responseCancelled ? tr("%1 was not confirmed in the desktop's dialog")
                                                   : tr("The desktop could not set %1"));
                return;
            }
            const auto bound = qdbus_cast<QList<PortalShortcut>>(results.value(QStringLiteral("shortcuts")));
            for (const Action action : actions) {
                if (!m_sent.at(size_t(action)))
                    continue;
                const QString text = m_wanted.at(size_t(action)).toString(QKeySequence::NativeText);
                const auto found = std::find_if(bound.cbegin(), bound.cend(),
                    [&](const PortalShortcut& shortcut) { return shortcut.id == idOf(action); });
                if (found == bound.cend()) {
                    report(action, tr("The desktop did not set %1").arg(text));
                    continue;
                }
                m_bound.at(size_t(action)) = true;
                qCInfo(lcShortcuts, "Global shortcut %s set by the desktop as %s", qUtf8Printable(text),
                    qUtf8Printable(found->properties.value(QStringLiteral("trigger_description")).toString()));
                report(action, {});
            }
        });
}

void PortalShortcuts::request(const QString& method, QVariantList arguments, QVariantMap options, Reply reply)
{
    const QString token = QStringLiteral("tolvaran%1").arg(++m_tokens);
    options.insert(QStringLiteral("handle_token"), token);
    // Listening before the call: the answer may come before the call returns.
    const QString expected = QStringLiteral("%1/request/%2/%3").arg(desktopPath, senderPart(m_bus), token);
    listen(expected, reply);
    arguments << options;
    QDBusMessage call = QDBusMessage::createMethodCall(portalService, desktopPath, shortcutsInterface, method);
    call.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, expected, method] {
        watcher->deleteLater();
        const QDBusPendingReply<QDBusObjectPath> answer = *watcher;
        if (!m_requests.contains(expected))
            return;
        if (answer.isError()) {
            qCWarning(lcShortcuts, "The desktop portal's %s failed: %s", qUtf8Printable(method),
                qUtf8Printable(answer.error().message()));
            const Reply failed = m_requests.value(expected);
            forget(expected);
            failed(2, {});
            return;
        }
        // A portal that chose a request path of its own answers there.
        const QString path = answer.value().path();
        if (path != expected) {
            const Reply moved = m_requests.value(expected);
            forget(expected);
            listen(path, moved);
        }
    });
}

void PortalShortcuts::listen(const QString& requestPath, Reply reply)
{
    m_requests.insert(requestPath, std::move(reply));
    m_bus.connect(portalService, requestPath, requestInterface, QStringLiteral("Response"), this,
        SLOT(onResponse(uint, QVariantMap, QDBusMessage)));
}

void PortalShortcuts::forget(const QString& requestPath)
{
    m_requests.remove(requestPath);
    m_bus.disconnect(portalService, requestPath, requestInterface, QStringLiteral("Response"), this,
        SLOT(onResponse(uint, QVariantMap, QDBusMessage)));
}

void PortalShortcuts::onResponse(uint response, const QVariantMap& results, const QDBusMessage& message)
{
    const QString path = message.path();
    if (!m_requests.contains(path))
        return;
    const Reply reply = m_requests.value(path);
    forget(path);
    reply(response, results);
}

void PortalShortcuts::onActivated(
    const QDBusObjectPath& session, const QString& id, qulonglong, const QVariantMap&, const QDBusMessage&)
{
    if (m_session.isEmpty() || session.path() != m_session)
        return;
    for (const Action action : actions) {
        if (m_bound.at(size_t(action)) && idOf(action) == id) {
            emit activated(action);
            return;
        }
    }
}

void PortalShortcuts::onSessionClosed(const QVariantMap&, const QDBusMessage& message)
{
    if (message.path() != m_session)
        return;
    qCWarning(lcShortcuts, "The desktop portal closed the shortcuts session");
    m_bus.disconnect(portalService, m_session, sessionInterface, QStringLiteral("Closed"), this,
        SLOT(onSessionClosed(QVariantMap, QDBusMessage)));
    m_session.clear();
    m_bound = {};
    fail(tr("The desktop no longer passes on %1"));
}

void PortalShortcuts::closeSession()
{
    if (m_session.isEmpty())
        return;
    m_bus.disconnect(portalService, m_session, sessionInterface, QStringLiteral("Closed"), this,
        SLOT(onSessionClosed(QVariantMap, QDBusMessage)));
    m_bus.asyncCall(
        QDBusMessage::createMethodCall(portalService, m_session, sessionInterface, QStringLiteral("Close")));
    m_session.clear();
}

void PortalShortcuts::fail(const QString& problemFormat)
{
    for (const Action action : actions) {
        if (m_sent.at(size_t(action)))
            report(action, problemFormat.arg(m_wanted.at(size_t(action)).toString(QKeySequence::NativeText)));
    }
}

} // namespace tolvaran
