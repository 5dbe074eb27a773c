#pragma once

#include <QByteArray>
#include <QString>

namespace tolvaran {

// The interface of the default route, as the kernel's IPv4 routing table
// (/proc/net/route) names it: the up route to 0.0.0.0/0 with the lowest
// metric. Empty when there is none (no network).
QString defaultRouteInterface(const QByteArray& routeTable);

// The IPv4 address others on the network reach this machine at: the first
// one of the default route's interface; empty without a network.
QString defaultRouteAddress();

} // namespace tolvaran
