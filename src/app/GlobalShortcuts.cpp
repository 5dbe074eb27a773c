#include "GlobalShortcuts.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

Q_LOGGING_CATEGORY(lcShortcuts, "com.tolvaran.app.Shortcuts")

namespace tolvaran {

namespace {

// Caps Lock and Num Lock (Mod2 on every common layout) must not stop a
// shortcut: each combination is grabbed with and without them.
constexpr quint16 lockMasks[] = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2, XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr quint16 ignoredMasks = XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2;
constexpr quint8 badAccess = 10;

struct FreeDeleter
{
    void operator()(void* pointer) const { std::free(pointer); }
};

} // namespace

GlobalShortcuts::GlobalShortcuts(QObject* parent)
    : ShortcutService(parent)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || !x11->connection())
        return;
    m_connection = x11->connection();
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    if (!screens.data) {
        m_connection = nullptr;
        return;
    }
    m_root = screens.data->root;
    qGuiApp->installNativeEventFilter(this);
}

GlobalShortcuts::~GlobalShortcuts()
{
    if (!m_connection)
        return;
    for (Grab& grab : m_grabs)
        ungrab(grab);
    xcb_flush(m_connection);
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

std::optional<GlobalShortcuts::XKey> GlobalShortcuts::xKeyOf(QKeyCombination combination)
{
    const std::optional<GlobalKey> key = globalKeyOf(combination);
    if (!key)
        return std::nullopt;
    // Letters, digits and space are their own keysyms; XK_F1 is 0xffbe.
    XKey xKey;
    xKey.keysym = key->function > 0 ? 0xffbe + quint32(key->function - 1) : quint32(key->character);
    if (key->modifiers & Qt::ControlModifier)
        xKey.modifiers |= XCB_MOD_MASK_CONTROL;
    if (key->modifiers & Qt::AltModifier)
        xKey.modifiers |= XCB_MOD_MASK_1;
    if (key->modifiers & Qt::ShiftModifier)
        xKey.modifiers |= XCB_MOD_MASK_SHIFT;
    if (key->modifiers & Qt::MetaModifier)
        xKey.modifiers |= XCB_MOD_MASK_4;
    return xKey;
}

quint8 GlobalShortcuts::keycodeOf(quint32 keysym) const
{
    const xcb_setup_t* setup = xcb_get_setup(m_connection);
    const quint8 first = setup->min_keycode;
    const int count = setup->max_keycode - first + 1;
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, FreeDeleter> mapping(xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, first, quint8(count)), nullptr));
    if (!mapping || mapping->keysyms_per_keycode == 0)
        return 0;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKeycode = mapping->keysyms_per_keycode;
    for (int i = 0; i < count; ++i) {
        if (keysyms[i * perKeycode] == keysym)
            return quint8(first + i);
    }
    return 0;
}

QString GlobalShortcuts::setShortcut(Action action, const QKeySequence& sequence)
{
    Grab& grab = m_grabs.at(size_t(action));
    if (m_connection)
        ungrab(grab);
    if (sequence.isEmpty())
        return report(action, {});
    const QString text = sequence.toString(QKeySequence::NativeText);
    if (!m_connection)
        return report(action, tr("Global shortcuts need an X11 or XWayland session"));
    const std::optional<XKey> xKey = xKeyOf(sequence[0]);
    const quint8 keycode = xKey ? keycodeOf(xKey->keysym) : 0;
    if (keycode == 0)
        return report(action, tr("%1 cannot be a global shortcut").arg(text));

    for (size_t i = 0; i < std::size(lockMasks); ++i) {
        const xcb_void_cookie_t cookie = xcb_grab_key_checked(
            m_connection, 1, m_root, xKey->modifiers | lockMasks[i], keycode, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        std::unique_ptr<xcb_generic_error_t, FreeDeleter> error(xcb_request_check(m_connection, cookie));
        if (!error)
            continue;
        // What was grabbed of it goes again: a shortcut works whole or not at all.
        for (size_t done = 0; done < i; ++done)
            xcb_ungrab_key(m_connection, keycode, m_root, xKey->modifiers | lockMasks[done]);
        xcb_flush(m_connection);
        qCWarning(lcShortcuts, "Cannot grab %s: X error %d", qUtf8Printable(text), int(error->error_code));
        return report(action,
            error->error_code == badAccess ? tr("%1 is taken by another program").arg(text)
                                           : tr("%1 cannot be a global shortcut").arg(text));
    }
    grab.keycode = keycode;
    grab.modifiers = xKey->modifiers;
    qCInfo(lcShortcuts, "Global shortcut %s grabbed", qUtf8Printable(text));
    return report(action, {});
}

void GlobalShortcuts::ungrab(Grab& grab)
{
    if (grab.keycode == 0)
        return;
    for (const quint16 locks : lockMasks)
        xcb_ungrab_key(m_connection, grab.keycode, m_root, grab.modifiers | locks);
    xcb_flush(m_connection);
    grab.keycode = 0;
}

bool GlobalShortcuts::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    if (press->event != m_root)
        return false;
    const quint16 modifiers = press->state & ~ignoredMasks & 0xff;
    for (size_t i = 0; i < m_grabs.size(); ++i) {
        if (m_grabs[i].keycode != 0 && m_grabs[i].keycode == press->detail && m_grabs[i].modifiers == modifiers) {
            emit activated(Action(i));
            return true;
        }
    }
    return false;
}

} // namespace tolvaran
