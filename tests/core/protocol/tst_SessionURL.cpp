#include "protocol/SessionURL.h"

#include <QTest>
#include <QUrlQuery>

using namespace tolvaran;

class TestSessionURL : public QObject
{
    Q_OBJECT

private slots:

    // The address the program opens, and what the local server reads of it.
    void sessionURL_data()
    {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("room");
        QTest::addColumn<QStringList>("hints");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("opened");
        QTest::addColumn<bool>("served");

        QTest::newRow("hints") << "ws://h:1"
                               << "de" << false << QStringList{"en", "es"} << "ws://h:1/translate?lang=de&hints=en,es"
                               << true << true;
        QTest::newRow("room") << "ws://h:1"
                              << "fr" << true << QStringList{} << "ws://h:1/translate?lang=fr&room=create" << true
                              << true;
        QTest::newRow("room and hint") << "wss://h"
                                       << "ja" << true << QStringList{"ko"}
                                       << "wss://h/translate?lang=ja&room=create&hints=ko" << true << true;
        QTest::newRow("nothing extra") << "ws://h"
                                       << "en" << false << QStringList{} << "ws://h/translate?lang=en" << true << true;
        QTest::newRow("trailing slash kept")
            << "ws://h/"
            << "en" << false << QStringList{} << "ws://h//translate?lang=en" << true << false;
        QTest::newRow("no encoding") << "ws://h"
                                     << "e n" << false << QStringList{"a b"} << "ws://h/translate?lang=e n&hints=a b"
                                     << false << false;
    }

    void sessionURL()
    {
        QFETCH(QString, base);
        QFETCH(QString, language);
        QFETCH(bool, room);
        QFETCH(QStringList, hints);
        QFETCH(QString, expected);
        QFETCH(bool, opened);
        QFETCH(bool, served);
        const QString text = sessionURLText(base, language, room, hints);
        QCOMPARE(text, expected);
        const std::optional<QUrl> url = parseSessionURL(text);
        QCOMPARE(url.has_value(), opened);
        if (!url)
            return;
        QCOMPARE(url->path() == QLatin1StringView(sessionPath), served);
        QCOMPARE(SessionRequest::fromQuery(QUrlQuery(*url)), (SessionRequest{language, room, hints, {}}));
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("ws") << "ws://localhost:3000/translate?lang=en" << true;
        QTest::newRow("wss") << "wss://example.org/translate" << true;
        QTest::newRow("http") << "http://localhost:3000/translate" << false;
        QTest::newRow("no host") << "ws:///translate" << false;
        QTest::newRow("no scheme") << "localhost:3000/translate" << false;
        QTest::newRow("blank in host") << "ws://local host/translate" << false;
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        QCOMPARE(parseSessionURL(text).has_value(), accepted);
    }

    // The server's defaults for what an address leaves out.
    void queryDefaults()
    {
        QCOMPARE(SessionRequest::fromQuery(QUrlQuery()), SessionRequest{});
        QCOMPARE(SessionRequest::fromQuery(QUrlQuery("hints=")), SessionRequest{});
    }

    void resumeRoom_data()
    {
        QTest::addColumn<QString>("roomId");
        QTest::addColumn<QString>("query");
        QTest::newRow("plain") << "0123abcd"
                               << "?lang=en&room=0123abcd";
        QTest::newRow("separators") << "a&b=c d"
                                    << "?lang=en&room=a%26b%3Dc%20d";
    }

    // A reconnect names the room it had; the server reads the same name back.
    void resumeRoom()
    {
        QFETCH(QString, roomId);
        QFETCH(QString, query);
        const QString text = sessionURLText("ws://h", "en", true, {}, roomId);
        QCOMPARE(text, "ws://h/translate" + query);
        const std::optional<QUrl> url = parseSessionURL(text);
        QVERIFY(url);
        const SessionRequest request = SessionRequest::fromQuery(QUrlQuery(*url));
        QVERIFY(!request.createRoom);
        QCOMPARE(request.resumeRoomId, roomId);
    }
};

QTEST_GUILESS_MAIN(TestSessionURL)
#include "tst_SessionURL.moc"
