// Shows the panel in each of its states on the X display and saves a
// picture of each (scripts/picture), so that the windows can be looked at
// without a desktop. Run by scripts/screenshots.

#include "../PanelFixture.h"
#include "InterfaceTranslator.h"
#include "ScreenPicture.h"
#include "UiEngine.h"
#include "desktop/UpdaterService.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QPalette>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <functional>
#include <memory>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using tolvaran::test::PanelFixture;

namespace {

constexpr QPoint panelPosition(560, 40);

std::unique_ptr<QQuickWindow> create(QQmlEngine& engine, const QString& path, const QVariantMap& properties)
{
    QQmlComponent component(&engine, QUrl(path));
    std::unique_ptr<QObject> object(component.createWithInitialProperties(properties));
    if (!qobject_cast<QQuickWindow*>(object.get())) {
        qCritical("%s", qPrintable(component.errorString()));
        return nullptr;
    }
    return std::unique_ptr<QQuickWindow>(static_cast<QQuickWindow*>(object.release()));
}

void waitFor(const std::function<bool()>& condition, int milliseconds)
{
    if (!QTest::qWaitFor(condition, milliseconds))
        qWarning("The state was not reached in time; the picture shows what there is");
}

// Shows window and saves the screen around it once it is still (or, for a
// state that moves by itself, at once).
bool shoot(QQuickWindow& window, const QString& path, bool still = true)
{
    // The pointer away from the window: no hover shows.
    QCursor::setPos(0, 799);
    window.setPosition(panelPosition);
    window.show();
    window.requestActivate();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    const QRect area = window.frameGeometry().adjusted(-24, -24, 24, 24);
    const bool saved = tolvaran::test::takePicture(area, path, still ? QStringList{"--still"} : QStringList{});
    window.hide();
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 2) {
        qCritical("usage: panel_screens OUTPUT_FOLDER [dark]");
        return 2;
    }
    const QDir out(arguments.at(1));
    const bool dark = arguments.size() > 2 && arguments.at(2) == QLatin1String("dark");
    const QString suffix = dark ? QStringLiteral("-dark") : QString();
    if (dark) {
        QPalette palette;
        palette.setColor(QPalette::Window, QColor(0x2B, 0x2B, 0x2E));
        palette.setColor(QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0));
        QGuiApplication::setPalette(palette);
    }

    QQmlEngine engine;
    tolvaran::ui::prepareEngine(engine);
    // In the desktop's language, as the program.
    tolvaran::InterfaceTranslator translator(&engine);
    translator.apply(QStringLiteral("system"));
    PanelFixture fixture;
    tolvaran::UpdaterService updater(QUrl(QStringLiteral("http://127.0.0.1:9/feed.json")), QStringLiteral("0.1.0"));

    struct State
    {
        QString name;
        bool permission;
        int recordings;
        std::function<void(PanelFixture&)> drive;
    };

    const auto listening = [](PanelFixture& f) {
        f.startListening();
        waitFor([&] { return f.viewModel().isListening(); }, 5000);
    };
    const QList<State> states{
        {"no-permission", false, 2, {}},
        {"idle-empty", true, 0, {}},
        {"idle-recordings", true, 7, {}},
        {"listening", true, 3, listening},
        {"recording", true, 3,
            [&](PanelFixture& f) {
                listening(f);
                f.viewModel().startRecording();
            }},
        {"recording-notice", true, 3,
            [&](PanelFixture& f) {
                f.makeRecordingsFolderReadOnly();
                listening(f);
                f.viewModel().startRecording();
            }},
        {"room", true, 2,
            [](PanelFixture& f) {
                f.viewModel().setIsRoomMode(true);
                f.startListening();
                waitFor([&] { return f.viewModel().isListening(); }, 5000);
                f.sendRoomCreated(QStringLiteral("k7Qx2"));
                f.sendRoomUpdate(3, {{"de", 2}, {"fr", 1}, {"ja", 4}, {"pt", 1}, {"es", 2}, {"it", 1}});
                waitFor([&] { return f.viewModel().roomSubscriberCount() == 3; }, 5000);
            }},
        {"room-reconnecting", true, 2,
            [](PanelFixture& f) {
                static_cast<tolvaran::AppSettings*>(f.settingsObject())->setShareRoomsOnNetwork(true);
                f.viewModel().setIsRoomMode(true);
                f.startListening();
                waitFor([&] { return f.viewModel().isListening(); }, 5000);
                f.sendRoomCreated(QStringLiteral("k7Qx2"));
                f.sendRoomUpdate(2, {{"de", 1}, {"fr", 1}});
                waitFor([&] { return f.viewModel().roomSubscriberCount() == 2; }, 5000);
                // As after a reconnect to a server that opened another room.
                f.viewModel().room()->setHasLinkChanged(true);
                f.loseConnection();
                waitFor([&] { return f.viewModel().session()->isReconnecting(); }, 5000);
            }},
        {"sound-server-away", true, 3,
            [&](PanelFixture& f) {
                listening(f);
                f.reportSoundServerAway(true);
                waitFor([&] { return f.viewModel().isSoundServerAway(); }, 5000);
            }},
        {"waiting-for-teams", true, 0,
            [&](PanelFixture& f) {
                static_cast<tolvaran::AppSettings*>(f.settingsObject())->setCaptureScope(QStringLiteral("callApp"));
                listening(f);
            }},
        {"error", true, 1,
            [](PanelFixture& f) {
                f.startListening(QStringLiteral("refuse"));
                waitFor([&] { return f.viewModel().state().kind() == tolvaran::ConnectionState::Kind::error; }, 5000);
            }},
        {"server-notice", true, 1,
            [&](PanelFixture& f) {
                listening(f);
                f.sendServerMessage(QStringLiteral("notice"),
                    QStringLiteral("The local server cannot translate to German; showing the transcript only"));
                waitFor([&] { return !f.viewModel().serverNotice().isEmpty(); }, 5000);
            }},
        {"server-error-markup", true, 1,
            [&](PanelFixture& f) {
                listening(f);
                f.sendServerMessage(QStringLiteral("error"),
                    QStringLiteral("<b>Quota exceeded</b> for <a href=\"https://x\">this key</a>; "
                                   "<img src=\"file:///usr/share/pixmaps/debian-logo.png\"> retry later"));
                waitFor([&] { return f.viewModel().state().kind() == tolvaran::ConnectionState::Kind::error; }, 5000);
            }},
    };

    bool ok = true;
    for (const State& state : states) {
        ok = fixture.reset(state.permission, state.recordings) && ok;
        fixture.viewModel().checkPermission();
        if (state.drive)
            state.drive(fixture);
        auto window = create(engine, QStringLiteral("qrc:/Tolvaran/Ui/panel/PanelWindow.qml"),
            {{"viewModel", QVariant::fromValue(fixture.viewModelObject())},
                {"settings", QVariant::fromValue(fixture.settingsObject())},
                {"updater", QVariant::fromValue(static_cast<QObject*>(&updater))}, {"isPopup", true}});
        ok = window && shoot(*window, out.filePath(QStringLiteral("panel-%1%2.png").arg(state.name, suffix))) && ok;
        if (fixture.viewModel().isListening() || fixture.viewModel().isRecording()) {
            fixture.viewModel().stopListening();
            waitFor([&] { return !fixture.viewModel().isListening(); }, 5000);
        }
    }

    // Connecting lasts half a second: pictured as soon as the panel shows.
    {
        ok = fixture.reset(true, 3) && ok;
        fixture.viewModel().checkPermission();
        auto window = create(engine, QStringLiteral("qrc:/Tolvaran/Ui/panel/PanelWindow.qml"),
            {{"viewModel", QVariant::fromValue(fixture.viewModelObject())},
                {"settings", QVariant::fromValue(fixture.settingsObject())},
                {"updater", QVariant::fromValue(static_cast<QObject*>(&updater))}, {"isPopup", true}});
        fixture.startListening(QStringLiteral("hang"));
        ok = window && shoot(*window, out.filePath(QStringLiteral("panel-connecting%1.png").arg(suffix)), false) && ok;
    }

    const QList<std::pair<QString, tolvaran::UpdateCheckResult>> results{
        {"update-up-to-date", tolvaran::UpdaterService::evaluateFeed("{\"version\": \"0.1.0\"}", "0.1.0")},
        {"update-available",
            tolvaran::UpdaterService::evaluateFeed(
                "{\"version\": \"0.2.0\", \"releaseNotesURL\": \"https://example.org/0.2.0\"}", "0.1.0")},
        {"update-failed", tolvaran::UpdaterService::evaluateFeed("{", "0.1.0")},
    };
    for (const auto& [name, result] : results) {
        auto dialog = create(engine, QStringLiteral("qrc:/Tolvaran/Ui/panel/UpdateResultDialog.qml"),
            {{"heading", result.title()}, {"message", result.message()}, {"pageURL", result.pageURL}});
        ok = dialog && shoot(*dialog, out.filePath(QStringLiteral("dialog-%1%2.png").arg(name, suffix))) && ok;
    }
    return ok ? 0 : 1;
}
