#include "PanelFixture.h"
#include "UiEngine.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

Q_IMPORT_QML_PLUGIN(Tolvaran_UiPlugin)

// Runs the tst_*.qml files beside this one. The panel tests reach the
// program's real view model through a fixture with a test server.
class Setup : public QObject
{
    Q_OBJECT

public slots:

    void qmlEngineAvailable(QQmlEngine* engine)
    {
        tolvaran::ui::prepareEngine(*engine);
        auto* fixture = new tolvaran::test::PanelFixture(engine);
        engine->rootContext()->setContextProperty(QStringLiteral("fixture"), fixture);
    }
};

QUICK_TEST_MAIN_WITH_SETUP(tolvaran_ui, Setup)
#include "tst_QmlViews.moc"
