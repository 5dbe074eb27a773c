#include "LogCapture.h"
#include "TestTranslationServer.h"
#include "translation/ProxyFromEnvironment.h"
#include "translation/WebSocketService.h"

#include <QFile>
#include <QLoggingCategory>
#include <QNetworkProxy>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWebSocketServer>

using namespace tolvaran;
using test::TestTranslationServer;

namespace {

constexpr int waitMs = 10000;

// Everything the signals told, in order.
struct CallbackLog
{
    QStringList events;

    void attach(WebSocketService& service)
    {
        QObject::connect(&service, &WebSocketService::resultReceived,
            [this](const TranslationResult& result) { events.append("result:" + result.original); });
        QObject::connect(&service, &WebSocketService::finishReceived, [this] { events.append("finished"); });
        QObject::connect(&service, &WebSocketService::errorOccurred,
            [this](const QString& text) { events.append("error:" + text); });
        QObject::connect(&service, &WebSocketService::roomCreated,
            [this](const QString& roomId) { events.append("room:" + roomId); });
        QObject::connect(&service, &WebSocketService::roomUpdated,
            [this](qint64 count, const QList<LanguageSubscriberCount>& languages) {
                QStringList parts{QString::number(count)};
                for (const auto& language : languages)
                    parts.append(language.lang + "=" + QString::number(language.count));
                events.append("update:" + parts.join(','));
            });
    }

    qsizetype errorCount() const
    {
        return std::count_if(events.begin(), events.end(), [](const QString& e) { return e.startsWith("error:"); });
    }
};

QString resultText(const QString& original)
{
    return QStringLiteral("{\"type\":\"result\",\"tokens\":[],\"original\":\"%1\",\"translation\":\"\"}").arg(original);
}

// A peer that answers the opening handshake only after a delay, then sends
// one text message at once: a server slower than the client's patience.
class LateServer : public QObject
{
public:
    explicit LateServer(int answerAfterMs, QByteArray message)
    {
        QVERIFY(m_tcp.listen(QHostAddress::LocalHost, 0));
        QObject::connect(&m_tcp, &QTcpServer::newConnection, this, [this, answerAfterMs, message] {
            QTcpSocket* socket = m_tcp.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::disconnected, this, [this] { ++closedByClient; });
            QTimer::singleShot(answerAfterMs, socket, [socket, message] {
                socket->write(test::upgradeAnswer(socket->readAll()));
                socket->write(QByteArray(1, char(0x81)) + char(message.size()) + message); // one short text frame
            });
        });
    }

    QString url() const { return QStringLiteral("ws://127.0.0.1:%1").arg(m_tcp.serverPort()); }

    int closedByClient = 0;

private:
    QTcpServer m_tcp;
};

} // namespace

class TestWebSocketService : public QObject
{
    Q_OBJECT

private:
    // Connects and waits until the server has accepted the connection.
    static bool connectTo(WebSocketService& service, TestTranslationServer& server, const QString& language = "en")
    {
        service.setServerURL(server.url());
        const qsizetype before = server.connections().size();
        service.connect(language, false, {});
        return QTest::qWaitFor([&] { return server.connections().size() > before; }, waitMs);
    }

private slots:

    void invalidServerURL_data()
    {
        QTest::addColumn<QString>("base");
        QTest::newRow("words") << "not a url";
        QTest::newRow("empty") << "";
        QTest::newRow("http") << "http://localhost:3000";
        QTest::newRow("no host") << "ws://";
        QTest::newRow("no scheme") << "localhost:3000";
        QTest::newRow("blank in host") << "ws://local host";
    }

    void invalidServerURL()
    {
        QFETCH(QString, base);
        WebSocketService service;
        CallbackLog log;
        log.attach(service);
        QSignalSpy connectedSpy(&service, &WebSocketService::isConnectedChanged);
        service.setServerURL(base);
        service.connect("en", false, {});
        QCOMPARE(service.isConnected(), false);
        QCOMPARE(service.lastError(), "Invalid server URL");
        QTest::qWait(50);
        QCOMPARE(connectedSpy.count(), 0);
        QCOMPARE(log.events, QStringList());
    }

