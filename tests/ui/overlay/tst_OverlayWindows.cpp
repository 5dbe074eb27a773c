#include "../../core/live/ViewModelFixture.h"
#include "OverlayGeometry.h"
#include "OverlayWindowManager.h"
#include "TypewriterText.h"
#include "UiEngine.h"

#include <QCoroTask>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

QRect expectedFrame(QRect (*frame)(const QRect&))
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const BottomLeftSpace space(screen->geometry());
    return space.toQt(frame(space.fromQt(screen->availableGeometry())));
}

// The visible typewriter texts in the order of the item tree.
void collectTexts(const QQuickItem* item, QStringList& texts)
{
    if (!item->isVisible())
        return;
    if (const auto* text = qobject_cast<const TypewriterText*>(item))
        texts.append(text->visibleText());
    for (const QQuickItem* child : item->childItems())
        collectTexts(child, texts);
}

QStringList shownTexts(QQuickWindow& window)
{
    QStringList texts;
    collectTexts(window.contentItem(), texts);
    return texts;
}

} // namespace

// The overlay and preview panels with their real views, on the offscreen
// screen, fed by the program's view model talking to a test server.
class TestOverlayWindows : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

    void overlayPanel()
    {
        test::ViewModelFixture fixture;
        fixture.settings->setIsPinnedAboveAll(false);
        QQmlEngine engine;
        ui::prepareEngine(engine);
        OverlayWindowManager windows(engine);
        QVERIFY(!windows.panel());

        windows.show(*fixture.viewModel, *fixture.settings);
        FloatingPanel* panel = windows.panel();
        QVERIFY(panel);
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->geometry(), expectedFrame(OverlayGeometry::overlayFrame));
        QCOMPARE(panel->minimumSize(), QSize(350, 200));
        QCOMPARE(panel->level(), FloatingPanel::normalLevel);
        QVERIFY(!(panel->flags() & Qt::WindowStaysOnTopHint));
        QVERIFY(panel->flags() & Qt::WindowDoesNotAcceptFocus);
        // The view was built: its toolbar and paragraph list are there.
        QVERIFY(!panel->contentItem()->childItems().isEmpty());

        windows.hide();
        QVERIFY(!panel->isVisible());
        windows.updateWindowLevel(true);
        QCOMPARE(panel->level(), FloatingPanel::pinnedLevel);
        QVERIFY(!panel->isVisible());

        windows.show(*fixture.viewModel, *fixture.settings);
        QCOMPARE(windows.panel(), panel);
        QCOMPARE(panel->level(), FloatingPanel::normalLevel);
        const QPoint moved = panel->position() - QPoint(100, 50);
        panel->setPosition(moved);

        QSignalSpy visibility(fixture.viewModel.get(), &TranslationViewModel::isOverlayVisibleChanged);
        QVERIFY(fixture.viewModel->isOverlayVisible());
        panel->close();
        QTRY_COMPARE(visibility.size(), 1);
        QVERIFY(!fixture.viewModel->isOverlayVisible());
        windows.hide();
        panel->close();
        QTest::qWait(20);
        QCOMPARE(visibility.size(), 1);

        windows.show(*fixture.viewModel, *fixture.settings);
        QCOMPARE(windows.panel(), panel);
        QCOMPARE(panel->position(), moved);
    }

    // A final line with live words behind it reads as one text, and the
    // display mode decides which columns show.
    void overlayShowsTheConversation()
    {
        test::ViewModelFixture fixture;
        fixture.settings->setDisplayMode(DisplayMode::both);
        QCoro::waitFor(fixture.viewModel->startListening());
        QVERIFY(fixture.viewModel->isListening());
        QQmlEngine engine;
        ui::prepareEngine(engine);
        OverlayWindowManager windows(engine);
        windows.show(*fixture.viewModel, *fixture.settings);
        QVERIFY(QTest::qWaitForWindowExposed(windows.panel()));

        fixture.feed(
            R"({"type":"result","original":"Hallo","translation":"Hello","tokens":[{"text":"Hallo","is_final":true,"speaker":"1","language":"de"}]})");
        fixture.feed(
            R"({"type":"result","original":"wie geht","translation":"how are","tokens":[{"text":"wie geht","is_final":false,"speaker":"1"}]})");
        QTRY_COMPARE(shownTexts(*windows.panel()), (QStringList{"Hallo wie geht", "Hello how are"}));

        fixture.settings->setDisplayMode(DisplayMode::translatedOnly);
        QTRY_COMPARE(shownTexts(*windows.panel()), (QStringList{"Hello how are"}));
        fixture.settings->setDisplayMode(DisplayMode::originalOnly);
        QTRY_COMPARE(shownTexts(*windows.panel()), (QStringList{"Hallo wie geht"}));
    }

    void previewPanel()
    {
        test::ViewModelFixture fixture;
        fixture.settings->setIsPinnedAboveAll(true);
        fixture.settings->setDisplayMode(DisplayMode::both);
        QQmlEngine engine;
        ui::prepareEngine(engine);
        OverlayWindowManager windows(engine);
        windows.showPreview(*fixture.viewModel, *fixture.settings);
        FloatingPanel* preview = windows.previewPanel();
        QVERIFY(preview);
        QVERIFY(!windows.panel());
        QCOMPARE(preview->geometry(), expectedFrame(OverlayGeometry::previewFrame));
        QCOMPARE(preview->level(), FloatingPanel::floatingLevel);
        QCOMPARE(preview->title(), "Translation Preview");
        QTRY_VERIFY(shownTexts(*preview).contains("Good morning, how are you today?"));
        QCOMPARE(shownTexts(*preview).size(), 6);

        fixture.viewModel->setIsTranslationPreviewVisible(true);
        preview->close();
        QTRY_VERIFY(!fixture.viewModel->isTranslationPreviewVisible());
    }
};

QTEST_MAIN(TestOverlayWindows)
#include "tst_OverlayWindows.moc"
