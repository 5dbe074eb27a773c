#include "NetworkAddress.h"

#include <QFile>
#include <QNetworkInterface>

#include <limits>

namespace tolvaran {

namespace {

constexpr uint routeIsUp = 0x1;

} // namespace

QString defaultRouteInterface(const QByteArray& routeTable)
{
    QString best;
    uint bestMetric = std::numeric_limits<uint>::max();
    const QList<QByteArray> lines = routeTable.split('\n');
    // The first line names the columns.
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() < 8)
            continue;
        bool ok = false;
        const uint flags = fields[3].toUInt(&ok, 16);
        if (!ok || !(flags & routeIsUp) || fields[1] != "00000000" || fields[7] != "00000000")
            continue;
        const uint metric = fields[6].toUInt(&ok);
        if (ok && metric < bestMetric) {
            bestMetric = metric;
            best = QString::fromLocal8Bit(fields[0]);
        }
    }
    return best;
}

QString defaultRouteAddress()
{
    QFile routes(QStringLiteral("/proc/net/route"));
    if (!routes.open(QIODevice::ReadOnly))
        return {};
    const QString name = defaultRouteInterface(routes.readAll());
    if (name.isEmpty())
        return {};
    for (const QNetworkAddressEntry& entry : QNetworkInterface::interfaceFromName(name).addressEntries()) {
        if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !entry.ip().isLoopback())
            return entry.ip().toString();
    }
    return {};
}

} // namespace tolvaran
