#include "../core/live/ViewModelFixture.h"
#include "GlobalShortcuts.h"
#include "ShortcutBindings.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

using namespace tolvaran;
using Action = GlobalShortcuts::Action;

namespace {

constexpr xcb_keysym_t controlKey = 0xffe3;
constexpr xcb_keysym_t altKey = 0xffe9;

// Another program on the same display: a window of its own that has the
// focus, a keyboard whose keys arrive as real input (XTEST), and grabs of
// its own.
class OtherProgram
{
public:
    OtherProgram()
        : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
        m_root = screen->root;
        m_window = xcb_generate_id(m_connection);
        xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, m_root, 0, 0, 300, 200, 0,
            XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_map_window(m_connection, m_window);
        xcb_flush(m_connection);
    }

    ~OtherProgram() { xcb_disconnect(m_connection); }

    bool isOpen() const { return !xcb_connection_has_error(m_connection); }

    // Takes the focus, and tells whether the server gave it.
    bool focus()
    {
        xcb_set_input_focus(m_connection, XCB_INPUT_FOCUS_POINTER_ROOT, m_window, XCB_CURRENT_TIME);
        std::unique_ptr<xcb_get_input_focus_reply_t, decltype(&std::free)> reply(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr), &std::free);
        return reply && reply->focus == m_window;
    }

    // Presses the keys in order and lets them go in reverse.
    void press(const QList<xcb_keysym_t>& keys)
    {
        for (const xcb_keysym_t key : keys)
            xcb_test_fake_input(m_connection, XCB_KEY_PRESS, keycodeOf(key), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        for (auto key = keys.crbegin(); key != keys.crend(); ++key)
            xcb_test_fake_input(m_connection, XCB_KEY_RELEASE, keycodeOf(*key), XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
        xcb_flush(m_connection);
    }

    bool grab(xcb_keysym_t key, quint16 modifiers)
    {
        const auto cookie = xcb_grab_key_checked(
            m_connection, 1, m_root, modifiers, keycodeOf(key), XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
        std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(m_connection, cookie), &std::free);
        return !error;
    }

private:
    xcb_keycode_t keycodeOf(xcb_keysym_t keysym) const
    {
        const xcb_setup_t* setup = xcb_get_setup(m_connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> mapping(
            xcb_get_keyboard_mapping_reply(
                m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, quint8(count)), nullptr),
            &std::free);
        const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping.get());
        for (int i = 0; i < count; ++i) {
            if (keysyms[i * mapping->keysyms_per_keycode] == keysym)
                return xcb_keycode_t(setup->min_keycode + i);
        }
        return 0;
    }

    xcb_connection_t* m_connection;
    xcb_window_t m_root = 0;
    xcb_window_t m_window = 0;
};

} // namespace

// The global shortcuts on a private X display (scripts/with-x-session).
class TestGlobalShortcuts : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("Needs an X display (run through ctest, which gives one)");
    }

    // The user is in the call's window and presses Ctrl+Alt+L, and later
    // again: listening starts, then stops.
    void startsAndStopsListeningFromAnotherWindow()
    {
        test::ViewModelFixture fixture;
        GlobalShortcuts shortcuts;
        QVERIFY(shortcuts.isAvailable());
        ShortcutBindings bindings(shortcuts, *fixture.settings, *fixture.viewModel);
        for (const Action action : {Action::listening, Action::overlay, Action::recording})
            QCOMPARE(shortcuts.problem(action), QString());
        OtherProgram call;
        QVERIFY(call.isOpen());
        QTRY_VERIFY(call.focus());

        call.press({controlKey, altKey, 'l'});
        QTRY_VERIFY_WITH_TIMEOUT(fixture.viewModel->isListening(), 5000);
        QVERIFY(fixture.viewModel->isOverlayVisible());
        call.press({controlKey, altKey, 'o'});
        QTRY_VERIFY(!fixture.viewModel->isOverlayVisible());
        call.press({controlKey, altKey, 'r'});
        QTRY_VERIFY(fixture.viewModel->isRecording());
        call.press({controlKey, altKey, 'r'});
        QTRY_VERIFY(!fixture.viewModel->isRecording());
        // Another letter does nothing.
        call.press({controlKey, altKey, 'k'});
        call.press({controlKey, altKey, 'l'});
        QTRY_COMPARE_WITH_TIMEOUT(fixture.viewModel->state().kind(), ConnectionState::Kind::disconnected, 5000);
        QVERIFY(!fixture.viewModel->isOverlayVisible());

        // Another combination, chosen in the settings, takes over at once.
        fixture.settings->setListeningShortcut("Ctrl+Shift+F9");
        call.press({controlKey, altKey, 'l'});
        call.press({controlKey, 0xffe1, 0xffc6});
        QTRY_VERIFY_WITH_TIMEOUT(fixture.viewModel->isListening(), 5000);
        QCOMPARE(fixture.server.connections().size(), 2);
    }

    // What the settings window shows beside each shortcut.
    void problems_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<bool>("grabbedElsewhere");
        QTest::addColumn<QString>("problem");
        QTest::newRow("free") << "Ctrl+Alt+O" << false << QString();
        QTest::newRow("grabbed by another program") << "Ctrl+Alt+O" << true << "Ctrl+Alt+O is taken by another program";
        QTest::newRow("none") << QString() << true << QString();
        QTest::newRow("an arrow") << "Ctrl+Alt+Left" << false << "Ctrl+Alt+Left cannot be a global shortcut";
    }

    void problems()
    {
        QFETCH(QString, sequence);
        QFETCH(bool, grabbedElsewhere);
        QFETCH(QString, problem);
        OtherProgram other;
        if (grabbedElsewhere)
            QVERIFY(other.grab('o', XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1));
        GlobalShortcuts shortcuts;
        QSignalSpy changes(&shortcuts, &GlobalShortcuts::problemChanged);
        QCOMPARE(shortcuts.setShortcut(Action::overlay, QKeySequence(sequence)), problem);
        QCOMPARE(shortcuts.problem(Action::overlay), problem);
        QCOMPARE(changes.size(), problem.isEmpty() ? 0 : 1);
    }
};

QTEST_MAIN(TestGlobalShortcuts)
#include "tst_GlobalShortcuts.moc"
