#pragma once

#include <QDBusConnection>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace tolvaran::test {

// A program as a screen reader sees it: its windows and controls on the
// accessibility bus (AT-SPI), with their roles, names, places and states.
// Qt puts a program there when QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 and a
// session bus runs (at-spi2-core starts the accessibility bus on demand).
class AtSpi
{
public:
    struct Node
    {
        QString service;
        QString path;
    };

    // Connects to the accessibility bus of the session bus in the environment.
    bool connect();

    QString error() const { return m_error; }

    // The root of the process with this id, once it is on the bus.
    std::optional<Node> applicationOf(qint64 pid);

    QList<Node> children(const Node& node);
    QString name(const Node& node);
    // Such as "frame", "push button", "label".
    QString role(const Node& node);
    // On the screen, in pixels.
    QRect extents(const Node& node);
    bool isShowing(const Node& node);
    // A slider's or a progress bar's value.
    double value(const Node& node);
    bool isChecked(const Node& node);

    // The first node below root, depth first, that is on screen and matches.
    // Hidden parts of the tree are not entered.
    std::optional<Node> find(const Node& root, const std::function<bool(const Node&)>& matches);
    std::optional<Node> findNamed(const Node& root, const QString& name);
    std::optional<Node> findRole(const Node& root, const QString& role);
    // The program's top-level window with this title, while on screen.
    std::optional<Node> window(const Node& application, const QString& title);
    // The on-screen window holding a node with this name.
    std::optional<Node> windowHolding(const Node& application, const QString& name);
    // The names of everything on screen below root, for failure messages.
    QStringList names(const Node& root);

private:
    QList<uint> states(const Node& node);

    QDBusConnection m_bus{QString()};
    QString m_error;
};

} // namespace tolvaran::test
