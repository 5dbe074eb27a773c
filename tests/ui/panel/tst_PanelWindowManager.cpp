#include "../PanelFixture.h"
#include "UiEngine.h"

#include <QProcess>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QTest>
#include <QtQml/qqmlextensionplugin.h>

#include <memory>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

using namespace tolvaran;

namespace {

// The window's height as the X server has it, which a window manager
// decides; Qt's own may be what it asked for.
int serverHeight(const QWindow& window)
{
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window.winId())});
    if (!info.waitForFinished(5000))
        return -1;
    for (const QString& line : QString::fromUtf8(info.readAllStandardOutput()).split('\n'))
        if (line.trimmed().startsWith(QLatin1String("Height:")))
            return line.section(':', 1).trimmed().toInt();
    return -1;
}

QQuickItem* named(QQuickItem* item, const QString& name)
{
    if (item->objectName() == name)
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = named(child, name))
            return found;
    return nullptr;
}

} // namespace

// The panel under a real window manager (scripts/with-x-session starts
// openbox on a display of its own): as its content grows and shrinks with
// the state, the window follows, with nothing cut off and no blank strip.
class TestPanelWindowManager : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "run through scripts/with-x-session");
        QProcess check;
        check.start(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        QVERIFY(check.waitForFinished(5000));
        QVERIFY2(check.readAllStandardOutput().contains("window id"), "no window manager runs");
    }

    void heightFollowsContent_data()
    {
        QTest::addColumn<bool>("isPopup");
        QTest::newRow("popup beside the tray") << true;
        QTest::newRow("ordinary window") << false;
    }

    void heightFollowsContent()
    {
        QFETCH(bool, isPopup);
        test::PanelFixture fixture;
        QVERIFY(fixture.reset(true, 2));
        fixture.viewModel().checkPermission();
        QQmlEngine engine;
        ui::prepareEngine(engine);
        QQmlComponent component(&engine, QUrl(QStringLiteral("qrc:/Tolvaran/Ui/panel/PanelWindow.qml")));
        std::unique_ptr<QObject> object(
            component.createWithInitialProperties({{"viewModel", QVariant::fromValue(fixture.viewModelObject())},
                {"settings", QVariant::fromValue(fixture.settingsObject())},
                {"updater", QVariant::fromValue(fixture.updaterObject())}, {"isPopup", isPopup}}));
        auto* window = qobject_cast<QQuickWindow*>(object.get());
        QVERIFY2(window, qPrintable(component.errorString()));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QQuickItem* view = window->contentItem()->childItems().last();
        QQuickItem* quit = named(window->contentItem(), QStringLiteral("quitButton"));
        QVERIFY(view && quit);

        const auto fits = [&] {
            const int content = int(std::ceil(view->implicitHeight()));
            const double quitBottom = quit->mapToScene(QPointF(0, quit->height())).y();
            return window->height() == content && serverHeight(*window) == content && quitBottom <= content;
        };
        QTRY_VERIFY_WITH_TIMEOUT(fits(), 10000);
        const int idle = window->height();

        // An error adds its text to the footer: taller.
        fixture.startListening(QStringLiteral("refuse"));
        QTRY_VERIFY_WITH_TIMEOUT(fixture.viewModel().state().kind() == ConnectionState::Kind::error, 5000);
        QTRY_VERIFY_WITH_TIMEOUT(window->height() > idle && fits(), 10000);

        // Listening: "Start Room" goes, the panel gets shorter.
        fixture.startListening();
        QTRY_VERIFY_WITH_TIMEOUT(fixture.viewModel().isListening(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(window->height() < idle && fits(), 10000);
        fixture.viewModel().stopListening();
        QTRY_VERIFY_WITH_TIMEOUT(!fixture.viewModel().isListening(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(window->height() == idle && fits(), 10000);
    }
};

QTEST_MAIN(TestPanelWindowManager)
#include "tst_PanelWindowManager.moc"
