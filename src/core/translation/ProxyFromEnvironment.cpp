#include "ProxyFromEnvironment.h"

#include <QHostAddress>
#include <QUrl>

namespace tolvaran {

ProxyFromEnvironment::ProxyFromEnvironment(QProcessEnvironment environment)
    : m_environment(std::move(environment))
{ }

QList<QNetworkProxy> ProxyFromEnvironment::queryProxy(const QNetworkProxyQuery& query)
{
    // A WebSocket asks for a TCP tunnel, tagged "http" or "https".
    QUrl url = query.url();
    if (query.queryType() == QNetworkProxyQuery::TcpSocket)
        url.setScheme(url.scheme() == u"https" ? QStringLiteral("wss") : QStringLiteral("ws"));
    if (const auto proxy = proxyFor(url))
        return {*proxy};
    return systemProxyForQuery(query);
}

QString ProxyFromEnvironment::variable(const QString& name) const
{
    const QString lower = m_environment.value(name).trimmed();
    return lower.isEmpty() ? m_environment.value(name.toUpper()).trimmed() : lower;
}

bool ProxyFromEnvironment::isExempt(const QString& host) const
{
    const QString name = host.toLower();
    if (name == u"localhost" || name.endsWith(u".localhost") || QHostAddress(name).isLoopback())
        return true;
    const QStringList exempt = variable(QStringLiteral("no_proxy")).split(u',', Qt::SkipEmptyParts);
    for (QString entry : exempt) {
        entry = entry.trimmed().toLower();
        if (entry == u"*")
            return true;
        // "example.org" and ".example.org" both cover the domain's hosts.
        if (entry.startsWith(u'.'))
            entry.remove(0, 1);
        if (!entry.isEmpty() && (name == entry || name.endsWith(u'.' + entry)))
            return true;
    }
    return false;
}

std::optional<QNetworkProxy> ProxyFromEnvironment::proxyFor(const QUrl& url) const
{
    const QString scheme = url.scheme().toLower();
    QStringList names;
    if (scheme == u"ws" || scheme == u"wss" || scheme == u"https")
        names = {QStringLiteral("https_proxy"), QStringLiteral("all_proxy")};
    else if (scheme == u"http")
        names = {QStringLiteral("http_proxy"), QStringLiteral("all_proxy")};
    if (scheme == u"ws")
        names.insert(1, QStringLiteral("http_proxy"));

    QString setting;
    for (const QString& name : std::as_const(names)) {
        setting = variable(name);
        if (!setting.isEmpty())
            break;
    }
    if (setting.isEmpty())
        return std::nullopt;
    if (isExempt(url.host()))
        return QNetworkProxy(QNetworkProxy::NoProxy);

    const QUrl proxyURL
        = QUrl::fromUserInput(setting.contains(QLatin1String("://")) ? setting : QStringLiteral("http://") + setting);
    if (!proxyURL.isValid() || proxyURL.host().isEmpty())
        return std::nullopt;
    const bool isSocks = proxyURL.scheme().startsWith(QLatin1String("socks"));
    QNetworkProxy proxy(isSocks ? QNetworkProxy::Socks5Proxy : QNetworkProxy::HttpProxy, proxyURL.host(),
        quint16(proxyURL.port(isSocks ? 1080 : 80)), proxyURL.userName(QUrl::FullyDecoded),
        proxyURL.password(QUrl::FullyDecoded));
    return proxy;
}

} // namespace tolvaran
