#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <QUrl>

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

// The target languages the local server reaches with the translation pairs
// its package depends on, the transcript's own language included; for any
// other it shows the transcript and says so.
inline QStringList bundledTargetLanguages()
{
    return {
        QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("fr"), QStringLiteral("it"), QStringLiteral("pt")};
}

// An unencrypted address on this machine: where the local server answers.
inline bool isLocalServerAddress(const QString& serverURL)
{
    const QUrl url(serverURL, QUrl::StrictMode);
    const QString host = url.host();
    return url.isValid() && url.scheme() == QLatin1String("ws")
        && (host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1"));
}

} // namespace ServerIdentity

} // namespace tolvaran
