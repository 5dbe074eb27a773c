#include "../../core/live/ViewModelFixture.h"
#include "AppCoordinator.h"
#include "OverlayGeometry.h"
#include "QuickTestItems.h"
#include "UiEngine.h"
#include "subtitles/SubtitlesWindowManager.h"

#include <QCoroTask>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QQmlEngine>
#include <QQuickItem>
#include <QRasterWindow>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QtGui/qguiapplication_platform.h>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <cstdio>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

using test::PreparedEngine;

using test::findNamed;

// The text a caption line shows, or nothing when it is hidden.
QString caption(QQuickWindow* panel, const char* line)
{
    QQuickItem* item = panel ? findNamed(panel->contentItem(), QString::fromLatin1(line)) : nullptr;
    return item && item->isVisible() ? item->property("text").toString() : QString();
}

QRect expectedFrame(double bottomOffset)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect visible = screen->availableGeometry();
    return {visible.x(), visible.bottom() + 1 - int(bottomOffset) - 150, visible.width(), 150};
}

// A speaker 1 line, finished.
QString finished(const QString& original, const QString& translation)
{
    return QStringLiteral(
        R"({"type":"result","original":"%1","translation":"%2","tokens":[{"text":"%1","is_final":true,"speaker":"1","language":"de"}]})")
        .arg(original, translation);
}

// Counts the presses that reach it.
class PressCounter : public QRasterWindow
{
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }

    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(QRect(QPoint(), size()), Qt::darkCyan); }
};

// A real click of the first button at a point of the X screen.
bool clickAt(const QPoint& point)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return false;
    xcb_connection_t* connection = x11->connection();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_test_fake_input(
        connection, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root, qint16(point.x()), qint16(point.y()), 0);
    xcb_test_fake_input(connection, XCB_BUTTON_PRESS, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(connection, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(connection);
    return true;
}

// The window's _NET_WM_DESKTOP on the X server, or -1 when it has none.
qint64 desktopOf(QWindow& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    constexpr char name[] = "_NET_WM_DESKTOP";
    xcb_intern_atom_reply_t* atom
        = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof(name) - 1, name), nullptr);
    if (!atom)
        return -1;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection,
        xcb_get_property(connection, 0, xcb_window_t(window.winId()), atom->atom, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    qint64 desktop = -1;
    if (reply && xcb_get_property_value_length(reply) == 4)
        desktop = *static_cast<const quint32*>(xcb_get_property_value(reply));
    free(reply);
    free(atom);
    return desktop;
}

// Run in a child on a private X server: the subtitles ask for every
// workspace, and a click on them reaches the window below, while the same
// click on an ordinary window stops there.
int clickThroughProbe()
{
    PressCounter below;
    below.setGeometry(QGuiApplication::primaryScreen()->geometry());
    below.show();
    if (!QTest::qWaitForWindowExposed(&below))
        return 2;

    test::ViewModelFixture fixture;
    PreparedEngine engine;
    SubtitlesWindowManager windows(engine);
    windows.show(*fixture.viewModel, *fixture.settings);
    QQuickWindow* panel = windows.panel();
    if (!panel || !QTest::qWaitForWindowExposed(panel))
        return 3;
    if (desktopOf(*panel) != 0xFFFFFFFF) {
        std::fprintf(stderr, "_NET_WM_DESKTOP: %lld\n", desktopOf(*panel));
        return 7;
    }
    int panelPresses = 0;

    struct Counter : QObject
    {
        int& count;

        explicit Counter(int& c)
            : count(c)
        { }

        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::MouseButtonPress)
                ++count;
            return false;
        }
    } counter(panelPresses);

    panel->installEventFilter(&counter);
    const QPoint point = panel->geometry().center();

    // The control: an ordinary window over the same place takes the click.
    PressCounter blocker;
    blocker.setFlags(Qt::Tool | Qt::FramelessWindowHint);
    blocker.setGeometry(panel->geometry());
    blocker.show();
    if (!QTest::qWaitForWindowExposed(&blocker) || !clickAt(point))
        return 4;
    if (!QTest::qWaitFor([&] { return blocker.presses == 1; }) || below.presses != 0) {
        std::fprintf(stderr, "control click: blocker %d, below %d\n", blocker.presses, below.presses);
        return 5;
    }
    blocker.hide();

    clickAt(point);
    if (!QTest::qWaitFor([&] { return below.presses == 1; }) || panelPresses != 0) {
        std::fprintf(stderr, "click on the subtitles: below %d, subtitles %d\n", below.presses, panelPresses);
        return 6;
    }
    std::puts("passed through");
    return 0;
}

