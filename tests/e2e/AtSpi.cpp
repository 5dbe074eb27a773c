#include "AtSpi.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>

namespace tolvaran::test {
namespace {

const QString accessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");
const QString rootPath = QStringLiteral("/org/a11y/atspi/accessible/root");
// AT-SPI's state numbers (AtspiStateType).
constexpr uint stateChecked = 4;
constexpr uint stateShowing = 25;
constexpr uint stateVisible = 30;
// A program that hangs must fail the test, not stall it.
constexpr int callTimeout = 5000;

} // namespace

bool AtSpi::connect()
{
    QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    const QDBusReply<QString> address = QDBusConnection::sessionBus().call(ask, QDBus::Block, callTimeout);
    if (!address.isValid()) {
        m_error = QStringLiteral("no accessibility bus: ") + address.error().message();
        return false;
    }
    m_bus = QDBusConnection::connectToBus(address.value(), QStringLiteral("tolvaran-acceptance-a11y"));
    if (!m_bus.isConnected()) {
        m_error = QStringLiteral("cannot connect to the accessibility bus at ") + address.value();
        return false;
    }
    return true;
}

std::optional<AtSpi::Node> AtSpi::applicationOf(qint64 pid)
{
    QDBusConnectionInterface* bus = m_bus.interface();
    if (!bus)
        return std::nullopt;
    for (const QString& service : bus->registeredServiceNames().value()) {
        if (!service.startsWith(':'))
            continue;
        const QDBusReply<uint> owner = bus->servicePid(service);
        if (owner.isValid() && qint64(owner.value()) == pid)
            return Node{service, rootPath};
    }
    return std::nullopt;
}

QList<AtSpi::Node> AtSpi::children(const Node& node)
{
    QList<Node> found;
    const QDBusMessage reply = m_bus.call(
        QDBusMessage::createMethodCall(node.service, node.path, accessibleInterface, QStringLiteral("GetChildren")),
        QDBus::Block, callTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return found;
    // a(so): each child's bus name and object path.
    const auto list = reply.arguments().first().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString service;
        QDBusObjectPath path;
        list.beginStructure();
        list >> service >> path;
        list.endStructure();
        found.append(Node{service, path.path()});
    }
    list.endArray();
    return found;
}

QString AtSpi::name(const Node& node)
{
    const QDBusMessage reply = m_bus.call(QDBusMessage::createMethodCall(node.service, node.path,
                                              QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"))
            << accessibleInterface << QStringLiteral("Name"),
        QDBus::Block, callTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().first().value<QDBusVariant>().variant().toString();
}

double AtSpi::value(const Node& node)
{
    const QDBusMessage reply = m_bus.call(QDBusMessage::createMethodCall(node.service, node.path,
                                              QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"))
            << QStringLiteral("org.a11y.atspi.Value") << QStringLiteral("CurrentValue"),
        QDBus::Block, callTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return -1;
    return reply.arguments().first().value<QDBusVariant>().variant().toDouble();
}

QString AtSpi::role(const Node& node)
{
    const QDBusReply<QString> reply = m_bus.call(
        QDBusMessage::createMethodCall(node.service, node.path, accessibleInterface, QStringLiteral("GetRoleName")),
        QDBus::Block, callTimeout);
    return reply.isValid() ? reply.value() : QString();
}

QRect AtSpi::extents(const Node& node)
{
    // 0: in screen coordinates.
    const QDBusMessage reply = m_bus.call(QDBusMessage::createMethodCall(node.service, node.path,
                                              QStringLiteral("org.a11y.atspi.Component"), QStringLiteral("GetExtents"))
            << uint(0),
        QDBus::Block, callTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const auto box = reply.arguments().first().value<QDBusArgument>();
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    box.beginStructure();
    box >> x >> y >> width >> height;
    box.endStructure();
    return {x, y, width, height};
}

QList<uint> AtSpi::states(const Node& node)
{
    const QDBusMessage reply = m_bus.call(
        QDBusMessage::createMethodCall(node.service, node.path, accessibleInterface, QStringLiteral("GetState")),
        QDBus::Block, callTimeout);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    QList<uint> words;
    const auto list = reply.arguments().first().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        uint word = 0;
        list >> word;
        words.append(word);
    }
    list.endArray();
    return words;
}

namespace {

bool hasState(const QList<uint>& words, uint state)
{
    const auto word = qsizetype(state / 32);
    return word < words.size() && (words.at(word) & (1u << (state % 32))) != 0;
}

} // namespace

bool AtSpi::isShowing(const Node& node)
{
    const QList<uint> words = states(node);
    return hasState(words, stateShowing) && hasState(words, stateVisible);
}

bool AtSpi::isChecked(const Node& node)
{
    return hasState(states(node), stateChecked);
}

std::optional<AtSpi::Node> AtSpi::find(const Node& root, const std::function<bool(const Node&)>& matches)
{
    QList<Node> pending = children(root);
    while (!pending.isEmpty()) {
        const Node node = pending.takeFirst();
        if (!isShowing(node))
            continue;
        if (matches(node))
            return node;
        pending = children(node) + pending;
    }
    return std::nullopt;
}

std::optional<AtSpi::Node> AtSpi::findNamed(const Node& root, const QString& wanted)
{
    return find(root, [&](const Node& node) { return name(node) == wanted; });
}

std::optional<AtSpi::Node> AtSpi::findRole(const Node& root, const QString& wanted)
{
    return find(root, [&](const Node& node) { return role(node) == wanted; });
}

std::optional<AtSpi::Node> AtSpi::window(const Node& application, const QString& title)
{
    for (const Node& node : children(application))
        if (name(node) == title && isShowing(node))
            return node;
    return std::nullopt;
}

std::optional<AtSpi::Node> AtSpi::windowHolding(const Node& application, const QString& wanted)
{
    for (const Node& node : children(application))
        if (isShowing(node) && findNamed(node, wanted))
            return node;
    return std::nullopt;
}

QStringList AtSpi::names(const Node& root)
{
    QStringList all;
    find(root, [&](const Node& node) {
        const QString text = name(node);
        if (!text.isEmpty())
            all.append(role(node) + QStringLiteral(" '") + text + QLatin1Char('\''));
        return false;
    });
    return all;
}

} // namespace tolvaran::test
