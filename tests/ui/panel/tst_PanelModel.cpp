#include "model/TolvaranError.h"
#include "panel/PanelModel.h"
#include "theme/IconTable.h"

#include <QTest>

using tolvaran::ConnectionState;
using tolvaran::PanelModel;
using tolvaran::TolvaranError;

class tst_PanelModel : public QObject
{
    Q_OBJECT

private slots:

    void trayIconFollowsState_data()
    {
        QTest::addColumn<ConnectionState>("state");
        QTest::addColumn<QString>("icon");
        QTest::newRow("disconnected") << ConnectionState::disconnected() << "waveform.circle";
        QTest::newRow("connecting") << ConnectionState::connecting()
                                    << "arrow.trianglehead.2.clockwise.rotate.90.circle";
        QTest::newRow("connected") << ConnectionState::connected() << "arrow.trianglehead.2.clockwise.rotate.90.circle";
        QTest::newRow("listening") << ConnectionState::listening() << "waveform.circle.fill";
        QTest::newRow("connection failed")
            << ConnectionState::error(TolvaranError::connectionFailed("refused")) << "exclamationmark.triangle";
        QTest::newRow("capture failed") << ConnectionState::error(TolvaranError::audioCaptureFailed("gone"))
                                        << "exclamationmark.triangle";
        QTest::newRow("server error") << ConnectionState::error(TolvaranError::serverError("<b>x</b>"))
                                      << "exclamationmark.triangle";
    }

    void trayIconFollowsState()
    {
        QFETCH(ConnectionState, state);
        QFETCH(QString, icon);
        QCOMPARE(PanelModel::trayIcon(state), icon);
        QVERIFY(tolvaran::IconTable::codepoint(icon));
    }
};

QTEST_GUILESS_MAIN(tst_PanelModel)
#include "tst_PanelModel.moc"
