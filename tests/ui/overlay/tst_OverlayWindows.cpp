#include "../../core/live/ViewModelFixture.h"
#include "OverlayGeometry.h"
#include "QuickTestItems.h"
#include "UiEngine.h"
#include "overlay/OverlayStyle.h"
#include "overlay/OverlayWindowManager.h"
#include "overlay/TypewriterText.h"

#include <QClipboard>
#include <QCoroTask>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

template<typename Frame>
QRect expectedFrame(const Frame& frame)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const BottomLeftSpace space(screen->geometry());
    return space.toQt(frame(space.fromQt(screen->availableGeometry())));
}

// The visible typewriter texts in the order of the item tree: what is on
// screen, or the whole text it is typing.
void collectTexts(const QQuickItem* item, QStringList& texts, bool whole)
{
    if (!item->isVisible())
        return;
    if (const auto* text = qobject_cast<const TypewriterText*>(item)) {
        QString all;
        for (const TypewriterSegment& segment : text->segments())
            all += segment.text;
        texts.append(whole ? all : text->visibleText());
    }
    for (const QQuickItem* child : item->childItems())
        collectTexts(child, texts, whole);
}

QStringList shownTexts(QQuickWindow& window, bool whole = false)
{
    QStringList texts;
    collectTexts(window.contentItem(), texts, whole);
    return texts;
}

// A result message of speaker 1: the original's words, or the translation
// of the last line.
QByteArray result(const char* original, const char* translation, bool isFinal, const char* status = "original")
{
    return QStringLiteral(R"({"type":"result","original":"%1","translation":"%2","tokens":[{"text":"%1","is_final":%3,)"
                          R"("speaker":"1","language":"de","translation_status":"%4"}]})")
        .arg(QString::fromUtf8(original), QString::fromUtf8(translation), isFinal ? "true" : "false",
            QString::fromUtf8(status))
        .toUtf8();
}

template<typename Match>
QQuickItem* findItem(QQuickItem* item, const Match& match)
{
    if (match(item))
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = findItem(child, match))
            return found;
    return nullptr;
}

// Speaker 1 says "Hallo", translated "Hello", as a finished line.
const QByteArray halloFinished
    = R"({"type":"result","original":"Hallo","translation":"Hello","tokens":[{"text":"Hallo","is_final":true,"speaker":"1","language":"de"}]})";

