#include "../core/live/ViewModelFixture.h"
#include "PanelFixture.h"
#include "QuickTestItems.h"
#include "UiEngine.h"
#include "desktop/UpdaterService.h"
#include "overlay/OverlayWindowManager.h"
#include "overlay/TypewriterText.h"
#include "theme/IconTable.h"
#include "theme/TextColors.h"

#include <QCoroTask>
#include <QGuiApplication>
#include <QPalette>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <algorithm>
#include <functional>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

// The roles of qt6ct's "darker" scheme that views read.
QPalette darkPalette()
{
    QPalette palette;
    for (const auto& [role, color] : std::initializer_list<std::pair<QPalette::ColorRole, const char*>>{
             {QPalette::Window, "#222020"}, {QPalette::WindowText, "#ffffff"}, {QPalette::Base, "#3d3d3d"},
             {QPalette::Text, "#ffffff"}, {QPalette::Button, "#424245"}, {QPalette::ButtonText, "#ffffff"},
             {QPalette::Highlight, "#12608a"}, {QPalette::HighlightedText, "#f9f9f9"},
             {QPalette::ToolTipBase, "#3f3f36"}, {QPalette::ToolTipText, "#ffffff"}})
        palette.setColor(role, QColor(color));
    return palette;
}

double effectiveOpacity(const QQuickItem* item)
{
    double opacity = 1;
    for (; item; item = item->parentItem())
        opacity *= item->opacity();
    return opacity;
}

struct ShownText
{
    QQuickItem* item;
    QString text;
    QColor color;
    QRectF area; // in the window
};

// Every text a reader sees: visible, settled to full opacity, on an enabled
// control (a disabled one is drawn faint on purpose), not an icon glyph.
void collectTexts(QQuickItem* item, QList<ShownText>& texts)
{
    if (!item->isVisible() || effectiveOpacity(item) < 0.99 || !item->isEnabled())
        return;
    const QRectF area = item->mapRectToScene(item->boundingRect());
    if (auto* typed = qobject_cast<TypewriterText*>(item)) {
        for (const QVariant& value : typed->property("segments").toList()) {
            const QVariantMap segment = value.toMap();
            if (!segment.value("text").toString().trimmed().isEmpty())
                texts.append({item, segment.value("text").toString(), segment.value("color").value<QColor>(), area});
        }
    } else if (item->inherits("QQuickText") || item->inherits("QQuickTextEdit")) {
        const QString text = item->property("text").toString();
        const bool isIcon = item->property("font").value<QFont>().family() == IconTable().fontFamily();
        if (!text.trimmed().isEmpty() && !isIcon) {
            // Only where the text lies: a label may be wider than its words.
            const double width = std::min(item->width(), item->property("contentWidth").toDouble());
            const int alignment = item->property("horizontalAlignment").toInt();
            const double x = alignment & Qt::AlignRight ? item->width() - width
                : alignment & Qt::AlignHCenter          ? (item->width() - width) / 2
                                                        : 0;
            texts.append({item, text, item->property("color").value<QColor>(),
                item->mapRectToScene(QRectF(x, 0, width, item->height()))});
        }
    }
    for (QQuickItem* child : item->childItems())
        collectTexts(child, texts);
}

// Waits until two pictures in a row are the same: fades and moves are over.
QImage settledPicture(QQuickWindow& window)
{
    QImage before = window.grabWindow();
    QImage now;
    for (int i = 0; i < 100; ++i) {
        QTest::qWait(50);
        now = window.grabWindow();
        if (now == before)
            return now;
        before = now;
    }
    qWarning("The window kept changing");
    return now;
}

// The contrast of color against the pixels under area, leaving out the
// tenth that is least like the rest: a border or the edge of a card.
double contrastOver(const QColor& color, const QImage& background, const QRect& area)
{
    QList<double> ratios;
    const QRect inside = area & background.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ratios.append(TextColors::contrast(color, QColor::fromRgba(qUnpremultiply(background.pixel(x, y)))));
    if (ratios.isEmpty())
        return 0;
    std::sort(ratios.begin(), ratios.end());
    return ratios.at(ratios.size() / 10);
}

