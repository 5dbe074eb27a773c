#pragma once

#include <QNetworkProxyFactory>
#include <QProcessEnvironment>

#include <optional>

namespace tolvaran {

// The desktop's proxy settings as Linux programs read them: https_proxy,
// http_proxy and all_proxy (either case), and the hosts in no_proxy that are
// reached directly. Qt's own reading takes http_proxy only. A WebSocket is
// tunnelled through the proxy (CONNECT), so ws and wss take https_proxy first.
// This machine's loopback is never reached through a proxy. Without any of
// these, Qt's system configuration decides.
class ProxyFromEnvironment : public QNetworkProxyFactory
{
public:
    explicit ProxyFromEnvironment(QProcessEnvironment environment = QProcessEnvironment::systemEnvironment());

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override;

    // The proxy for a connection to url; NoProxy when it goes direct;
    // nothing when the environment does not say.
    std::optional<QNetworkProxy> proxyFor(const QUrl& url) const;

private:
    QString variable(const QString& name) const;
    bool isExempt(const QString& host) const;

    QProcessEnvironment m_environment;
};

} // namespace tolvaran