// A view model listening (or in a room) to a test server, with the
// program's coordinator that shows the subtitles.
struct ListeningSubtitles
{
    test::ViewModelFixture fixture;
    PreparedEngine engine;
    AppCoordinator coordinator{*fixture.services, *fixture.viewModel, engine};

    SubtitlesWindowManager& windows() { return coordinator.subtitlesManager(); }

    QQuickWindow* panel() { return windows().panel(); }
};

} // namespace

class TestSubtitlesWindows : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

    void panelIsATransparentClickThroughStripAtTheBottom()
    {
        test::ViewModelFixture fixture;
        PreparedEngine engine;
        SubtitlesWindowManager windows(engine);
        QVERIFY(!windows.panel());
        windows.hide(); // nothing to hide yet

        windows.show(*fixture.viewModel, *fixture.settings);
        QQuickWindow* panel = windows.panel();
        QVERIFY(panel);
        QVERIFY(QTest::qWaitForWindowExposed(panel));
        QCOMPARE(panel->geometry(), expectedFrame(10));
        for (const Qt::WindowType flag : {Qt::WindowTransparentForInput, Qt::WindowStaysOnTopHint,
                 Qt::WindowDoesNotAcceptFocus, Qt::FramelessWindowHint, Qt::Tool})
            QVERIFY2(panel->flags().testFlag(flag), QByteArray::number(int(flag), 16));
        QCOMPARE(panel->color(), QColor(Qt::transparent));

        windows.hide();
        QVERIFY(!panel->isVisible());
        windows.show(*fixture.viewModel, *fixture.settings);
        QCOMPARE(windows.panel(), panel);
        QVERIFY(panel->isVisible());
        QVERIFY(!windows.previewPanel());
    }

    void panelFollowsTheBottomOffset()
    {
        ListeningSubtitles subtitles;
        QCoro::waitFor(subtitles.fixture.viewModel->startListening());
        subtitles.fixture.settings->setIsSubtitlesMode(true);
        QTRY_VERIFY(subtitles.panel() && subtitles.panel()->isVisible());
        subtitles.fixture.viewModel->setIsSubtitlePreviewVisible(true);
        QTRY_VERIFY(subtitles.windows().previewPanel() && subtitles.windows().previewPanel()->isVisible());
        QQuickWindow* preview = subtitles.windows().previewPanel();

        subtitles.fixture.settings->setSubtitleBottomOffset(300);
        QTRY_COMPARE(subtitles.panel()->geometry(), expectedFrame(300));
        QCOMPARE(preview->geometry(), expectedFrame(300));
        const QRect visible = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(visible.bottom() - subtitles.panel()->geometry().bottom(), 300);
    }

    // A room is shown through the subtitles: its speaker sees the live text.
    void roomRunShowsItsLines()
    {
        ListeningSubtitles subtitles;
        auto& viewModel = *subtitles.fixture.viewModel;
        QVERIFY(!subtitles.fixture.settings->isSubtitlesMode());
        QCoro::waitFor(viewModel.startRoom());
        QVERIFY(viewModel.isListening());
        QTRY_VERIFY(subtitles.panel() && subtitles.panel()->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(subtitles.panel()));

        subtitles.fixture.server.sendText(finished("Guten Morgen", "Good morning"));
        QTRY_COMPARE(caption(subtitles.panel(), "translatedLine"), "Good morning");
        QCOMPARE(caption(subtitles.panel(), "originalLine"), "Guten Morgen");
        // Markup is shown as it stands.
        subtitles.fixture.server.sendText(finished("<b>fett</b>", "<b>bold</b>"));
        QTRY_COMPARE(caption(subtitles.panel(), "translatedLine"), "Good morning <b>bold</b>");

        subtitles.fixture.settings->setDisplayMode(DisplayMode::originalOnly);
        QCOMPARE(caption(subtitles.panel(), "translatedLine"), QString());
        QCOMPARE(caption(subtitles.panel(), "originalLine"), "Guten Morgen <b>fett</b>");
        QQuickItem* original = findNamed(subtitles.panel()->contentItem(), "originalLine");
        QCOMPARE(original->property("italic").toBool(), false);
        QCOMPARE(original->property("lineOpacity").toDouble(), 1.0);
        QCOMPARE(original->property("pixelSize").toDouble(), subtitles.fixture.settings->subtitleFontSize());

        // A long line stands on the screen from its first frames on, while
        // its box is still widening around it.
        const QString many = QStringLiteral("words of a long sentence ").repeated(4).trimmed();
        subtitles.fixture.server.sendText(finished(many, "many words"));
        QTRY_VERIFY(caption(subtitles.panel(), "originalLine").endsWith(many));
        const QQuickItem* line = findNamed(subtitles.panel()->contentItem(), "originalLine");
        const auto texts = line->findChildren<QQuickItem*>();
        const auto text = std::find_if(texts.begin(), texts.end(), [](const QQuickItem* item) {
            return QByteArray(item->metaObject()->className()).startsWith("QQuickText");
        });
        QVERIFY(text != texts.end());
        const QRectF shown = (*text)->mapRectToScene(QRectF(0, 0, (*text)->width(), (*text)->height()));
        QVERIFY2(shown.left() >= 0 && shown.right() <= subtitles.panel()->width(),
            qPrintable(QStringLiteral("%1 to %2").arg(shown.left()).arg(shown.right())));
    }

    void previewShowsTheExamples()
    {
        ListeningSubtitles subtitles;
        subtitles.fixture.viewModel->setIsSubtitlePreviewVisible(true);
        QTRY_VERIFY(subtitles.windows().previewPanel() && subtitles.windows().previewPanel()->isVisible());
        QQuickWindow* preview = subtitles.windows().previewPanel();
        QVERIFY(!subtitles.panel());
        QCOMPARE(caption(preview, "translatedLine"), "This is a subtitle preview");
        QCOMPARE(caption(preview, "originalLine"), "Ceci est un apercu des sous-titres");
        QQuickItem* original = findNamed(preview->contentItem(), "originalLine");
        QCOMPARE(original->property("italic").toBool(), true);
        QCOMPARE(original->property("lineOpacity").toDouble(), 0.8);
        QCOMPARE(original->property("pixelSize").toDouble(), 28 * 0.75);

        subtitles.fixture.viewModel->setIsSubtitlePreviewVisible(false);
        QTRY_VERIFY(!preview->isVisible());
    }

    void clicksReachTheWindowBelow()
    {
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty()) {
            if (qEnvironmentVariable("CI") == "true")
                QFAIL("Xvfb is missing; scripts/setup-deps installs it");
            QSKIP("Xvfb is missing");
        }
        QProcess server;
        server.start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
        QVERIFY(server.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 20000);
        const QString display = ":" + QString::fromLatin1(server.readLine()).trimmed();

        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DISPLAY", display);
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("TOLVARAN_CLICK_PROBE", "1");
        environment.insert("QT_QUICK_BACKEND", "software");
        probe.setProcessEnvironment(environment);
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe.start(QCoreApplication::applicationFilePath(), QStringList{});
        QVERIFY(probe.waitForFinished(60000));
        server.terminate();
        server.waitForFinished();
        QCOMPARE(probe.exitCode(), 0);
        QCOMPARE(probe.readAllStandardOutput().trimmed(), "passed through");
    }
};

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("TOLVARAN_CLICK_PROBE"))
        return clickThroughProbe();
    TestSubtitlesWindows test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_SubtitlesWindows.moc"
