#pragma once

#include <QDBusConnection>
#include <QKeySequence>
#include <QObject>
#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace tolvaran {

// Key combinations that act while any program has the focus, whoever takes
// them from the desktop: the X server's key grabs, or the desktop portal.
// Each action has at most one combination, and a problem that says why it
// does not work (empty when it does or none is wanted). Main thread.
class ShortcutService : public QObject
{
    Q_OBJECT

public:
    enum class Action { listening, overlay, recording };
    Q_ENUM(Action)

    static constexpr std::array<Action, 3> actions{Action::listening, Action::overlay, Action::recording};

    using QObject::QObject;

    // Takes the sequence's first combination for the action, in place of the
    // one before; an empty sequence is none. Gives the problem as far as it
    // is known now; one found later comes with problemChanged.
    virtual QString setShortcut(Action action, const QKeySequence& sequence) = 0;

    QString problem(Action action) const { return m_problems.at(size_t(action)); }

    // A key a global shortcut may use: a letter or digit (its lower-case
    // character), F1 to F12 (function 1 to 12) or Space (' '), with Ctrl,
    // Alt, Shift and Meta only. Both ways of taking shortcuts name these.
    struct GlobalKey
    {
        char16_t character = 0;
        int function = 0;
        Qt::KeyboardModifiers modifiers;
    };

    static std::optional<GlobalKey> globalKeyOf(QKeyCombination combination);

signals:
    void activated(tolvaran::ShortcutService::Action action);
    void problemChanged(tolvaran::ShortcutService::Action action);

protected:
    // Keeps the action's problem, says when it changed, and gives it back.
    QString report(Action action, const QString& problem);

private:
    std::array<QString, 3> m_problems;
};

// The desktop portal's shortcuts where the desktop offers them on the bus,
// otherwise grabs on the X root window.
std::unique_ptr<ShortcutService> chooseShortcutService(const QDBusConnection& bus);

} // namespace tolvaran
