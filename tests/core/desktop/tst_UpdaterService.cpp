#include "desktop/UpdaterService.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using tolvaran::UpdateCheckResult;
using tolvaran::UpdaterService;
using Outcome = UpdateCheckResult::Outcome;

namespace {

// A release feed on 127.0.0.1 that answers every request with one document.
class FeedServer : public QObject
{
public:
    QByteArray body;
    QByteArray status = "200 OK";
    int requests = 0;

    FeedServer()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    m_requests[socket] += socket->readAll();
                    if (!m_requests[socket].contains("\r\n\r\n"))
                        return;
                    ++requests;
                    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: application/json\r\nContent-Length: "
                        + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
                    socket->disconnectFromHost();
                });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/feed.json").arg(m_server.serverPort())); }

private:
    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_requests;
};

} // namespace

class tst_UpdaterService : public QObject
{
    Q_OBJECT

private slots:

    void checkAgainstFeed_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<QString>("latestVersion");
        QTest::addColumn<QUrl>("pageURL");
        QTest::addColumn<QString>("title");

        const QByteArray links = ", \"releaseNotesURL\": \"https://example.org/r/1.2.0\","
                                 " \"downloadURL\": \"https://example.org/d/1.2.0.deb\"}";
        QTest::newRow("newer") << QByteArray("{\"version\": \"1.2.0\"") + links << QByteArray("200 OK")
                               << Outcome::updateAvailable << "1.2.0" << QUrl("https://example.org/r/1.2.0")
                               << "Tolvaran 1.2.0 is available";
        QTest::newRow("newer, only a download link")
            << QByteArray("{\"version\": \"1.10\", \"downloadURL\": \"https://example.org/d.deb\"}")
            << QByteArray("200 OK") << Outcome::updateAvailable << "1.10" << QUrl("https://example.org/d.deb")
            << "Tolvaran 1.10 is available";
        QTest::newRow("newer, but no web link")
            << QByteArray("{\"version\": \"2.0\", \"releaseNotesURL\": \"javascript:alert(1)\","
                          " \"downloadURL\": \"file:///etc/passwd\"}")
            << QByteArray("200 OK") << Outcome::updateAvailable << "2.0" << QUrl() << "Tolvaran 2.0 is available";
        QTest::newRow("same") << QByteArray("{\"version\": \"1.1.0\"}") << QByteArray("200 OK") << Outcome::upToDate
                              << "1.1.0" << QUrl() << "You're up to date";
        QTest::newRow("older") << QByteArray("{\"version\": \"1.0.9\"}") << QByteArray("200 OK") << Outcome::upToDate
                               << "1.0.9" << QUrl() << "You're up to date";
        QTest::newRow("malformed JSON") << QByteArray("{\"version\": \"1.2.0\"") << QByteArray("200 OK")
                                        << Outcome::failed << "" << QUrl() << "Could not check for updates";
        QTest::newRow("version of the wrong kind") << QByteArray("{\"version\": 2}") << QByteArray("200 OK")
                                                   << Outcome::failed << "" << QUrl() << "Could not check for updates";
        QTest::newRow("no version") << QByteArray("{\"version\": \"soon\"}") << QByteArray("200 OK") << Outcome::failed
                                    << "" << QUrl() << "Could not check for updates";
        QTest::newRow("not found") << QByteArray("{}") << QByteArray("404 Not Found") << Outcome::failed << "" << QUrl()
                                   << "Could not check for updates";
        QTest::newRow("too large") << QByteArray("{\"version\": \"9.0\", \"x\": \"") + QByteArray(40000, 'a') + "\"}"
                                   << QByteArray("200 OK") << Outcome::failed << "" << QUrl()
                                   << "Could not check for updates";
    }

    void checkAgainstFeed()
    {
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, status);
        QFETCH(Outcome, outcome);
        QFETCH(QString, latestVersion);
        QFETCH(QUrl, pageURL);
        QFETCH(QString, title);

        FeedServer feed;
        feed.body = body;
        feed.status = status;
        UpdaterService updater(feed.url(), QStringLiteral("1.1.0"));
        QSignalSpy finished(&updater, &UpdaterService::checkFinished);
        QVERIFY(updater.canCheckForUpdates());

        updater.checkForUpdates();
        // One check at a time.
        QVERIFY(!updater.canCheckForUpdates());
        updater.checkForUpdates();
        QVERIFY(finished.wait(10000));
        QCOMPARE(feed.requests, 1);
        QVERIFY(updater.canCheckForUpdates());

        const auto result = finished.first().first().value<UpdateCheckResult>();
        QCOMPARE(result.outcome, outcome);
        QCOMPARE(result.latestVersion, latestVersion);
        QCOMPARE(result.pageURL, pageURL);
        QCOMPARE(result.title(), title);
        QCOMPARE(result.currentVersion, QStringLiteral("1.1.0"));
        if (outcome == Outcome::failed)
            QVERIFY(!result.message().isEmpty());
    }

    void unreachableFeed()
    {
        QUrl url;
        {
            FeedServer closed;
            url = closed.url();
        }
        UpdaterService updater(url, QStringLiteral("1.0"));
        QSignalSpy finished(&updater, &UpdaterService::checkFinished);
        updater.checkForUpdates();
        QVERIFY(finished.wait(10000));
        const auto result = finished.first().first().value<UpdateCheckResult>();
        QCOMPARE(result.outcome, Outcome::failed);
        QVERIFY2(result.message().startsWith("The release feed could not be reached"), qPrintable(result.message()));
        QVERIFY(updater.canCheckForUpdates());
    }

    void noFeedMeansNoChecks()
    {
        UpdaterService updater(QUrl(), QStringLiteral("1.0"));
        QSignalSpy finished(&updater, &UpdaterService::checkFinished);
        QVERIFY(!updater.canCheckForUpdates());
        updater.checkForUpdates();
        QCOMPARE(finished.size(), 0);
    }

    void environmentOverridesTheBuiltInFeed()
    {
        qputenv("TOLVARAN_UPDATE_FEED_URL", "http://127.0.0.1:9/feed.json");
        QCOMPARE(UpdaterService::configuredFeedURL(), QUrl("http://127.0.0.1:9/feed.json"));
        QVERIFY(UpdaterService().canCheckForUpdates());
        qunsetenv("TOLVARAN_UPDATE_FEED_URL");
        // Built without a feed, as the test build is.
        QVERIFY(UpdaterService::configuredFeedURL().isEmpty());
        QVERIFY(!UpdaterService().canCheckForUpdates());
    }
};

QTEST_GUILESS_MAIN(tst_UpdaterService)
#include "tst_UpdaterService.moc"
