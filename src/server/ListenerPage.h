#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

namespace tolvaran::server {

// The self-contained page a room's listener opens: no external resources.
// languages: code and name of each language offered, the first preselected.
QByteArray listenerPage(const QString& roomId, const QList<QPair<QString, QString>>& languages);
QByteArray unknownRoomPage();

} // namespace tolvaran::server