    void serverSeesTheSessionURL()
    {
        TestTranslationServer server;
        WebSocketService service;
        service.setServerURL(server.url() + "/");
        service.connect("de", true, {"en", "es"});
        QVERIFY(QTest::qWaitFor([&] { return !server.connections().isEmpty(); }, waitMs));
        QCOMPARE(server.connections().first().requestTarget, "//translate?lang=de&room=create&hints=en,es");
    }

    // Audio handed over at once after connect waits for the handshake and
    // then goes out whole and in order, followed by the finish request.
    void audioAndFinishArriveInOrder()
    {
        TestTranslationServer server;
        WebSocketService service;
        service.setServerURL(server.url());
        service.connect("en", false, {});
        QCOMPARE(service.isConnected(), true);
        QCOMPARE(service.lastError(), std::nullopt);

        QList<QByteArray> chunks;
        for (int i = 0; i < 120; ++i)
            chunks.append(QByteArray(640 + i, char(i)));
        qint64 total = 0;
        for (const QByteArray& chunk : chunks) {
            service.sendAudio(chunk);
            total += chunk.size();
        }
        service.sendFinish();

        QVERIFY(QTest::qWaitFor(
            [&] { return !server.connections().isEmpty() && !server.connections().first().textFrames.isEmpty(); },
            waitMs));
        const auto& connection = server.connections().first();
        QCOMPARE(connection.binaryFrames, chunks);
        QCOMPARE(connection.textFrames, QStringList{"{\"type\":\"finish\"}"});
        QCOMPARE(service.sendCount(), 120);
        QCOMPARE(service.audioBytesSent(), total);
    }

    // A pong tells that the audio sent before its ping has arrived; the
    // audio sent after it waits for the next one.
    void pongsConfirmTheAudioBeforeThem()
    {
        TestTranslationServer server;
        WebSocketService service;
        service.setKeepAlive(50, 5000);
        QSignalSpy confirmed(&service, &WebSocketService::audioConfirmed);
        service.setServerURL(server.url());
        service.connect("en", false, {});
        for (int i = 0; i < 3; ++i)
            service.sendAudio(QByteArray(640, 'a'));
        QVERIFY(confirmed.wait(waitMs));
        QCOMPARE(confirmed.first().first().toLongLong(), 3);
        service.sendAudio(QByteArray(640, 'b'));
        QVERIFY(QTest::qWaitFor([&] { return confirmed.last().first().toLongLong() == 4; }, waitMs));
        service.disconnect();
    }

    void callbacksInArrivalOrder()
    {
        TestTranslationServer server;
        WebSocketService service;
        CallbackLog log;
        log.attach(service);
        QVERIFY(connectTo(service, server));

        server.sendText(resultText("one"));
        server.sendText("{\"type\":\"room_created\",\"roomId\":\"r1\"}");
        server.sendText("{\"type\":\"room_update\",\"subscriberCount\":3,\"languages\":[{\"lang\":\"de\",\"count\":2},"
                        "{\"lang\":\"fr\",\"count\":1}]}");
        server.sendText("{\"type\":\"error\",\"message\":\"first\"}");
        server.sendText("not json");
        server.sendBinary("\xff\xfe{\"type\":\"finished\"}");
        server.sendText("{\"type\":\"error\"}");
        server.sendBinary(resultText("binary \u00e9").toUtf8());
        server.sendText("{\"type\":\"finished\"}");

        const QStringList expected{"result:one", "room:r1", "update:3,de=2,fr=1", "error:first",
            "error:Unknown server error", "result:binary \u00e9", "finished"};
        QVERIFY(QTest::qWaitFor([&] { return log.events.size() >= expected.size(); }, waitMs));
        QTest::qWait(50);
        QCOMPARE(log.events, expected);
        // A server error leaves the connection open.
        QCOMPARE(service.isConnected(), true);
        QCOMPARE(service.lastError(), "Unknown server error");
    }