QStringList lowContrastTexts(QQuickWindow& window)
{
    settledPicture(window);
    QList<ShownText> texts;
    collectTexts(window.contentItem(), texts);
    if (texts.isEmpty())
        return {QStringLiteral("no text found")};
    // The background is what remains with the texts drawn in no colour; the
    // layout stays as it is.
    for (const ShownText& text : texts) {
        if (qobject_cast<TypewriterText*>(text.item)) {
            QVariantList segments = text.item->property("segments").toList();
            for (QVariant& segment : segments) {
                QVariantMap map = segment.toMap();
                map.insert("color", QColor(Qt::transparent));
                segment = map;
            }
            text.item->setProperty("segments", segments);
        } else {
            text.item->setProperty("color", QColor(Qt::transparent));
        }
    }
    const QImage background = settledPicture(window);
    QStringList low;
    for (const ShownText& text : texts) {
        const double ratio = contrastOver(text.color, background, text.area.toAlignedRect());
        if (ratio < TextColors::minimumContrast)
            low.append(QStringLiteral("\"%1\" in %2 at %4,%5 %6x%7: %3:1")
                           .arg(text.text.left(40), text.color.name(QColor::HexArgb))
                           .arg(ratio, 0, 'f', 2)
                           .arg(text.area.x())
                           .arg(text.area.y())
                           .arg(text.area.width())
                           .arg(text.area.height()));
    }
    return low;
}

std::unique_ptr<QQuickWindow> create(QQmlEngine& engine, const QString& path, const QVariantMap& properties)
{
    QQmlComponent component(&engine, QUrl(path));
    std::unique_ptr<QObject> object(component.createWithInitialProperties(properties));
    if (!qobject_cast<QQuickWindow*>(object.get())) {
        qWarning("%s", qPrintable(component.errorString()));
        return nullptr;
    }
    return std::unique_ptr<QQuickWindow>(static_cast<QQuickWindow*>(object.release()));
}

using test::PreparedEngine;

const QByteArray halloFinished
    = R"({"type":"result","original":"Hallo","translation":"Hello","tokens":[{"text":"Hallo","is_final":true,"speaker":"1","language":"de","translation_status":"original"}]})";
const QByteArray interim
    = R"({"type":"result","original":"wie geht","translation":"how are","tokens":[{"text":"wie geht","is_final":false,"speaker":"1"}]})";

} // namespace

