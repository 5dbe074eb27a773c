#include "../core/live/ViewModelFixture.h"
#include "AppCoordinator.h"
#include "OverlayGeometry.h"
#include "PropertyWatch.h"
#include "QuickTestItems.h"

#include <QCoroTask>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QtQml/qqmlextensionplugin.h>

#include <atomic>
#include <memory>
#include <thread>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

// A property that may be set from any thread.
class Counter : public QObject
{
    Q_OBJECT

public:
    int value() const { return m_value; }

    void setValue(int value)
    {
        if (m_value.exchange(value) != value)
            emit valueChanged();
    }

signals:
    void valueChanged();

private:
    std::atomic_int m_value{0};
};

namespace {

// A watch on a Counter that notes each value its handler saw, and on which
// thread it ran.
struct WatchedCounter
{
    Counter counter;
    std::unique_ptr<QObject> context = std::make_unique<QObject>();
    QList<int> seen;
    bool ranElsewhere = false;
    // Set by a handler that puts the value back, as the reset watch does.
    bool handlerResets = false;

    WatchedCounter()
    {
        watchProperty(context.get(), &counter, &Counter::valueChanged, [this] {
            seen.append(counter.value());
            ranElsewhere = ranElsewhere || QThread::currentThread() != qApp->thread();
            if (handlerResets)
                counter.setValue(0);
        });
    }
};

// The program's windows as its coordinator drives them: a view model on a
// test server, its own settings file, the real window owners.
struct Program
{
    test::ViewModelFixture fixture;
    test::PreparedEngine engine;
    std::unique_ptr<AppCoordinator> coordinator;

    Program()
    {
        // One column: the overlay leaves room on the small offscreen screen
        // to be moved about.
        fixture.settings->setDisplayMode(DisplayMode::translatedOnly);
        coordinator = std::make_unique<AppCoordinator>(*fixture.services, *fixture.viewModel, engine);
    }

    AppSettings& settings() { return *fixture.settings; }

    TranslationViewModel& viewModel() { return *fixture.viewModel; }

    OverlayWindowManager& overlay() { return coordinator->overlayManager(); }

    SubtitlesWindowManager& subtitles() { return coordinator->subtitlesManager(); }

    QString storePath() const { return fixture.dir.filePath("settings.json"); }

    // Ends this run and starts another on the same settings file.
    void restart()
    {
        coordinator.reset();
        fixture.viewModel.reset();
        fixture.services.reset();
        fixture.settings.reset();
        fixture.settings = std::make_unique<AppSettings>(storePath());
        auto capture = std::make_unique<test::FakeAudioCapture>();
        fixture.capture = capture.get();
        fixture.services = std::make_unique<LiveServices>(*fixture.settings, std::move(capture));
        fixture.viewModel = std::make_unique<TranslationViewModel>(*fixture.services);
        coordinator = std::make_unique<AppCoordinator>(*fixture.services, *fixture.viewModel, engine);
    }

    bool listen()
    {
        QCoro::waitFor(fixture.viewModel->startListening());
        return fixture.viewModel->isListening();
    }
};

// Lets everything queued until now run, the coordinator's pending runs
// among it.
bool settle()
{
    bool done = false;
    QMetaObject::invokeMethod(
        qApp, [&done] { done = true; }, Qt::QueuedConnection);
    return QTest::qWaitFor([&done] { return done; });
}

bool isShown(const QWindow* window)
{
    return window && window->isVisible();
}

// The overlay's home in Qt's coordinates, one column wide.
QRect overlayHome()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const BottomLeftSpace space(screen->geometry());
    return space.toQt(
        OverlayGeometry::overlayFrame(space.fromQt(screen->availableGeometry()), OverlayGeometry::idealWidthOneColumn));
}

} // namespace