    // However the connection fails while open, it is reported exactly once.
    void failureWhileOpen_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("handshake refused") << "refuse";
        QTest::newRow("handshake unanswered") << "hang";
        QTest::newRow("connection dropped") << "drop";
        QTest::newRow("server closes") << "close";
        QTest::newRow("oversized message") << "oversized";
    }

    void failureWhileOpen()
    {
        QFETCH(QString, how);
        TestTranslationServer server;
        WebSocketService service;
        CallbackLog log;
        log.attach(service);
        service.setHandshakeTimeout(300);
        service.setServerURL(server.url());

        if (how == "refuse" || how == "hang") {
            server.setHandshake(
                how == "refuse" ? TestTranslationServer::Handshake::refuse : TestTranslationServer::Handshake::hang);
            service.connect("en", false, {});
            QCOMPARE(service.isConnected(), true); // before the server has answered
            service.sendAudio("early");
        } else {
            QVERIFY(connectTo(service, server));
            if (how == "drop")
                server.dropConnection();
            else if (how == "close")
                server.closeWith(QWebSocketProtocol::CloseCodeGoingAway, "restarting");
            else
                server.sendText(QString(WebSocketService::maxIncomingMessageSize + 10, 'x'));
        }

        QVERIFY(QTest::qWaitFor([&] { return log.errorCount() > 0; }, waitMs));
        QTest::qWait(200);
        QCOMPARE(log.errorCount(), 1);
        QCOMPARE(service.isConnected(), false);
        QVERIFY(service.lastError().has_value());
        QVERIFY(!service.lastError()->isEmpty());
        QCOMPARE(log.events.first(), "error:" + *service.lastError());
        if (how == "hang")
            QCOMPARE(*service.lastError(),
                "Could not reach " + server.url() + ": the request timed out. Check Settings \u2192 Connection.");
        if (how == "refuse")
            QCOMPARE(server.connections().size(), 0);

        // After a failure the next chunk is dropped, not sent.
        QTest::ignoreMessage(QtCriticalMsg, "sendAudio called but not connected");
        service.sendAudio("late");
    }

    void timedOutHandshakeIsAbandoned_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("reason");
        QTest::newRow("English") << QLocale(QLocale::English) << "the request timed out";
        // Nouns keep their capital in German, so the reason is left as it is.
        QTest::newRow("German") << QLocale(QLocale::German) << "The request timed out";
    }

    // A handshake that timed out is given up: the connection is closed and
    // nothing it might still bring is reported after the error.
    void timedOutHandshakeIsAbandoned()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, reason);
        const QLocale before;
        QLocale::setDefault(locale);
        const auto restore = qScopeGuard([&] { QLocale::setDefault(before); });
        LateServer server(800, resultText("late").toUtf8());
        WebSocketService service;
        CallbackLog log;
        log.attach(service);
        service.setHandshakeTimeout(200);
        service.setServerURL(server.url());
        service.connect("en", false, {});
        QVERIFY(QTest::qWaitFor([&] { return log.errorCount() > 0; }, waitMs));
        QVERIFY(QTest::qWaitFor([&] { return server.closedByClient > 0; }, 500));
        QTest::qWait(1000);
        QCOMPARE(log.events,
            QStringList{
                "error:Could not reach " + server.url() + ": " + reason + ". Check Settings \u2192 Connection."});
        QCOMPARE(service.isConnected(), false);
    }

    // Audio keeps coming after a connection is gone; that is told once per connection.
    void notConnectedIsToldOncePerConnection()
    {
        TestTranslationServer server;
        WebSocketService service;
        test::LogCapture capture("com.tolvaran.app.WebSocket");
        for (int round = 1; round <= 2; ++round) {
            QVERIFY(connectTo(service, server));
            server.dropConnection();
            QVERIFY(QTest::qWaitFor([&] { return !service.isConnected(); }, waitMs));
            for (int i = 0; i < 100; ++i)
                service.sendAudio(QByteArray(640, 'a'));
            QCOMPARE(capture.count("sendAudio called but not connected"), round);
        }
    }

    // However fast the server sends, what waits to be handled stays bounded,
    // and every message is still handled, in order.
    void floodBacklogIsBounded()
    {
        TestTranslationServer server;
        WebSocketService service;
        constexpr int count = 20000;
        int handled = 0;
        bool inOrder = true;
        qint64 largestBacklog = 0;
        QObject::connect(&service, &WebSocketService::resultReceived, [&](const TranslationResult& result) {
            inOrder = inOrder && result.original == QString::number(handled);
            ++handled;
            largestBacklog = std::max(largestBacklog, service.incomingBacklogBytes());
            QThread::usleep(20); // slower than the server
        });
        QVERIFY(connectTo(service, server));
        test::LogCapture quiet("com.tolvaran.app.WebSocket");
        for (int i = 0; i < count; ++i)
            server.sendText(resultText(QString::number(i)));
        server.flush();
        QVERIFY(QTest::qWaitFor([&] { return handled == count; }, 60000));
        QVERIFY(inOrder);
        // The bound, plus the one small message that took it over.
        QVERIFY2(largestBacklog <= WebSocketService::maxIncomingBacklogBytes + 1024,
            qPrintable(QString::number(largestBacklog)));
        QCOMPARE(service.incomingBacklogBytes(), 0);
    }

    void certificateProblems_data()
    {
        QTest::addColumn<QString>("commonName");
        QTest::addColumn<bool>("trusted");
        QTest::addColumn<QString>("error");
        QTest::newRow("nobody vouches for it") << "127.0.0.1" << false << "The server's certificate is not trusted";
        QTest::newRow("for another host")
            << "translate.example" << true << "The server's certificate is for another host";
    }

    // A wss server whose certificate is wrong is refused, never trusted, and
    // the error says what is wrong.
    void certificateProblems()
    {
        QFETCH(QString, commonName);
        QFETCH(bool, trusted);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QProcess openssl;
        openssl.start("openssl",
            {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout", dir.filePath("key.pem"), "-out",
                dir.filePath("cert.pem"), "-days", "1", "-subj", "/CN=" + commonName});
        QVERIFY(openssl.waitForFinished(30000) && openssl.exitCode() == 0);
        QFile certificate(dir.filePath("cert.pem"));
        QFile key(dir.filePath("key.pem"));
        QVERIFY(certificate.open(QIODevice::ReadOnly) && key.open(QIODevice::ReadOnly));
        const QSslCertificate serverCertificate(certificate.readAll());

        const QSslConfiguration systemDefault = QSslConfiguration::defaultConfiguration();
        const auto restore = qScopeGuard([&] { QSslConfiguration::setDefaultConfiguration(systemDefault); });
        if (trusted) {
            QSslConfiguration vouched = systemDefault;
            vouched.addCaCertificate(serverCertificate);
            QSslConfiguration::setDefaultConfiguration(vouched);
        }

        QWebSocketServer server("certificate", QWebSocketServer::SecureMode);
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.setLocalCertificate(serverCertificate);
        tls.setPrivateKey(QSslKey(key.readAll(), QSsl::Rsa));
        tls.setPeerVerifyMode(QSslSocket::VerifyNone);
        server.setSslConfiguration(tls);
        QVERIFY(server.listen(QHostAddress::LocalHost, 0));
        int accepted = 0;
        connect(&server, &QWebSocketServer::newConnection, this, [&] { ++accepted; });

        WebSocketService service;
        CallbackLog log;
        log.attach(service);
        service.setServerURL(QStringLiteral("wss://127.0.0.1:%1").arg(server.serverPort()));
        service.connect("en", false, {});
        QVERIFY(QTest::qWaitFor([&] { return log.errorCount() > 0; }, waitMs));
        QCOMPARE(log.events, QStringList{"error:" + error});
        QVERIFY(!service.isConnected());
        QCOMPARE(accepted, 0);
    }

    // Through an office's proxy: https_proxy names it, the WebSocket is
    // tunnelled with CONNECT; the server's name is resolved by the proxy only.
    void throughTheProxy()
    {
        TestTranslationServer target;
        QTcpServer proxy;
        QVERIFY(proxy.listen(QHostAddress::LocalHost, 0));
        QStringList requests;
        connect(&proxy, &QTcpServer::newConnection, this, [&] {
            QTcpSocket* client = proxy.nextPendingConnection();
            auto* upstream = new QTcpSocket(client);
            connect(client, &QTcpSocket::readyRead, client, [&, client, upstream] {
                if (upstream->state() != QAbstractSocket::UnconnectedState) {
                    upstream->write(client->readAll());
                    return;
                }
                if (!client->peek(4096).contains("\r\n\r\n"))
                    return;
                const QByteArray head = client->read(client->peek(4096).indexOf("\r\n\r\n") + 4);
                requests.append(QString::fromLatin1(head.left(head.indexOf("\r\n"))));
                upstream->connectToHost(QHostAddress::LocalHost, QUrl(target.url()).port());
                connect(upstream, &QTcpSocket::connected, client,
                    [client] { client->write("HTTP/1.1 200 Connection established\r\n\r\n"); });
                connect(upstream, &QTcpSocket::readyRead, client,
                    [client, upstream] { client->write(upstream->readAll()); });
            });
            connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        });

        QProcessEnvironment environment;
        environment.insert("https_proxy", QStringLiteral("http://127.0.0.1:%1").arg(proxy.serverPort()));
        QNetworkProxyFactory::setApplicationProxyFactory(new ProxyFromEnvironment(environment));
        const auto restore = qScopeGuard([] { QNetworkProxyFactory::setApplicationProxyFactory(nullptr); });

        WebSocketService service;
        service.setServerURL("ws://translate.invalid:3000");
        service.connect("en", false, {});
        service.sendAudio(QByteArray(640, 'a'));
        QVERIFY(QTest::qWaitFor(
            [&] { return !target.connections().isEmpty() && !target.connections().first().binaryFrames.isEmpty(); },
            waitMs));
        QCOMPARE(requests, QStringList{"CONNECT translate.invalid:3000 HTTP/1.1"});
        QVERIFY(service.isConnected());
        service.disconnect();
    }

    void proxySettings_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("proxy");
        QTest::newRow("nothing set") << QStringList{} << "wss://a.example"
                                     << "system";
        QTest::newRow("https_proxy for wss") << QStringList{"https_proxy=http://p.corp:8080"} << "wss://a.example"
                                             << "http p.corp:8080";
        QTest::newRow("upper case") << QStringList{"HTTPS_PROXY=p.corp:3128"} << "wss://a.example"
                                    << "http p.corp:3128";
        QTest::newRow("ws tunnels like wss") << QStringList{"https_proxy=http://p.corp:8080"} << "ws://a.example"
                                             << "http p.corp:8080";
        QTest::newRow("http_proxy for ws") << QStringList{"http_proxy=http://h.corp:80"} << "ws://a.example"
                                           << "http h.corp:80";
        QTest::newRow("http_proxy not for wss") << QStringList{"http_proxy=http://h.corp:80"} << "wss://a.example"
                                                << "system";
        QTest::newRow("all_proxy, socks") << QStringList{"all_proxy=socks5://s.corp:1080"} << "wss://a.example"
                                          << "socks s.corp:1080";
        QTest::newRow("no_proxy domain") << QStringList{"https_proxy=p.corp:8080", "no_proxy=.example,other"}
                                         << "wss://a.example"
                                         << "direct";
        QTest::newRow("no_proxy other host")
            << QStringList{"https_proxy=p.corp:8080", "no_proxy=example.org"} << "wss://a.example"
            << "http p.corp:8080";
        QTest::newRow("no_proxy everything")
            << QStringList{"https_proxy=p.corp:8080", "no_proxy=*"} << "wss://a.example"
            << "direct";
        QTest::newRow("this machine") << QStringList{"https_proxy=p.corp:8080"} << "ws://localhost:3000"
                                      << "direct";
        QTest::newRow("this machine by address") << QStringList{"https_proxy=p.corp:8080"} << "ws://127.0.0.1:3000"
                                                 << "direct";
    }

    void proxySettings()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, url);
        QFETCH(QString, proxy);
        QProcessEnvironment variables;
        for (const QString& setting : environment)
            variables.insert(setting.section('=', 0, 0), setting.section('=', 1));
        const std::optional<QNetworkProxy> chosen = ProxyFromEnvironment(variables).proxyFor(QUrl(url));
        QString described = "system";
        if (chosen && chosen->type() == QNetworkProxy::NoProxy)
            described = "direct";
        else if (chosen)
            described = QString("%1 %2:%3")
                            .arg(chosen->type() == QNetworkProxy::Socks5Proxy ? "socks" : "http", chosen->hostName())
                            .arg(chosen->port());
        QCOMPARE(described, proxy);
    }

    void disconnectReportsNothing()
    {
        TestTranslationServer server;
        WebSocketService service;
        CallbackLog log;
        log.attach(service);
        QVERIFY(connectTo(service, server));
        service.disconnect();
        QCOMPARE(service.isConnected(), false);
        QVERIFY(QTest::qWaitFor([&] { return !server.connections().first().isOpen; }, waitMs));
        QCOMPARE(server.connections().first().closeCode, QWebSocketProtocol::CloseCodeNormal);
        QTest::qWait(100);
        QCOMPARE(log.events, QStringList());
        service.disconnect(); // harmless twice
    }

    // A replaced connection is closed normally and its end is not the new one's.
    void secondConnectReplacesTheFirst()
    {
        TestTranslationServer server;
        WebSocketService service;
        CallbackLog log;
        log.attach(service);
        QVERIFY(connectTo(service, server, "de"));
        QVERIFY(connectTo(service, server, "fr"));

        QVERIFY(QTest::qWaitFor([&] { return !server.connections().first().isOpen; }, waitMs));
        QCOMPARE(server.connections().first().closeCode, QWebSocketProtocol::CloseCodeNormal);
        QTest::qWait(100);
        QCOMPARE(log.events, QStringList());
        QCOMPARE(service.isConnected(), true);

        service.sendAudio("to the second");
        server.sendText(resultText("from the second"));
        QVERIFY(QTest::qWaitFor([&] { return !log.events.isEmpty(); }, waitMs));
        QCOMPARE(log.events, QStringList{"result:from the second"});
        QVERIFY(QTest::qWaitFor([&] { return !server.connections().last().binaryFrames.isEmpty(); }, waitMs));
        QCOMPARE(server.connections().last().requestTarget, "/translate?lang=fr");
        QCOMPARE(server.connections().first().binaryFrames, QList<QByteArray>());
    }

    void notConnected()
    {
        TestTranslationServer server;
        WebSocketService service;
        service.setServerURL(server.url());
        QTest::ignoreMessage(QtCriticalMsg, "sendAudio called but not connected");
        service.sendAudio("dropped");
        service.sendFinish();
        QCOMPARE(service.sendCount(), 0);
        QCOMPARE(service.audioBytesSent(), 0);
        QTest::qWait(50);
        QCOMPARE(server.tcpConnectionCount(), 0);
    }

    // What people say reaches the log only at debug level, which is off
    // unless asked for: the info lines keep the type and the size. With debug
    // on, the 1st, 51st and 101st chunks are logged, counters running on
    // across sessions, and a message's text is cut at 200 characters.
    void logKeepsContentsAtDebugLevel_data()
    {
        QTest::addColumn<bool>("withDebug");
        QTest::newRow("default") << false;
        QTest::newRow("debug asked for") << true;
    }

    void logKeepsContentsAtDebugLevel()
    {
        QFETCH(bool, withDebug);
        QLoggingCategory::setFilterRules(withDebug ? "com.tolvaran.app.WebSocket.debug=true" : "");
        const auto restore = qScopeGuard([] { QLoggingCategory::setFilterRules({}); });
        TestTranslationServer server;
        WebSocketService service;
        test::LogCapture capture("com.tolvaran.app.WebSocket");
        QVERIFY(connectTo(service, server));
        for (int i = 0; i < 60; ++i)
            service.sendAudio(QByteArray(10, 'a'));
        QVERIFY(connectTo(service, server));
        for (int i = 0; i < 41; ++i)
            service.sendAudio(QByteArray(20, 'b'));
        const QString text = "{\"type\":\"result\",\"tokens\":[],\"original\":\"our secret plan\",\"translation\":\"\","
                             "\"pad\":\""
            + QString(500, 'p') + "\"}";
        server.sendText(text);
        QVERIFY(QTest::qWaitFor([&] { return !capture.linesStartingWith("Received message: ").isEmpty(); }, waitMs));

        QCOMPARE(capture.linesStartingWith("Received message: ").first(),
            QString("Received message: result, %1 bytes").arg(text.toUtf8().size()));
        QCOMPARE(capture.linesStartingWith("WebSocket connecting to: ").size(), 2);
        QCOMPARE(service.sendCount(), 101);
        if (withDebug) {
            QCOMPARE(capture.linesStartingWith("Received message: ").last(), "Received message: " + text.left(200));
            QCOMPARE(capture.linesStartingWith("Sending audio chunk"),
                (QStringList{"Sending audio chunk #1, size: 10 bytes, total: 10 bytes",
                    "Sending audio chunk #51, size: 10 bytes, total: 510 bytes",
                    "Sending audio chunk #101, size: 20 bytes, total: 1420 bytes"}));
        } else {
            QVERIFY(capture.lines().filter("secret").isEmpty());
            QVERIFY(capture.linesStartingWith("Sending audio chunk").isEmpty());
        }
    }

    // A burst of messages that arrives in one read is handled in order, and
    // the event loop (timers, windows) still gets its turns in between.
    void burstIsHandledInOrderWithoutStarvingTheLoop()
    {
        TestTranslationServer server;
        WebSocketService service;
        QStringList originals;
        qsizetype handledWhenLoopRan = -1;
        QObject::connect(&service, &WebSocketService::resultReceived, [&](const TranslationResult& result) {
            if (originals.isEmpty())
                QTimer::singleShot(0, [&] { handledWhenLoopRan = originals.size(); });
            originals.append(result.original);
            QThread::usleep(300); // a consumer with real work to do
        });
        QVERIFY(connectTo(service, server));
        test::LogCapture quiet("com.tolvaran.app.WebSocket");
        // Small enough to sit in the socket buffer whole, so one read gets it all.
        constexpr int count = 500;
        for (int i = 0; i < count; ++i)
            server.sendText(resultText(QString::number(i)));
        server.flush();
        QVERIFY(QTest::qWaitFor([&] { return originals.size() == count; }, 30000));
        QTest::qWait(10); // lets a timer still due fire
        for (int i = 0; i < count; ++i)
            QCOMPARE(originals[i], QString::number(i));
        QVERIFY(handledWhenLoopRan >= 1);
        QVERIFY2(handledWhenLoopRan < count, "the event loop got no turn during the burst");
    }
};

QTEST_GUILESS_MAIN(TestWebSocketService)
#include "tst_WebSocketService.moc"
