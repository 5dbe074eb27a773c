#include "live/NetworkAddress.h"

#include <QTest>

using namespace tolvaran;

class TestNetworkAddress : public QObject
{
    Q_OBJECT

private slots:

    void defaultRoute_data()
    {
        const QByteArray heading
            = "Iface\tDestination\tGateway \tFlags\tRefCnt\tUse\tMetric\tMask\t\tMTU\tWindow\tIRTT\n";
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<QString>("interface");
        QTest::newRow("one default route") << heading
                + "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\t0\t0\t0\n"
                  "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
                                           << "eth0";
        QTest::newRow("the lowest metric wins") << heading
                + "wlan0\t00000000\t0101A8C0\t0003\t0\t0\t600\t00000000\t0\t0\t0\n"
                  "enp3s0\t00000000\t0100A8C0\t0003\t0\t0\t100\t00000000\t0\t0\t0\n"
                                                << "enp3s0";
        QTest::newRow("a route that is down")
            << heading + "eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\t0\t0\t0\n"
            << "";
        QTest::newRow("no default route") << heading + "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\t0\t0\t0\n"
                                          << "";
        QTest::newRow("nothing") << QByteArray() << "";
    }

    void defaultRoute()
    {
        QFETCH(QByteArray, table);
        QFETCH(QString, interface);
        QCOMPARE(defaultRouteInterface(table), interface);
    }
};

QTEST_GUILESS_MAIN(TestNetworkAddress)
#include "tst_NetworkAddress.moc"