QPoint centreOf(const QQuickItem* item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

using test::PreparedEngine;

// The overlay panel of a view model listening to a test server. Settings
// are changed on `fixture` before show().
struct ListeningOverlay
{
    test::ViewModelFixture fixture;
    PreparedEngine engine;
    OverlayWindowManager windows{engine};
    FloatingPanel* panel = nullptr;

    bool show()
    {
        QCoro::waitFor(fixture.viewModel->startListening());
        windows.show(*fixture.viewModel, *fixture.settings);
        panel = windows.panel();
        return fixture.viewModel->isListening() && panel && QTest::qWaitForWindowExposed(panel);
    }
};

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
        // Both languages side by side, the default: as wide as they want.
        QCOMPARE(panel->geometry(), expectedFrame([](const QRect& visible) {
            return OverlayGeometry::overlayFrame(visible, OverlayGeometry::idealWidthSideBySide);
        }));
        QCOMPARE(panel->minimumSize(), QSize(350, 200));
        QCOMPARE(panel->maximumSize().height(), 610);
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
        ListeningOverlay overlay;
        auto& [fixture, engine, windows, panel] = overlay;
        fixture.settings->setDisplayMode(DisplayMode::both);
        QVERIFY(overlay.show());
        // Until the first words, a quiet sign that it listens.
        const auto hint = [&] {
            QQuickItem* found = findItem(
                panel->contentItem(), [](QQuickItem* item) { return item->objectName() == "listeningHint"; });
            return found && found->isVisible() ? found->property("text").toString() : QString();
        };
        QCOMPARE(hint(), QString::fromUtf8("Listening…"));
        // What the server says about the run stands over the text.
        const auto notice = [&] {
            return findItem(
                panel->contentItem(), [](QQuickItem* item) { return item->objectName() == "serverNotice"; });
        };
        QVERIFY(notice() && !notice()->isVisible());
        fixture.server.sendText(R"({"type":"notice","message":"cannot translate to German"})");
        QTRY_VERIFY(notice()->isVisible());

        fixture.feed(halloFinished);
        fixture.feed(
            R"({"type":"result","original":"wie geht","translation":"how are","tokens":[{"text":"wie geht","is_final":false,"speaker":"1"}]})");
        QTRY_COMPARE(shownTexts(*windows.panel()), (QStringList{"Hallo wie geht", "Hello how are"}));
        QCOMPARE(hint(), QString());

        // The column that goes fades out rather than vanishing at once.
        fixture.settings->setDisplayMode(DisplayMode::translatedOnly);
        QCOMPARE(shownTexts(*windows.panel()).size(), 2);
        QTRY_COMPARE(shownTexts(*windows.panel()), (QStringList{"Hello how are"}));
        fixture.settings->setDisplayMode(DisplayMode::originalOnly);
        QTRY_COMPARE(shownTexts(*windows.panel()), (QStringList{"Hallo wie geht"}));
        const int narrow = windows.panel()->width();
        QVERIFY(narrow < 800);

        // Both languages side by side make the panel as wide as they like.
        fixture.settings->setDisplayMode(DisplayMode::both);
        QTRY_COMPARE(windows.panel()->width(), 800);
        QTRY_COMPARE(shownTexts(*windows.panel()), (QStringList{"Hallo wie geht", "Hello how are"}));
        fixture.settings->setDisplayMode(DisplayMode::translatedOnly);
        QTRY_COMPARE(windows.panel()->width(), narrow);

        // A lost connection is told over the text, which stays.
        fixture.server.setHandshake(tolvaran::test::TestTranslationServer::Handshake::refuse);
        fixture.server.dropConnection();
        const auto noticeText = [&] {
            const QList<QQuickItem*> children = notice()->childItems();
            return children.isEmpty() ? QString() : children.first()->property("text").toString();
        };
        QTRY_COMPARE(noticeText(), QString::fromUtf8("Reconnecting…"));
        QVERIFY(notice()->isVisible());
        // The other column may still be fading out from the change of mode.
        QTRY_COMPARE(shownTexts(*windows.panel()), (QStringList{"Hello how are"}));
    }

    // One width rule, on first show as on each change of mode: both
    // languages side by side get 800 points, one language 500, and the panel
    // keeps its right edge 20 points in from the screen's.
    void widthFollowsTheDisplayMode_data()
    {
        QTest::addColumn<DisplayMode>("first");
        QTest::newRow("both") << DisplayMode::both;
        QTest::newRow("translated only") << DisplayMode::translatedOnly;
        QTest::newRow("original only") << DisplayMode::originalOnly;
    }

    void widthFollowsTheDisplayMode()
    {
        QFETCH(DisplayMode, first);
        ListeningOverlay overlay;
        auto& [fixture, engine, windows, panel] = overlay;
        fixture.settings->setDisplayMode(first);
        QVERIFY(overlay.show());
        const auto widthFor = [](DisplayMode mode) { return mode == DisplayMode::both ? 800 : 500; };
        const int right = QGuiApplication::primaryScreen()->availableGeometry().right() - 20;
        QCOMPARE(panel->width(), widthFor(first));
        QCOMPARE(panel->geometry().right(), right);
        for (int step = 0; step < 3; ++step) {
            OverlayStyle::cycleDisplayMode(fixture.settings.get());
            QTRY_COMPARE(panel->width(), widthFor(fixture.settings->displayMode()));
            QTRY_COMPARE(panel->geometry().right(), right);
        }
        QCOMPARE(fixture.settings->displayMode(), first);
        QCOMPARE(panel->width(), widthFor(first));

        // Put back at home at the width of the mode in force.
        panel->setPosition(panel->position() - QPoint(100, 100));
        windows.resetPosition();
        QTRY_COMPARE(panel->geometry().right(), right);
        QCOMPARE(panel->width(), widthFor(first));
    }

    // "Translate" shows the translation, or, for speech already in the
    // target language (the server sends none), the words themselves.
    void translateModeWithoutTranslation_data()
    {
        QTest::addColumn<DisplayMode>("mode");
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<QStringList>("shown");
        const QByteArray english
            = R"({"type":"result","original":"good morning","translation":"","tokens":[{"text":"good morning","is_final":true,"speaker":"1","language":"en-US","translation_status":"original"}]})";
        const QByteArray germanAlone
            = R"({"type":"result","original":"Hallo","translation":"","tokens":[{"text":"Hallo","is_final":true,"speaker":"1","language":"de","translation_status":"original"}]})";
        QTest::newRow("English into English") << DisplayMode::translatedOnly << english << QStringList{"good morning"};
        QTest::newRow("German with its translation")
            << DisplayMode::translatedOnly << halloFinished << QStringList{"Hello"};
        // Its translation is still on its way: nothing stands in for it.
        QTest::newRow("German before its translation") << DisplayMode::translatedOnly << germanAlone << QStringList{""};
        // Side by side the words show once, in their own column.
        QTest::newRow("English, both languages") << DisplayMode::both << english << QStringList{"good morning", ""};
    }

    void translateModeWithoutTranslation()
    {
        QFETCH(DisplayMode, mode);
        QFETCH(QByteArray, result);
        ListeningOverlay overlay;
        auto& [fixture, engine, windows, panel] = overlay;
        fixture.settings->setSelectedLanguage(TargetLanguage::english);
        fixture.settings->setDisplayMode(mode);
        QVERIFY(overlay.show());
        fixture.feed(result);
        QFETCH(QStringList, shown);
        QTRY_COMPARE(shownTexts(*panel), shown);
    }

    // Paragraphs scrolled out of sight at the top leave the scene, and come
    // back as they were when the reader scrolls up: whole, not typed again,
    // and the list keeps its height meanwhile.
    void olderParagraphsComeBackAsTheyWere()
    {
        ListeningOverlay overlay;
        auto& [fixture, engine, windows, panel] = overlay;
        fixture.settings->setDisplayMode(DisplayMode::translatedOnly);
        fixture.settings->setOverlayParagraphBgColor(Qt::red);
        fixture.settings->setOverlayTranslatedColor(Qt::blue);
        QVERIFY(overlay.show());
        QStringList sentences;
        for (int i = 0; i < 14; ++i) {
            sentences.append(QStringLiteral("Sentence number %1 of a long call").arg(i));
            fixture.feed(QStringLiteral(R"({"type":"result","original":"x","translation":"%1","tokens":[)"
                                        R"({"text":"x","is_final":true,"speaker":"%2","language":"de"}]})")
                             .arg(sentences.last())
                             .arg(i % 2 + 1)
                             .toUtf8());
        }
        QTRY_VERIFY(shownTexts(*panel).contains(sentences.last()));
        QTRY_VERIFY(!findItem(panel->contentItem(), [](QQuickItem* item) {
            const auto* text = qobject_cast<TypewriterText*>(item);
            return text && text->isVisible() && text->isRevealing();
        }));
        QTRY_VERIFY(!shownTexts(*panel).contains(sentences.first()));
        QQuickItem* list
            = findItem(panel->contentItem(), [](QQuickItem* item) { return item->inherits("QQuickFlickable"); });
        QVERIFY(list);
        const double contentHeight = list->property("contentHeight").toDouble();
        QVERIFY(contentHeight > 2 * list->height());

        const QPointF at = list->mapToScene(QPointF(list->width() / 2, list->height() / 2));
        QWheelEvent wheel(
            at, panel->mapToGlobal(at), {}, QPoint(0, 120 * 100), Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QGuiApplication::sendEvent(panel, &wheel);
        QTRY_COMPARE(list->property("contentY").toDouble(), 0.0);
        QTRY_VERIFY(shownTexts(*panel).contains(sentences.first()));
        // "Jump to latest" has a place of its own, below the text.
        QQuickItem* jump
            = findItem(panel->contentItem(), [](QQuickItem* item) { return item->objectName() == "jumpToLatest"; });
        QVERIFY(jump && jump->isVisible());
        QTRY_VERIFY(list->mapToScene(QPointF(0, list->height())).y() <= jump->mapToScene(QPointF(0, 0)).y());
        QCOMPARE(list->property("contentHeight").toDouble(), contentHeight);
        // The text is drawn over its paragraph's background, not under it.
        QQuickItem* first = findItem(panel->contentItem(), [&](QQuickItem* item) {
            const auto* text = qobject_cast<TypewriterText*>(item);
            return text && text->isVisible() && text->visibleText() == sentences.first();
        });
        QVERIFY(first);
        const QImage shown = panel->grabWindow();
        const QRect area = first->mapRectToScene(first->boundingRect()).toRect() & shown.rect();
        QVERIFY(!area.isEmpty());
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                ink += qBlue(shown.pixel(x, y)) > 150 && qRed(shown.pixel(x, y)) < 100;
        QVERIFY2(ink > 50, qPrintable(QString::number(ink)));
        QVERIFY(!findItem(panel->contentItem(), [](QQuickItem* item) {
            const auto* text = qobject_cast<TypewriterText*>(item);
            return text && text->isVisible() && text->isRevealing();
        }));
    }

    void finishedLineKeepsWhatIsShown_data()
    {
        QTest::addColumn<DisplayMode>("mode");
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<QStringList>("whole");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("live words become the line")
            << DisplayMode::originalOnly << result("the quarterly numbers", "", false)
            << result("The quarterly numbers.", "", true) << QStringList{"The quarterly numbers."}
            << QStringList{"The quarterly numbers"};
        QTest::newRow("translation of the line")
            << DisplayMode::both << result("Hallo", "", true) << result("Hallo", "Hello", true, "translation")
            << QStringList{"Hallo", "Hello"} << QStringList{"Hallo", ""};
    }

    // When live words are finished or a line's translation arrives, the
    // card keeps what it shows; only new characters are typed.
    void finishedLineKeepsWhatIsShown()
    {
        QFETCH(DisplayMode, mode);
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QFETCH(QStringList, whole);
        double now = 1000;
        TypewriterText::setDefaultClock([&now] { return now; });
        const auto restoreClock = qScopeGuard([] {
            QElapsedTimer timer;
            timer.start();
            TypewriterText::setDefaultClock([timer] { return double(timer.nsecsElapsed()) / 1e9; });
        });
        ListeningOverlay overlay;
        auto& [fixture, engine, windows, panel] = overlay;
        fixture.settings->setDisplayMode(mode);
        QVERIFY(overlay.show());
        fixture.feed(before);
        QTRY_VERIFY(!shownTexts(*panel, true).join("").isEmpty());
        now += 10;
        QTRY_COMPARE(shownTexts(*panel), shownTexts(*panel, true));
        fixture.feed(after);
        QTRY_COMPARE(shownTexts(*panel, true), whole);
        QTEST(shownTexts(*panel), "shown");
        now += 10;
        QTRY_COMPARE(shownTexts(*panel), whole);
    }

    // The language and the time fade in while the pointer is over a
    // paragraph and out when it leaves; the live-only paragraph, whose
    // language is not known yet, shows the time alone.
    void hoverShowsLanguageAndTime_data()
    {
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<QString>("language");
        QTest::newRow("finished line") << QByteArray(
            R"({"type":"result","original":"Hallo","translation":"Hello","tokens":[{"text":"Hallo","is_final":true,"speaker":"1","language":"de","translation_status":"original"}]})")
                                       << "(de)";
        QTest::newRow("live words only") << QByteArray(
            R"({"type":"result","original":"Hallo","translation":"","tokens":[{"text":"Hallo","is_final":false,"speaker":"1"}]})")
                                         << "";
    }

    void hoverShowsLanguageAndTime()
    {
        QFETCH(QByteArray, result);
        QFETCH(QString, language);
        ListeningOverlay overlay;
        auto& [fixture, engine, windows, panel] = overlay;
        fixture.settings->setDisplayMode(DisplayMode::originalOnly);
        QVERIFY(overlay.show());
        fixture.feed(result);
        QTRY_COMPARE(shownTexts(*panel), QStringList{"Hallo"});

        const QRegularExpression time(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"));
        const auto shownLabel = [&](auto matches) {
            return findItem(panel->contentItem(), [&](QQuickItem* item) {
                return item->isVisible() && item->inherits("QQuickText") && matches(item->property("text").toString());
            });
        };
        const auto isTime = [&](const QString& text) { return time.match(text).hasMatch(); };
        const auto isLanguage = [](const QString& text) { return text.startsWith('(') && text.endsWith(')'); };
        QVERIFY(!shownLabel(isTime));

        QQuickItem* text = findItem(panel->contentItem(), [](QQuickItem* item) {
            const auto* typed = qobject_cast<TypewriterText*>(item);
            return typed && typed->isVisible();
        });
        QVERIFY(text);
        QTest::mouseMove(panel, centreOf(text));
        QQuickItem* shownTime = nullptr;
        QTRY_VERIFY((shownTime = shownLabel(isTime)));
        QTRY_COMPARE(shownTime->opacity(), 1.0);
        QQuickItem* shownLanguage = shownLabel(isLanguage);
        QCOMPARE(shownLanguage ? shownLanguage->property("text").toString() : QString(), language);

        QTest::mouseMove(panel, QPoint(panel->width() / 2, 2));
        QTRY_VERIFY(!shownLabel(isTime));
        QVERIFY(!shownLabel(isLanguage));
    }

    // The panel never has the keyboard; copying goes through a menu on the
    // text: the selection, or the whole text of the column clicked.
    void copyMenu()
    {
        ListeningOverlay overlay;
        auto& [fixture, engine, windows, panel] = overlay;
        fixture.settings->setDisplayMode(DisplayMode::both);
        QVERIFY(overlay.show());
        fixture.feed(halloFinished);
        QTRY_COMPARE(shownTexts(*panel), (QStringList{"Hallo", "Hello"}));
        QGuiApplication::clipboard()->clear();

        auto* translation = findItem(panel->contentItem(), [](QQuickItem* item) {
            const auto* text = qobject_cast<TypewriterText*>(item);
            return text && text->visibleText() == "Hello";
        });
        QVERIFY(translation);
        QTest::mouseClick(panel, Qt::RightButton, {}, centreOf(translation));
        QQuickItem* copy = nullptr;
        QTRY_VERIFY((copy = findItem(panel->contentItem(), [](QQuickItem* item) {
            return item->isVisible() && item->property("text").toString() == "Copy Paragraph";
        })));
        QTest::mouseClick(panel, Qt::LeftButton, {}, centreOf(copy));
        QTRY_COMPARE(QGuiApplication::clipboard()->text(), "Hello");
    }

    // Each level as the window manager sees it: the panel is always a
    // utility window that takes no focus and is managed like any other;
    // only the pinned level keeps it above other programs' windows.
    void levels_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("staysOnTop");
        QTest::newRow("normal") << FloatingPanel::normalLevel << false;
        QTest::newRow("floating, the preview") << FloatingPanel::floatingLevel << false;
        QTest::newRow("pinned above all") << FloatingPanel::pinnedLevel << true;
    }

    void levels()
    {
        QFETCH(int, level);
        QFETCH(bool, staysOnTop);
        std::unique_ptr<FloatingPanel> panel(FloatingPanel::titledTransparent({100, 100, 500, 350}, {350, 200}));
        QVERIFY(panel);
        panel->show();
        panel->setLevel(FloatingPanel::pinnedLevel);
        panel->setLevel(level);
        QCOMPARE(panel->level(), level);
        const Qt::WindowFlags flags = panel->flags();
        QCOMPARE(flags, FloatingPanel::flagsForLevel(level));
        QCOMPARE(bool(flags & Qt::WindowStaysOnTopHint), staysOnTop);
        QCOMPARE(flags & Qt::WindowType_Mask, Qt::Tool);
        QVERIFY(flags & Qt::FramelessWindowHint);
        QVERIFY(flags & Qt::WindowDoesNotAcceptFocus);
        QVERIFY(!(flags & Qt::BypassWindowManagerHint));
        QVERIFY(panel->isVisible());
    }

    // Names Mesa and others give their OpenGL drawn by the processor, for
    // which the program takes Qt Quick's software renderer instead.
    void softwareRasterizers_data()
    {
        QTest::addColumn<QString>("renderer");
        QTest::addColumn<bool>("software");
        QTest::newRow("llvmpipe") << "llvmpipe (LLVM 15.0.6, 256 bits)" << true;
        QTest::newRow("softpipe") << "softpipe" << true;
        QTest::newRow("classic swrast") << "Software Rasterizer" << true;
        QTest::newRow("intel") << "Mesa Intel(R) UHD Graphics 620 (KBL GT2)" << false;
        QTest::newRow("amd") << "AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-18-amd64)" << false;
        QTest::newRow("virtio-gpu with host acceleration") << "virgl (Mesa Intel(R) Xe Graphics)" << false;
        QTest::newRow("unknown") << "" << false;
    }

    void softwareRasterizers()
    {
        QFETCH(QString, renderer);
        QTEST(ui::isSoftwareRasterizer(renderer), "software");
    }

    // A panel asked for a width it lacks widens, keeping its right edge and
    // staying on the screen, and gives the room back afterwards unless the
    // user has resized it since. Frames in Qt's coordinates.
    void idealWidth_data()
    {
        QTest::addColumn<QRect>("start");
        QTest::addColumn<int>("wider");
        QTest::addColumn<int>("resizedTo");
        QTest::addColumn<QRect>("widened");
        QTest::addColumn<QRect>("after");
        QTest::newRow("gives back what it took")
            << QRect(280, 100, 500, 350) << 600 << 0 << QRect(180, 100, 600, 350) << QRect(280, 100, 500, 350);
        QTest::newRow("stays on the screen")
            << QRect(0, 100, 500, 350) << 700 << 0 << QRect(0, 100, 700, 350) << QRect(200, 100, 500, 350);
        QTest::newRow("keeps a width the user chose")
            << QRect(130, 100, 500, 350) << 600 << 650 << QRect(30, 100, 600, 350) << QRect(30, 100, 650, 350);
        QTest::newRow("wide enough already")
            << QRect(50, 100, 700, 350) << 600 << 0 << QRect(50, 100, 700, 350) << QRect(50, 100, 700, 350);
    }

    void idealWidth()
    {
        QFETCH(QRect, start);
        QFETCH(int, wider);
        QFETCH(int, resizedTo);
        QFETCH(QRect, widened);
        QFETCH(QRect, after);
        const QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen->availableGeometry().contains(QRect(0, 100, 800, 350)));
        std::unique_ptr<FloatingPanel> panel(FloatingPanel::titledTransparent(
            BottomLeftSpace(screen->geometry()).fromQt(start), OverlayGeometry::minimumSize));
        panel->show();
        QCOMPARE(panel->geometry(), start);

        panel->setIdealWidth(wider, 50);
        QTRY_COMPARE(panel->geometry(), widened);
        if (resizedTo > 0)
            panel->resize(resizedTo, panel->height());
        panel->setIdealWidth(500, 50);
        QTRY_COMPARE(panel->geometry(), after);
        // And it stays there: nothing else is still moving it.
        QTest::qWait(150);
        QCOMPARE(panel->geometry(), after);
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
        QCOMPARE(preview->minimumSize(), QSize(400, 200));
        QCOMPARE(preview->maximumSize(), QSize(700, 600));
        QTRY_VERIFY(shownTexts(*preview).contains("Good morning, how are you today?"));
        QCOMPARE(shownTexts(*preview).size(), 6);

        fixture.viewModel->setIsTranslationPreviewVisible(true);
        preview->close();
        QTRY_VERIFY(!fixture.viewModel->isTranslationPreviewVisible());
    }
};

// A screen as wide as a laptop's, so that both languages side by side fit
// with the margin beside them (the offscreen screen is 800 wide otherwise).
int main(int argc, char* argv[])
{
    QTemporaryDir dir;
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen")) {
        QFile config(dir.filePath("screens.json"));
        if (!config.open(QIODevice::WriteOnly)
            || config.write(R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1440, "height": 900}]})") < 0)
            return 1;
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toUtf8());
    }
    QGuiApplication app(argc, argv);
    TestOverlayWindows test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_OverlayWindows.moc"
