#pragma once

#include "ShortcutService.h"

#include <QAbstractNativeEventFilter>
#include <QKeySequence>
#include <QString>

#include <array>
#include <optional>

struct xcb_connection_t;

namespace tolvaran {

// Global shortcuts grabbed on the X root window (the program runs on X11, or XWayland on Wayland sessions).
// A combination that another program grabbed first is taken: the grab fails
// and says so, instead of never firing. Main thread; the key presses arrive
// through the application's native event filter.
class GlobalShortcuts : public ShortcutService, public QAbstractNativeEventFilter
{
    Q_OBJECT

public:
    // An X keysym and modifier mask.
    struct XKey
    {
        quint32 keysym = 0;
        quint16 modifiers = 0;
    };

    // On the application's own X connection; does nothing without one.
    explicit GlobalShortcuts(QObject* parent = nullptr);
    ~GlobalShortcuts() override;

    GlobalShortcuts(const GlobalShortcuts&) = delete;
    GlobalShortcuts& operator=(const GlobalShortcuts&) = delete;

    bool isAvailable() const { return m_connection != nullptr; }

    // Grabs the sequence's first combination for the action, in place of
    // the one before; an empty sequence is none. Gives what is wrong
    // (problem), empty when it is grabbed or none is wanted.
    QString setShortcut(Action action, const QKeySequence& sequence) override;

    // Letters, digits, F1 to F12 and Space, with Ctrl, Alt, Shift and Meta.
    static std::optional<XKey> xKeyOf(QKeyCombination combination);

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct Grab
    {
        quint8 keycode = 0;
        quint16 modifiers = 0;
    };

    quint8 keycodeOf(quint32 keysym) const;
    void ungrab(Grab& grab);

    xcb_connection_t* m_connection = nullptr;
    quint32 m_root = 0;
    std::array<Grab, 3> m_grabs;
};

} // namespace tolvaran
