// Shows the settings window on each tab and the subtitles over the desktop,
// and saves a picture of each (scripts/picture), so that they can be looked
// at without a desktop. Run by scripts/screenshots-settings.
//   settings_screens OUT settings PREFIX   every tab of the settings window
//   settings_screens OUT subtitles PREFIX  the subtitles in each display mode

#include "../../core/live/ViewModelFixture.h"
#include "InterfaceTranslator.h"
#include "QuickTestItems.h"
#include "ScreenPicture.h"
#include "UiEngine.h"
#include "desktop/UpdaterService.h"
#include "settingswindow/SettingsWindowManager.h"
#include "subtitles/SubtitlesWindowManager.h"

#include <QApplication>
#include <QImage>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

using test::findNamed;

using test::nextFrame;
using test::otherWindow;
using test::takePicture;

QString finished(const QString& speaker, const QString& original, const QString& translation)
{
    return QStringLiteral(
        R"({"type":"result","original":"%2","translation":"%3","tokens":[{"text":"%2","is_final":true,"speaker":"%1","language":"es"}]})")
        .arg(speaker, original, translation);
}

int settingsScreens(const QString& out, const QString& prefix)
{
    test::ViewModelFixture fixture;
    fixture.settings->setSpeakerLanguages({TargetLanguage::spanish, TargetLanguage::german});
    fixture.settings->setIsAutoDetectEnabled(true);
    // What the Capture picker offers besides all audio and the call.
    fixture.capture->setPlayingApplications({{"chromium", "Chromium Web Browser (YouTube, Meet)"},
        {"firefox-esr", "Firefox"}, {"teams", "Microsoft Teams"}, {"spotify", "Spotify"}});
    fixture.settings->setCaptureScope(QStringLiteral("app:spotify"));
    QQmlEngine engine;
    ui::prepareEngine(engine);
    // In the desktop's language, as the program.
    InterfaceTranslator translator(&engine);
    translator.apply(QStringLiteral("system"));
    UpdaterService updater(QUrl(), QStringLiteral("1.0"));
    SettingsWindowManager windows(engine);
    windows.setUpdater(&updater);
    windows.show(*fixture.viewModel, *fixture.services);
    QQuickWindow* window = windows.window();
    if (!window || !QTest::qWaitForWindowExposed(window))
        return 1;
    QQuickItem* view = window->contentItem()->childItems().value(0);
    const QStringList names{"general", "connection", "translation", "subtitles", "audio", "recording", "advanced"};
    for (int tab = 0; tab < names.size(); ++tab) {
        view->setProperty("selectedTab", tab);
        // With the window manager's frame, where there is one.
        const QRect frame = window->frameGeometry().adjusted(-8, -8, 8, 8);
        takePicture(frame, QStringLiteral("%1/%2-%3.png").arg(out, prefix, names.at(tab)));
    }
    // The colour well's and the folder chooser's dialogs (Qt Quick's own
    // where no desktop portal or platform dialog serves).
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto clickNamed = [&](int tab, const QString& name) {
        view->setProperty("selectedTab", tab);
        // Clicked where the tab, once laid out, shows it.
        nextFrame(window);
        if (QQuickItem* item = findNamed(view, name))
            QTest::mouseClick(window, Qt::LeftButton, {}, item->mapToScene(item->boundingRect().center()).toPoint());
    };
    const auto dialogPicture = [&](const QString& path) {
        if (!QTest::qWaitFor([&] { return otherWindow(window) != nullptr; }, 10000))
            qWarning("No dialog opened; the picture shows what there is");
        takePicture(screen, path, test::stillBesideCursor);
        QWindow* dialog = otherWindow(window);
        QTest::keyClick(dialog ? dialog : window, Qt::Key_Escape);
        if (!QTest::qWaitFor([&] { return otherWindow(window) == nullptr; }, 10000))
            qWarning("The dialog stayed open");
    };
    clickNamed(2, QStringLiteral("colorWell"));
    dialogPicture(QStringLiteral("%1/%2-color-dialog.png").arg(out, prefix));
    clickNamed(5, QStringLiteral("chooseFolder"));
    dialogPicture(QStringLiteral("%1/%2-folder-dialog.png").arg(out, prefix));

    // The Capture picker open, and a chosen program that stopped playing.
    clickNamed(4, QStringLiteral("capture"));
    takePicture(
        window->frameGeometry().adjusted(-8, -8, 8, 8), QStringLiteral("%1/%2-capture-open.png").arg(out, prefix));
    QTest::keyClick(window, Qt::Key_Escape);
    fixture.capture->setPlayingApplications({{"firefox-esr", "Firefox"}});
    takePicture(
        window->frameGeometry().adjusted(-8, -8, 8, 8), QStringLiteral("%1/%2-capture-stopped.png").arg(out, prefix));

    // An invalid server URL, as the Connection tab shows it.
    fixture.settings->setServerURL(QStringLiteral("localhost:3000"));
    view->setProperty("selectedTab", 1);
    takePicture(
        window->frameGeometry().adjusted(-8, -8, 8, 8), QStringLiteral("%1/%2-invalid-url.png").arg(out, prefix));
    return 0;
}

