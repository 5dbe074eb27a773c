#pragma once

#include <QByteArray>
#include <QByteArrayView>

namespace tolvaran {

// How the program tells its own local server from another program on the
// same port (a web developer's server on 3000, say): a plain GET on this path
// answers a body that starts with the server's name, a space and its version.
namespace ServerIdentity {

inline constexpr char path[] = "/tolvaran/health";
inline constexpr char name[] = "tolvaran-server";

inline QByteArray body(QByteArrayView version)
{
    return QByteArray(name) + ' ' + version.toByteArray() + '\n';
}

inline bool isOurs(QByteArrayView body)
{
    const QByteArrayView ours(name);
    return body.size() > ours.size() + 1 && body.startsWith(ours) && body.at(ours.size()) == ' ';
}

} // namespace ServerIdentity

} // namespace tolvaran