// Every text of the overlay, its preview, the panel and the update dialog,
// in a light and a dark palette, reads against what it is drawn on.
class TestTextContrast : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase() { QQuickWindow::setGraphicsApi(QSGRendererInterface::Software); }

    void cleanup() { QGuiApplication::setPalette(QPalette()); }

    void rule_data()
    {
        QTest::addColumn<QColor>("background");
        QTest::newRow("white") << QColor(Qt::white);
        QTest::newRow("black") << QColor(Qt::black);
        QTest::newRow("mid grey") << QColor(0x77, 0x77, 0x77);
        QTest::newRow("yellow") << QColor(Qt::yellow);
        QTest::newRow("navy") << QColor(0x10, 0x20, 0x60);
        QTest::newRow("translucent light") << QColor::fromRgbF(0.97f, 0.97f, 0.98f, 0.85f);
        QTest::newRow("translucent dark") << QColor::fromRgbF(0.16f, 0.16f, 0.17f, 0.85f);
    }

    // Each level and each coloured text reaches the minimum on any
    // background, and the levels stay in order.
    void rule()
    {
        QFETCH(QColor, background);
        const double primary = TextColors::contrast(TextColors::label(background, TextColors::Primary), background);
        const double secondary = TextColors::contrast(TextColors::label(background, TextColors::Secondary), background);
        const double tertiary = TextColors::contrast(TextColors::label(background, TextColors::Tertiary), background);
        QVERIFY2(tertiary >= TextColors::minimumContrast || tertiary == primary, qPrintable(QString::number(tertiary)));
        QVERIFY(primary >= secondary && secondary >= tertiary);
        for (const QColor color : {QColor("#E0352B"), QColor("#FF9F0A"), QColor("#0A84FF"), QColor(Qt::white)}) {
            const QColor readable = TextColors::readable(color, background);
            QVERIFY2(TextColors::contrast(readable, background) >= TextColors::minimumContrast
                    || readable == TextColors::ink(background),
                qPrintable(color.name()));
        }
        // Faint live words: fainter than the text, but still read.
        const QColor text = TextColors::ink(background);
        const QColor faint = TextColors::faint(text, background, 0.35);
        QVERIFY(TextColors::contrast(faint, background) >= TextColors::minimumContrast);
        if (TextColors::contrast(text, background) > 2 * TextColors::minimumContrast)
            QVERIFY(faint.alphaF() < 1);
    }

    void windows_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<QString>("window");
        for (const bool dark : {false, true}) {
            for (const char* window : {"overlay", "overlay listening", "preview", "panel", "panel without permission",
                     "panel in a room", "panel in error", "panel window", "update dialog"})
                QTest::addRow("%s, %s", window, dark ? "dark" : "light") << dark << QString::fromLatin1(window);
        }
    }

    void windows()
    {
        QFETCH(bool, dark);
        QFETCH(QString, window);
        QGuiApplication::setPalette(dark ? darkPalette() : QPalette());

        PreparedEngine engine;
        if (window.startsWith("overlay") || window == "preview") {
            test::ViewModelFixture fixture;
            fixture.settings->setDisplayMode(DisplayMode::both);
            OverlayWindowManager windows(engine);
            if (window == "preview") {
                windows.showPreview(*fixture.viewModel, *fixture.settings);
                QVERIFY(QTest::qWaitForWindowExposed(windows.previewPanel()));
                const QStringList low = lowContrastTexts(*windows.previewPanel());
                QVERIFY2(low.isEmpty(), qPrintable(low.join("; ")));
                return;
            }
            QCoro::waitFor(fixture.viewModel->startListening());
            QVERIFY(fixture.viewModel->isListening());
            windows.show(*fixture.viewModel, *fixture.settings);
            FloatingPanel* panel = windows.panel();
            QVERIFY(QTest::qWaitForWindowExposed(panel));
            if (window == "overlay") {
                fixture.feed(halloFinished);
                fixture.feed(interim);
                // The language and the time show under the pointer.
                QQuickItem* text = nullptr;
                QTRY_VERIFY((text = [&]() -> QQuickItem* {
                    QList<ShownText> texts;
                    collectTexts(panel->contentItem(), texts);
                    for (const ShownText& shown : texts)
                        if (shown.text.startsWith("Hello"))
                            return shown.item;
                    return nullptr;
                }()));
                QTest::mouseMove(panel, text->mapToScene(QPointF(5, 5)).toPoint());
            }
            const QStringList low = lowContrastTexts(*panel);
            QVERIFY2(low.isEmpty(), qPrintable(low.join("; ")));
            return;
        }

        test::PanelFixture fixture;
        UpdaterService updater(QUrl(QStringLiteral("http://127.0.0.1:9/feed.json")), QStringLiteral("0.1.0"));
        std::unique_ptr<QQuickWindow> shown;
        if (window == "update dialog") {
            const UpdateCheckResult result = UpdaterService::evaluateFeed(
                "{\"version\": \"0.2.0\", \"releaseNotesURL\": \"https://example.org/0.2.0\"}", "0.1.0");
            shown = create(engine, QStringLiteral("qrc:/Tolvaran/Ui/panel/UpdateResultDialog.qml"),
                {{"heading", result.title()}, {"message", result.message()}, {"pageURL", result.pageURL}});
        } else {
            QVERIFY(fixture.reset(window != "panel without permission", 2));
            fixture.viewModel().checkPermission();
            if (window == "panel in a room") {
                fixture.viewModel().setIsRoomMode(true);
                fixture.startListening();
                QTRY_VERIFY(fixture.viewModel().isListening());
                fixture.viewModel().startRecording();
                fixture.sendRoomCreated(QStringLiteral("k7Qx2"));
                fixture.sendRoomUpdate(3, {{"de", 2}, {"fr", 1}});
                QTRY_COMPARE(fixture.viewModel().roomSubscriberCount(), 3);
            } else if (window == "panel in error") {
                fixture.startListening(QStringLiteral("refuse"));
                QTRY_COMPARE(fixture.viewModel().state().kind(), ConnectionState::Kind::error);
                QTRY_VERIFY(fixture.hasStartFinished());
            }
            shown = create(engine, QStringLiteral("qrc:/Tolvaran/Ui/panel/PanelWindow.qml"),
                {{"viewModel", QVariant::fromValue(fixture.viewModelObject())},
                    {"settings", QVariant::fromValue(fixture.settingsObject())},
                    {"updater", QVariant::fromValue(static_cast<QObject*>(&updater))},
                    {"isPopup", window != "panel window"}});
        }
        QVERIFY(shown);
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown.get()));
        const QStringList low = lowContrastTexts(*shown);
        QVERIFY2(low.isEmpty(), qPrintable(low.join("; ")));
        if (fixture.viewModel().isListening()) {
            fixture.viewModel().stopListening();
            // The stop waits for the server's last results; no task of it may
            // outlive the row.
            QTRY_COMPARE_WITH_TIMEOUT(fixture.viewModel().state().kind(), ConnectionState::Kind::disconnected, 5000);
        }
    }
};

QTEST_MAIN(TestTextContrast)
#include "tst_TextContrast.moc"