int subtitlesScreens(const QString& out, const QString& prefix)
{
    test::ViewModelFixture fixture;
    QQmlEngine engine;
    ui::prepareEngine(engine);
    // In the desktop's language, as the program.
    InterfaceTranslator translator(&engine);
    translator.apply(QStringLiteral("system"));
    SubtitlesWindowManager windows(engine);
    QCoro::waitFor(fixture.viewModel->startListening());
    fixture.server.sendText(finished("1", "Buenos días a todos.", "Good morning, everyone."));
    fixture.server.sendText(finished("1", "Empecemos con el presupuesto.", "Let us start with the budget."));
    if (!QTest::qWaitFor([&] { return fixture.viewModel->translationLines().size() == 2; }, 5000))
        qWarning("The lines did not arrive; the pictures show what there is");
    windows.show(*fixture.viewModel, *fixture.settings);
    if (!windows.panel() || !QTest::qWaitForWindowExposed(windows.panel()))
        return 1;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const auto shot = [&](const QString& name) {
        const QRect panel = windows.panel()->geometry();
        takePicture(QRect(screen.x(), panel.y() - 40, screen.width(), screen.bottom() - panel.y() + 41),
            QStringLiteral("%1/%2-%3.png").arg(out, prefix, name));
    };
    for (const auto& [mode, name] : {std::pair{DisplayMode::both, "both"},
             std::pair{DisplayMode::translatedOnly, "translated"}, std::pair{DisplayMode::originalOnly, "original"}}) {
        fixture.settings->setDisplayMode(mode);
        shot(QString::fromLatin1(name));
    }
    fixture.settings->setDisplayMode(DisplayMode::both);
    fixture.server.sendText(finished("1",
        "Y ahora, antes de pasar al siguiente punto del orden del día, quisiera repasar con calma todas las cifras del "
        "trimestre pasado, una por una.",
        "And now, before we move on to the next item on the agenda, I would like to go calmly through all the figures "
        "of the last quarter, one by one."));
    if (!QTest::qWaitFor([&] { return fixture.viewModel->translationLines().size() == 3; }, 5000))
        qWarning("The long line did not arrive; the picture shows what there is");
    shot("long");
    // Mid-way through a change: the new caption fades in over the old one
    // while the boxes ease to their new size.
    const QImage before = windows.panel()->grabWindow();
    fixture.server.sendText(finished("1", "Gracias.", "Thank you."));
    if (QTest::qWaitFor([&] { return windows.panel()->grabWindow() != before; }, 5000)) {
        // Taken at once, as the change has begun.
        const QRect panel = windows.panel()->geometry();
        takePicture(QRect(screen.x(), panel.y() - 40, screen.width(), screen.bottom() - panel.y() + 41),
            QStringLiteral("%1/%2-changing.png").arg(out, prefix), {});
    }
    fixture.settings->setSubtitlesSide(AppSettings::SubtitlesSide::left);
    fixture.settings->setSubtitleBgOpacity(0.4);
    shot("left");
    fixture.settings->setSubtitlesSide(AppSettings::SubtitlesSide::center);
    fixture.settings->setSubtitleBgOpacity(0.75);
    fixture.viewModel->setIsSubtitlePreviewVisible(true);
    windows.hide();
    windows.showPreview(*fixture.viewModel, *fixture.settings);
    if (!windows.previewPanel() || !QTest::qWaitForWindowExposed(windows.previewPanel()))
        return 1;
    const QRect preview = windows.previewPanel()->geometry();
    takePicture(QRect(screen.x(), preview.y() - 40, screen.width(), screen.bottom() - preview.y() + 41),
        QStringLiteral("%1/%2-preview.png").arg(out, prefix));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        qCritical("usage: settings_screens OUT settings|subtitles PREFIX");
        return 2;
    }
    return arguments.at(2) == QLatin1String("subtitles") ? subtitlesScreens(arguments.at(1), arguments.at(3))
                                                         : settingsScreens(arguments.at(1), arguments.at(3));
}