class TestAppCoordinator : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

    void watchRunsOncePerBurstWithTheLatestValue_data()
    {
        QTest::addColumn<QList<int>>("changes");
        QTest::addColumn<QList<int>>("seen");
        QTest::newRow("none") << QList<int>{} << QList<int>{};
        QTest::newRow("one") << QList<int>{1} << QList<int>{1};
        QTest::newRow("a burst") << QList<int>{1, 2, 3} << QList<int>{3};
        QTest::newRow("there and back") << QList<int>{1, 0} << QList<int>{0};
    }

    void watchRunsOncePerBurstWithTheLatestValue()
    {
        QFETCH(QList<int>, changes);
        QFETCH(QList<int>, seen);
        WatchedCounter watched;
        for (const int change : changes)
            watched.counter.setValue(change);
        // Not inside the change.
        QVERIFY(watched.seen.isEmpty());
        QVERIFY(settle());
        QCOMPARE(watched.seen, seen);

        // Armed again after its run.
        watched.counter.setValue(7);
        QVERIFY(settle());
        QCOMPARE(watched.seen, seen + QList<int>{7});
    }

    // What the handler itself changes does not make another run.
    void watchIgnoresItsHandlersOwnChange()
    {
        WatchedCounter watched;
        watched.handlerResets = true;
        watched.counter.setValue(5);
        QVERIFY(settle());
        QVERIFY(settle());
        QCOMPARE(watched.seen, QList<int>{5});
        QCOMPARE(watched.counter.value(), 0);
        watched.counter.setValue(6);
        QVERIFY(settle());
        QCOMPARE(watched.seen, (QList<int>{5, 6}));
    }

    void watchRunsOnTheMainThread()
    {
        WatchedCounter watched;
        std::thread other([&watched] {
            for (int value = 1; value <= 1000; ++value)
                watched.counter.setValue(value);
        });
        other.join();
        // One run: the main thread was busy joining while the changes came.
        QTRY_COMPARE(watched.seen, QList<int>{1000});
        QVERIFY(!watched.ranElsewhere);
    }

    void watchEndsWithItsContext()
    {
        WatchedCounter watched;
        watched.counter.setValue(1);
        watched.context.reset();
        QVERIFY(settle());
        watched.counter.setValue(2);
        QVERIFY(settle());
        QVERIFY(watched.seen.isEmpty());
    }

    void liveWindowsFollowListening_data()
    {
        QTest::addColumn<bool>("showsLiveWindows");
        QTest::newRow("program") << true;
        QTest::newRow("--no-overlay") << false;
    }

    // Nothing at launch although the overlay is wanted; the subtitles or
    // the overlay when listening starts; after it stops, the overlay stays
    // with the last lines while the subtitles go.
    void liveWindowsFollowListening()
    {
        QFETCH(bool, showsLiveWindows);
        Program program;
        program.coordinator->setShowsLiveWindows(showsLiveWindows);
        program.settings().setIsSubtitlesMode(true);
        QVERIFY(program.viewModel().isOverlayVisible());
        QVERIFY(settle());
        QVERIFY(!program.overlay().panel());
        QVERIFY(!program.subtitles().panel());

        QVERIFY(program.listen());
        if (!showsLiveWindows) {
            QVERIFY(settle());
            QVERIFY(!program.overlay().panel());
            QVERIFY(!program.subtitles().panel());
            return;
        }
        // One or the other: the subtitles take the overlay's place.
        QTRY_VERIFY(isShown(program.subtitles().panel()));
        QVERIFY(settle());
        QVERIFY(!isShown(program.overlay().panel()));
        program.settings().setIsSubtitlesMode(false);
        QTRY_VERIFY(isShown(program.overlay().panel()));
        QVERIFY(!isShown(program.subtitles().panel()));
        QCOMPARE(program.overlay().panel()->geometry(), overlayHome());
        program.fixture.server.sendText(
            R"({"type":"result","original":"Hallo","translation":"Hello","tokens":[{"text":"Hallo","is_final":true,"speaker":"1","language":"de"}]})");
        QTRY_COMPARE(program.viewModel().translationLines().size(), 1);
        program.settings().setIsSubtitlesMode(true);
        QTRY_VERIFY(isShown(program.subtitles().panel()));
        QVERIFY(!isShown(program.overlay().panel()));

        QCoro::waitFor(program.viewModel().stopListening());
        QTRY_VERIFY(!isShown(program.subtitles().panel()));
        program.settings().setIsSubtitlesMode(false);
        QTRY_VERIFY(isShown(program.overlay().panel()));
        QCOMPARE(program.viewModel().translationLines().size(), 1);

        // Closed by hand, it goes until it is wanted again.
        program.overlay().panel()->close();
        QTRY_VERIFY(!program.viewModel().isOverlayVisible());
        QVERIFY(!isShown(program.overlay().panel()));
        program.viewModel().setIsOverlayVisible(true);
        QTRY_VERIFY(isShown(program.overlay().panel()));
    }

    void subtitlesModeShowsOnlyWhileListening_data()
    {
        QTest::addColumn<bool>("listening");
        QTest::newRow("not listening") << false;
        QTest::newRow("listening") << true;
    }

    void subtitlesModeShowsOnlyWhileListening()
    {
        QFETCH(bool, listening);
        Program program;
        if (listening)
            QVERIFY(program.listen());
        QVERIFY(settle());
        QVERIFY(!program.subtitles().panel());

        program.settings().setIsSubtitlesMode(true);
        QVERIFY(settle());
        QCOMPARE(isShown(program.subtitles().panel()), listening);
        QVERIFY(!isShown(program.overlay().panel()));

        program.settings().setIsSubtitlesMode(false);
        QVERIFY(settle());
        QVERIFY(!isShown(program.subtitles().panel()));
        QCOMPARE(isShown(program.overlay().panel()), listening);
    }

    // The pin reaches an overlay that exists, shown or not, and creates none.
    void pinFollowsTheSetting()
    {
        Program program;
        program.settings().setIsPinnedAboveAll(true);
        QVERIFY(settle());
        QVERIFY(!program.overlay().panel());

        QVERIFY(program.listen());
        QTRY_VERIFY(isShown(program.overlay().panel()));
        FloatingPanel* panel = program.overlay().panel();
        QCOMPARE(panel->level(), FloatingPanel::pinnedLevel);

        program.viewModel().setIsOverlayVisible(false);
        QTRY_VERIFY(!panel->isVisible());
        program.settings().setIsPinnedAboveAll(false);
        QTRY_COMPARE(panel->level(), FloatingPanel::normalLevel);
        QVERIFY(!panel->isVisible());
    }

    void resetLowersTheFlagAndGoesHome_data()
    {
        QTest::addColumn<bool>("hasPanel");
        QTest::newRow("no overlay yet") << false;
        QTest::newRow("moved overlay") << true;
    }

    void resetLowersTheFlagAndGoesHome()
    {
        QFETCH(bool, hasPanel);
        Program program;
        if (hasPanel) {
            QVERIFY(program.listen());
            QTRY_VERIFY(isShown(program.overlay().panel()));
            program.overlay().panel()->setGeometry(overlayHome().translated(-200, -100).adjusted(0, 0, 40, 60));
            QTRY_VERIFY(program.settings().overlayFrame().isValid());
        }

        program.viewModel().setResetOverlayPositionRequested(true);
        QTRY_VERIFY(!program.viewModel().resetOverlayPositionRequested());
        QVERIFY(settle());
        if (!hasPanel) {
            QVERIFY(!program.overlay().panel());
            return;
        }
        QTRY_COMPARE(program.overlay().panel()->geometry(), overlayHome());
        // The remembered place follows it home.
        QTRY_COMPARE(program.settings().overlayFrame(), overlayHome());
    }

    // The settings watch only opens: a lowered flag leaves the window open.
    void loweredSettingsRequestClosesNothing()
    {
        Program program;
        program.viewModel().setShowSettingsRequested(true);
        QTRY_VERIFY(isShown(program.coordinator->settingsManager().window()));
        QQuickWindow* window = program.coordinator->settingsManager().window();
        QVERIFY(!program.viewModel().showSettingsRequested());

        program.viewModel().setShowSettingsRequested(true);
        program.viewModel().setShowSettingsRequested(false);
        QVERIFY(settle());
        QCOMPARE(program.coordinator->settingsManager().window(), window);
        QVERIFY(window->isVisible());
    }

    void quickChangesEndWithTheLatestValue_data()
    {
        QTest::addColumn<QList<bool>>("changes");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("visibilityChanges");
        QTest::newRow("off") << QList<bool>{false} << false << 1;
        QTest::newRow("off, on") << QList<bool>{false, true} << true << 0;
        QTest::newRow("off, on, off") << QList<bool>{false, true, false} << false << 1;
        QTest::newRow("off, on, off, on") << QList<bool>{false, true, false, true} << true << 0;
    }

    // The preview switch flipped within one turn of the event loop: the
    // panel ends as the switch did, without being shown and hidden on the way.
    void quickChangesEndWithTheLatestValue()
    {
        QFETCH(QList<bool>, changes);
        QFETCH(bool, shown);
        QFETCH(int, visibilityChanges);
        Program program;
        program.viewModel().setIsTranslationPreviewVisible(true);
        QTRY_VERIFY(isShown(program.overlay().previewPanel()));
        QSignalSpy visibility(program.overlay().previewPanel(), &QWindow::visibleChanged);

        for (const bool change : changes)
            program.viewModel().setIsTranslationPreviewVisible(change);
        QVERIFY(settle());
        QCOMPARE(program.overlay().previewPanel()->isVisible(), shown);
        QCOMPARE(visibility.size(), visibilityChanges);
    }

    void overlayComesBackWhereItWasLeft_data()
    {
        QTest::addColumn<bool>("waitsForRest");
        QTest::newRow("moved, then quit") << true;
        QTest::newRow("quit while moving") << false;
    }

    void overlayComesBackWhereItWasLeft()
    {
        QFETCH(bool, waitsForRest);
        Program program;
        QVERIFY(program.listen());
        QTRY_VERIFY(isShown(program.overlay().panel()));
        QCOMPARE(program.overlay().panel()->geometry(), overlayHome());

        // Dragged in steps, then resized.
        FloatingPanel* panel = program.overlay().panel();
        QSignalSpy stored(&program.settings(), &AppSettings::overlayFrameChanged);
        for (int step = 1; step <= 10; ++step)
            panel->setPosition(overlayHome().topLeft() - QPoint(20, 10) * step);
        panel->resize(420, 300);
        const QRect left(overlayHome().topLeft() - QPoint(200, 100), QSize(420, 300));
        QTRY_COMPARE(panel->geometry(), left);
        if (waitsForRest) {
            QTRY_COMPARE(program.settings().overlayFrame(), left);
            // Written once it came to rest, not at every step.
            QCOMPARE(stored.size(), 1);
        }

        program.restart();
        QCOMPARE(program.settings().overlayFrame(), left);
        QVERIFY(program.listen());
        QTRY_VERIFY(isShown(program.overlay().panel()));
        QCOMPARE(program.overlay().panel()->geometry(), left);
    }

    void storedFrameIsUsedOnlyWhenItCanBeReached_data()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QTest::addColumn<QJsonValue>("stored");
        QTest::addColumn<QRect>("expected"); // empty: home
        QTest::newRow("none") << QJsonValue() << QRect();
        QTest::newRow("not a frame") << QJsonValue("here") << QRect();
        QTest::newRow("where an unplugged monitor was") << QJsonValue("2400,100,500,350") << QRect();
        QTest::newRow("half off the right edge")
            << QJsonValue(QStringLiteral("%1,100,500,350").arg(screen.right() + 1 - 250))
            << QRect(screen.right() + 1 - 250, 100, 500, 350);
        QTest::newRow("on screen") << QJsonValue("40, 60, 450, 300") << QRect(40, 60, 450, 300);
        QTest::newRow("smaller than allowed") << QJsonValue("40,60,100,100") << QRect(40, 60, 350, 200);
    }

    void storedFrameIsUsedOnlyWhenItCanBeReached()
    {
        QFETCH(QJsonValue, stored);
        QFETCH(QRect, expected);
        Program program;
        program.settings().flush();
        QFile file(program.storePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QJsonObject values = QJsonDocument::fromJson(file.readAll()).object();
        file.close();
        QVERIFY(!values.isEmpty());
        if (!stored.isNull())
            values.insert("overlayFrame", stored);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(values).toJson());
        file.close();

        program.restart();
        QVERIFY(program.listen());
        QTRY_VERIFY(isShown(program.overlay().panel()));
        QCOMPARE(program.overlay().panel()->geometry(), expected.isNull() ? overlayHome() : expected);
    }

    void reachableFrames_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<bool>("withSecondMonitor");
        QTest::addColumn<bool>("reachable");
        // 1920 x 1080 with a 30 high panel at the top, and 1280 x 1024 to
        // its right.
        QTest::newRow("on the main screen") << QRect(100, 100, 500, 350) << false << true;
        QTest::newRow("on the second monitor") << QRect(2400, 100, 500, 350) << true << true;
        QTest::newRow("second monitor unplugged") << QRect(2400, 100, 500, 350) << false << false;
        QTest::newRow("across both") << QRect(1700, 100, 500, 350) << true << true;
        QTest::newRow("99 wide on screen") << QRect(1821, 100, 500, 350) << false << false;
        QTest::newRow("100 wide on screen") << QRect(1820, 100, 500, 350) << false << true;
        QTest::newRow("49 high on screen") << QRect(100, 1031, 500, 350) << false << false;
        QTest::newRow("50 high on screen") << QRect(100, 1030, 500, 350) << false << true;
        QTest::newRow("behind the top panel") << QRect(100, -330, 500, 350) << false << false;
        QTest::newRow("below the second monitor only") << QRect(2400, 1040, 500, 350) << true << false;
    }

    void reachableFrames()
    {
        QFETCH(QRect, frame);
        QFETCH(bool, withSecondMonitor);
        QFETCH(bool, reachable);
        QList<QRect> areas{QRect(0, 30, 1920, 1050)};
        if (withSecondMonitor)
            areas.append(QRect(1920, 0, 1280, 1024));
        QCOMPARE(OverlayGeometry::isReachable(frame, areas), reachable);
    }
};

QTEST_MAIN(TestAppCoordinator)

#include "tst_AppCoordinator.moc"
