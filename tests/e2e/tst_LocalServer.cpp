#include "ProgramUnderTest.h"
#include "SoundServer.h"
#include "SpeechPlayer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace tolvaran;

namespace {

bool portAnswers(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(1000);
}

enum class Occupant { nothing, otherProgram, ourServer };

// A port nothing listens on right now.
quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

// Another program's web server, as a web developer runs on port 3000: it
// answers every request with a page of its own.
class OtherWebServer : public QTcpServer
{
public:
    QList<QByteArray> requestLines;

    OtherWebServer()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* client = nextPendingConnection()) {
                connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
                connect(client, &QTcpSocket::readyRead, client, [this, client] {
                    const QByteArray request = client->readAll();
                    requestLines.append(request.left(request.indexOf("\r\n")));
                    const QByteArray page = "<html><body>My app in development</body></html>";
                    client->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: "
                        + QByteArray::number(page.size()) + "\r\n\r\n" + page);
                });
            }
        });
    }
};

} // namespace

Q_DECLARE_METATYPE(Occupant)

// With the default server address, the program uses its own server where it
// answers, or starts one: English played on the computer becomes Spanish
// lines in the saved transcript, and a server the program started ends with
// it. The default port is one of the test's own (TOLVARAN_LOCAL_SERVER_PORT),
// so that the test depends on no fixed port being free.
class TestLocalServer : public QObject
{
    Q_OBJECT

private slots:

    void startsTheLocalServerAndStopsItOnQuit_data()
    {
        QTest::addColumn<Occupant>("occupant");
        QTest::newRow("nothing on the default port") << Occupant::nothing;
        QTest::newRow("another program on the default port") << Occupant::otherProgram;
        QTest::newRow("tolvaran-server on the default port") << Occupant::ourServer;
    }

    void startsTheLocalServerAndStopsItOnQuit()
    {
        QFETCH(Occupant, occupant);
        TOLVARAN_REQUIRE_SOUND_SERVER();
        const QRegularExpression listening(QStringLiteral("tolvaran-server listening on ws://127\\.0\\.0\\.1:(\\d+)"));
        QRegularExpressionMatch match;
        OtherWebServer other;
        QProcess usersServer;
        quint16 defaultPort = 0;
        switch (occupant) {
        case Occupant::nothing:
            defaultPort = freePort();
            break;
        case Occupant::otherProgram:
            QVERIFY(other.listen(QHostAddress::LocalHost, 0));
            defaultPort = other.serverPort();
            break;
        case Occupant::ourServer:
            // One the user started: the program uses it and leaves it running.
            usersServer.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            usersServer.start(TOLVARAN_SERVER_EXECUTABLE, {"--listen", "127.0.0.1:0"});
            QVERIFY(QTest::qWaitFor(
                [&] {
                    usersServer.waitForReadyRead(100);
                    return (match = listening.match(QString::fromUtf8(usersServer.peek(4096)))).hasMatch();
                },
                90000));
            defaultPort = quint16(match.captured(1).toUInt());
            break;
        }
        QVERIFY(defaultPort != 0);
        const QString serverURL = QStringLiteral("ws://localhost:%1").arg(defaultPort);

        test::ProgramUnderTest program;
        QProcessEnvironment env = program.process.processEnvironment();
        env.insert("TOLVARAN_LOCAL_SERVER_PORT", QString::number(defaultPort));
        program.process.setProcessEnvironment(env);
        QVERIFY(program.writeSettings(
            QJsonObject{{"autoStartListening", true}, {"selectedLanguage", "es"}, {"serverURL", serverURL}}));

        QVERIFY(program.start());
        const QByteArray& output = program.output;
        quint16 serverPort = defaultPort;
        if (occupant == Occupant::ourServer) {
            QVERIFY2(QTest::qWaitFor([&] { return output.contains("tolvaran-server answers at"); }, 30000),
                output.constData());
        } else {
            QVERIFY2(
                QTest::qWaitFor([&] { return (match = listening.match(QString::fromUtf8(output))).hasMatch(); }, 90000),
                output.constData());
            serverPort = quint16(match.captured(1).toUInt());
            if (occupant == Occupant::otherProgram)
                QVERIFY(serverPort != defaultPort);
            else
                QCOMPARE(serverPort, defaultPort);
        }
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("Audio capture started successfully"); }, 30000),
            output.constData());
        QVERIFY2(output.contains(QStringLiteral("WebSocket connecting to: ws://%1:%2/translate")
                                     .arg(occupant == Occupant::otherProgram ? "127.0.0.1" : "localhost")
                                     .arg(serverPort)
                                     .toUtf8()),
            output.constData());
        // The decoder loads while the program connects; speech starts after it.
        QTest::qWait(1000);

        QVERIFY(test::playInto(test::speakerSink,
            "/usr/share/pocketsphinx/test/data/librivox/sense_and_sensibility_01_austen_64kb-0880.wav"));
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("joven"); }, 90000), output.constData());

        program.signal(SIGTERM);
        QVERIFY2(program.waitForExit(), output.constData());
        QCOMPARE(program.process.exitCode(), 0);
        if (occupant == Occupant::ourServer) {
            QVERIFY(!output.contains("tolvaran-server listening on"));
            QVERIFY(!output.contains("Stopping tolvaran-server"));
            QVERIFY(portAnswers(serverPort));
            usersServer.terminate();
            QVERIFY(usersServer.waitForFinished(10000));
        } else {
            QVERIFY(output.contains("Stopping tolvaran-server"));
            QVERIFY(!portAnswers(serverPort));
        }
        if (occupant == Occupant::otherProgram) {
            // It asked who answers, and streamed nothing to the other program.
            QCOMPARE(other.requestLines, QList<QByteArray>{"GET /tolvaran/health HTTP/1.1"});
        }
        // The free port served this run only: the user's setting is unchanged.
        QFile settings(program.settingsFolder() + "/settings.json");
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(QJsonDocument::fromJson(settings.readAll()).object().value("serverURL").toString(), serverURL);

        const auto saved = program.savedRecordings();
        QCOMPARE(saved.descriptions.size(), 1);
        QVERIFY(saved.isFirstDescriptionRead);
        const QJsonArray transcript = saved.firstDescription.value("transcript").toArray();
        QVERIFY(!transcript.isEmpty());
        const QJsonObject line = transcript.first().toObject();
        QVERIFY2(line.value("originalText").toString().contains("young man"),
            qPrintable(line.value("originalText").toString()));
        QVERIFY2(line.value("translatedText").toString().contains("joven"),
            qPrintable(line.value("translatedText").toString()));
        QCOMPARE(line.value("language").toString(), "en");
    }
};

QTEST_GUILESS_MAIN(TestLocalServer)
#include "tst_LocalServer.moc"
