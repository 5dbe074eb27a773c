#include "ApertiumTranslator.h"
#include "MaskedFrames.h"
#include "PocketsphinxEngine.h"
#include "ServerTestSupport.h"
#include "SpeakerSession.h"
#include "TranslationServer.h"
#include "live/NetworkAddress.h"
#include "model/ServerIdentity.h"
#include "translation/WebSocketService.h"

#include <QElapsedTimer>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>

using namespace tolvaran;
using namespace tolvaran::server;
using test::RawClient;

namespace {

constexpr int decodeWaitMs = 60000;

// Recognises nothing, at no cost: for tests about connections, not speech.
class SilentEngine : public RecognitionEngine
{
public:
    QString language() const override { return QStringLiteral("en"); }

    RecognizerOrError createRecognizer() const override
    {
        class Silent : public SpeechRecognizer
        {
            bool feed(std::span<const qint16>, QList<Recognition>&) override { return true; }

            bool flush(QList<Recognition>&) override { return true; }
        };

        return std::unique_ptr<SpeechRecognizer>(std::make_unique<Silent>());
    }
};

QString kindOf(const TranslationResult& result)
{
    const bool allTranslation = std::all_of(result.tokens.begin(), result.tokens.end(),
        [](const TranslationToken& t) { return t.translationStatus == TranslationStatus::translation; });
    if (allTranslation && !result.translation.trimmed().isEmpty())
        return QStringLiteral("translation");
    const bool allFinal
        = std::all_of(result.tokens.begin(), result.tokens.end(), [](const TranslationToken& t) { return t.isFinal; });
    return allFinal && !result.original.trimmed().isEmpty() ? QStringLiteral("final") : QStringLiteral("interim");
}

// Resident memory of this process, which runs the server.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    return statm.readAll().split(' ').value(1).toLongLong() * 4096;
}

// Upgrades a raw socket to a WebSocket on that path; what came after the
// handshake stays in received.
bool upgradeRaw(QTcpSocket& raw, quint16 port, const QByteArray& path, QByteArray& received)
{
    QObject::connect(&raw, &QTcpSocket::readyRead, &raw, [&] { received += raw.readAll(); });
    raw.connectToHost(QHostAddress::LocalHost, port);
    if (!raw.waitForConnected(10000))
        return false;
    raw.write("GET " + path
        + " HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
          "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n");
    if (!QTest::qWaitFor([&] { return received.contains("\r\n\r\n"); }, 10000) || !received.startsWith("HTTP/1.1 101"))
        return false;
    received = received.mid(received.indexOf("\r\n\r\n") + 4);
    return true;
}

// The code of the first close frame in what a raw socket received, 0 when none.
int closeCodeIn(const QByteArray& received)
{
    for (qsizetype at = 0; at + 1 < received.size();) {
        const int length = quint8(received[at + 1]) & 0x7F;
        const qsizetype header = length == 126 ? 4 : length == 127 ? 10 : 2;
        if (at + header > received.size())
            return 0;
        const qsizetype payload = length == 126 ? quint8(received[at + 2]) << 8 | quint8(received[at + 3]) : length;
        if ((quint8(received[at]) & 0x0F) == 0x8)
            return at + 3 < received.size() ? quint8(received[at + 2]) << 8 | quint8(received[at + 3]) : 0;
        at += header + payload;
    }
    return 0;
}

// Opens a room and returns its id.
QString openRoom(RawClient& speaker, const QString& address)
{
    if (!speaker.open(address + QStringLiteral("/translate?lang=en&room=create")))
        return {};
    if (!QTest::qWaitFor([&] { return speaker.find(QStringLiteral("room_created")).has_value(); }, 10000))
        return {};
    return speaker.find(QStringLiteral("room_created"))->value(QStringLiteral("roomId")).toString();
}

} // namespace

class TestTranslationServer : public QObject
{
    Q_OBJECT

    std::shared_ptr<RecognitionEngine> m_engine;
    std::unique_ptr<ApertiumTranslator> m_translator;
    std::unique_ptr<TranslationServer> m_server;

    QString url(const QString& path) const
    {
        return QStringLiteral("ws://127.0.0.1:%1%2").arg(m_server->port()).arg(path);
    }

    QString httpUrl(const QString& path) const
    {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server->port()).arg(path);
    }

    // Status and body of a GET on the server.
    QPair<int, QByteArray> get(const QString& path)
    {
        QNetworkAccessManager network;
        std::unique_ptr<QNetworkReply> reply(network.get(QNetworkRequest(QUrl(httpUrl(path)))));
        if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 10000))
            return {0, {}};
        return {reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), reply->readAll()};
    }

private slots:

    void initTestCase()
    {
        auto engine = PocketsphinxEngine::open(PocketsphinxEngine::defaultModelFolder(), "en", {});
        if (const auto* error = std::get_if<QString>(&engine))
            QFAIL(qPrintable(*error));
        m_engine = std::make_shared<PocketsphinxEngine>(std::get<PocketsphinxEngine>(engine));
        m_translator = std::make_unique<ApertiumTranslator>();
        m_server = std::make_unique<TranslationServer>(m_engine, *m_translator);
        QVERIFY(!m_server->listen(QHostAddress::LocalHost, 0));
        QVERIFY(!test::testRecording("0880").isEmpty());
    }

    void refusesStreamsThatAreNot16kMono16Bit_data()
    {
        QTest::addColumn<QByteArray>("firstFrame");
        QTest::addColumn<QString>("reason");
        const QString format = "Audio must be 16 kHz mono 16-bit PCM";
        QTest::newRow("no header") << test::silence(100) << "The stream must start with a WAV header";
        QTest::newRow("cut short") << test::wavHeader().left(30) << "The stream must start with a WAV header";
        QTest::newRow("stereo") << test::wavHeader(1, 2) + test::silence(10) << format;
        QTest::newRow("44.1 kHz") << test::wavHeader(1, 1, 44100) + test::silence(10) << format;
        QTest::newRow("8 bits") << test::wavHeader(1, 1, 16000, 8) + test::silence(10) << format;
        QTest::newRow("float") << test::wavHeader(3, 1, 16000, 32) + test::silence(10) << format;
    }

    void refusesStreamsThatAreNot16kMono16Bit()
    {
        QFETCH(QByteArray, firstFrame);
        QFETCH(QString, reason);
        RawClient client;
        QVERIFY(client.open(url("/translate?lang=es")));
        client.socket.sendBinaryMessage(firstFrame);
        QTRY_VERIFY_WITH_TIMEOUT(client.isClosed, 10000);
        QCOMPARE(client.types(), QStringList{"error"});
        QVERIFY2(client.messages.first().value("message").toString().startsWith(reason),
            qPrintable(client.messages.first().value("message").toString()));
        QCOMPARE(client.socket.closeCode(), QWebSocketProtocol::CloseCodeDatatypeNotSupported);
        QVERIFY(client.socket.closeReason().startsWith(reason));
    }

    // The program's own client: interim words, then the final, then its
    // translation, each in a form the client accepts.
    void speechThroughTheProgramsClient_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expectedNotice");
        QTest::addColumn<QString>("expectedWord");
        QTest::newRow("Spanish") << "es"
                                 << ""
                                 << "joven";
        QTest::newRow("Italian, through Spanish") << "it"
                                                  << ""
                                                  << "giovane";
        QTest::newRow("English: transcript only") << "en"
                                                  << ""
                                                  << "";
        QTest::newRow("German: not served")
            << "de"
            << "The local server cannot translate to German; showing the transcript only"
            << "";
    }

    void speechThroughTheProgramsClient()
    {
        QFETCH(QString, target);
        QFETCH(QString, expectedNotice);
        QFETCH(QString, expectedWord);
        WebSocketService client;
        QList<TranslationResult> results;
        QStringList errors;
        int finishedCount = 0;
        QObject::connect(&client, &WebSocketService::resultReceived,
            [&](const TranslationResult& result) { results.append(result); });
        QObject::connect(&client, &WebSocketService::errorOccurred, [&](const QString& text) { errors.append(text); });
        QStringList notices;
        QObject::connect(
            &client, &WebSocketService::noticeReceived, [&](const QString& text) { notices.append(text); });
        QObject::connect(&client, &WebSocketService::finishReceived, [&] { ++finishedCount; });
        client.setServerURL(url(""));
        client.connect(target, false, {});

        const QByteArray pcm = test::testRecording("0880");
        client.sendAudio(test::wavHeader() + pcm.left(640));
        for (qsizetype at = 640; at < pcm.size(); at += 640)
            client.sendAudio(pcm.mid(at, 640));
        // A pause ends the utterance without a finish request.
        client.sendAudio(test::silence(1000));

        auto kinds = [&] {
            QStringList list;
            for (const TranslationResult& result : results)
                list.append(kindOf(result));
            return list;
        };
        const QString lastKind = expectedWord.isEmpty() ? "final" : "translation";
        QTRY_VERIFY2_WITH_TIMEOUT(
            kinds().contains(lastKind), qPrintable(kinds().join(',') + errors.join(',')), decodeWaitMs);
        QTest::qWait(300);
        QCOMPARE(errors, QStringList());
        QCOMPARE(notices, expectedNotice.isEmpty() ? QStringList() : QStringList{expectedNotice});

        QStringList expectedOrder = kinds();
        expectedOrder.removeDuplicates();
        QCOMPARE(expectedOrder,
            expectedWord.isEmpty() ? QStringList({"interim", "final"})
                                   : QStringList({"interim", "final", "translation"}));

        const TranslationResult final = results.at(kinds().indexOf("final"));
        QVERIFY2(final.original.contains("young man"), qPrintable(final.original));
        QCOMPARE(final.translation, QString());
        qint64 previousEnd = 0;
        for (const TranslationToken& token : final.tokens) {
            QCOMPARE(token.language, QString("en"));
            QCOMPARE(token.speaker, QString("1"));
            QCOMPARE(token.translationStatus, TranslationStatus::original);
            QVERIFY(token.startMs && token.endMs);
            QVERIFY(*token.startMs >= previousEnd - 10 && *token.endMs > *token.startMs);
            previousEnd = *token.endMs;
        }
        // The words lie within the 3 s of the recording.
        QVERIFY(*final.tokens.first().startMs >= 0 && previousEnd <= pcm.size() / 32 + 100);

        if (!expectedWord.isEmpty()) {
            const TranslationResult translation = results.at(kinds().indexOf("translation"));
            QVERIFY2(translation.translation.contains(expectedWord), qPrintable(translation.translation));
            QCOMPARE(translation.tokens.first().language, target);
            QCOMPARE(kinds().count("translation"), 1);
        }

        client.sendFinish();
        QTRY_COMPARE_WITH_TIMEOUT(finishedCount, 1, 10000);
        client.disconnect();
    }

    // Speech cut off by the finish request still gets its final and its
    // translation, before "finished"; then the server closes.
    void finishFlushesTheLastUtterance()
    {
        RawClient client;
        QVERIFY(client.open(url("/translate?lang=es")));
        client.sendStream(test::testRecording("0930"));
        client.socket.sendTextMessage("{\"type\":\"finish\"}");
        QTRY_VERIFY_WITH_TIMEOUT(client.isClosed, decodeWaitMs);
        QCOMPARE(client.socket.closeCode(), QWebSocketProtocol::CloseCodeNormal);

        QStringList tail;
        for (const QJsonObject& message : client.messages) {
            const QJsonArray tokens = message.value("tokens").toArray();
            if (message.value("type") == "finished")
                tail.append("finished");
            else if (!tokens.isEmpty() && tokens.first().toObject().value("translation_status") == "translation")
                tail.append("translation");
            else if (!tokens.isEmpty() && tokens.first().toObject().value("is_final").toBool())
                tail.append("final");
        }
        QCOMPARE(tail, QStringList({"final", "translation", "finished"}));
        QVERIFY(client.messages.last().value("type") == "finished");
    }

    // Word times count from the stream's first sample, in every utterance
    // of it, not only the first.
    void wordTimesOfLaterUtterances()
    {
        const QByteArray first = test::testRecording("0880");
        const QByteArray second = test::testRecording("0930");
        const QByteArray pause = test::silence(1500);
        RawClient client;
        QVERIFY(client.open(url("/translate?lang=en")));
        client.sendStream(first + pause + second + pause);
        client.socket.sendTextMessage("{\"type\":\"finish\"}");
        QTRY_VERIFY_WITH_TIMEOUT(client.find("finished").has_value(), decodeWaitMs);

        QList<QPair<qint64, qint64>> spans;
        for (const QJsonObject& message : client.messages) {
            const QJsonArray tokens = message.value("tokens").toArray();
            if (!tokens.isEmpty() && tokens.first().toObject().value("is_final").toBool())
                spans.append({tokens.first().toObject().value("start_ms").toInteger(),
                    tokens.last().toObject().value("end_ms").toInteger()});
        }
        QCOMPARE(spans.size(), 2);
        const qint64 secondStartsAt = (first.size() + pause.size()) / 32;
        QVERIFY2(spans[0].first >= 0 && spans[0].second <= first.size() / 32 + 100,
            qPrintable(QString("%1-%2").arg(spans[0].first).arg(spans[0].second)));
        QVERIFY2(spans[1].first >= secondStartsAt - 100 && spans[1].second <= secondStartsAt + second.size() / 32 + 100,
            qPrintable(QString("%1-%2 for %3").arg(spans[1].first).arg(spans[1].second).arg(secondStartsAt)));
    }

    void roomWithListenersInTwoLanguages()
    {
        RawClient speaker;
        QVERIFY(speaker.open(url("/translate?lang=es&room=create")));
        QTRY_VERIFY_WITH_TIMEOUT(speaker.find("room_created").has_value(), 10000);
        const QString roomId = speaker.find("room_created")->value("roomId").toString();
        QVERIFY2(QRegularExpression("^[0-9a-f]{32}$").match(roomId).hasMatch(), qPrintable(roomId));

        const auto [status, page] = get("/room/" + roomId);
        QCOMPARE(status, 200);
        QVERIFY(page.contains(roomId.toUtf8()));
        QVERIFY(page.contains("value=\"fr\""));
        QVERIFY(!page.contains("value=\"de\""));
        // Self-contained: nothing is fetched from elsewhere.
        QVERIFY(!QRegularExpression("(src|href)=").match(QString::fromUtf8(page)).hasMatch());

        RawClient spanish;
        RawClient french;
        QVERIFY(spanish.open(url("/room/" + roomId + "/listen?lang=es")));
        QVERIFY(french.open(url("/room/" + roomId + "/listen?lang=fr")));
        const QJsonObject bothListen{{"type", "room_update"}, {"subscriberCount", 2},
            {"languages",
                QJsonArray{QJsonObject{{"lang", "es"}, {"count", 1}}, QJsonObject{{"lang", "fr"}, {"count", 1}}}}};
        QTRY_VERIFY_WITH_TIMEOUT(speaker.messages.contains(bothListen), 10000);

        speaker.sendStream(test::testRecording("0880") + test::silence(1000));
        QTRY_VERIFY_WITH_TIMEOUT(spanish.find("caption", "is_final", true).has_value(), decodeWaitMs);
        QTRY_VERIFY_WITH_TIMEOUT(french.find("caption", "is_final", true).has_value(), decodeWaitMs);
        const QString inSpanish = spanish.find("caption", "is_final", true)->value("text").toString();
        const QString inFrench = french.find("caption", "is_final", true)->value("text").toString();
        QVERIFY2(inSpanish.contains("joven"), qPrintable(inSpanish));
        QVERIFY2(inFrench.contains("jeune"), qPrintable(inFrench));
        QVERIFY(spanish.find("caption", "is_final", false).has_value());

        // One listener leaves: the speaker hears of it.
        french.socket.close();
        const QJsonObject oneListens{{"type", "room_update"}, {"subscriberCount", 1},
            {"languages", QJsonArray{QJsonObject{{"lang", "es"}, {"count", 1}}}}};
        QTRY_VERIFY_WITH_TIMEOUT(speaker.messages.contains(oneListens), 10000);

        // The speaker leaves: the room ends and its listener is told.
        speaker.socket.close();
        QTRY_VERIFY_WITH_TIMEOUT(spanish.isClosed, 10000);
        QCOMPARE(spanish.types().last(), "room_closed");
        QCOMPARE(get("/room/" + roomId).first, 404);
    }

    void saysWhoItIs()
    {
        const auto [status, body] = get(ServerIdentity::path);
        QCOMPARE(status, 200);
        QVERIFY2(ServerIdentity::isOurs(body), body.constData());
        QVERIFY(!ServerIdentity::isOurs(get("/").second));
    }

    void unknownRoom()
    {
        QTest::failOnWarning(QRegularExpression("QIODevice::peek"));
        const auto [status, page] = get("/room/0123456789abcdef0123456789abcdef");
        QCOMPARE(status, 404);
        QVERIFY(page.contains("No such room"));

        RawClient listener;
        QVERIFY(listener.open(url("/room/0123456789abcdef0123456789abcdef/listen?lang=es")));
        QTRY_VERIFY_WITH_TIMEOUT(listener.isClosed, 10000);
        QCOMPARE(listener.types(), QStringList{"error"});
        QCOMPARE(listener.messages.first().value("message").toString(), "No such room");
    }

    // A listener's message larger than a listener needs is refused with
    // 1009 as its header arrives: 100 MB sent cost the server nothing.
    void listenersHugeMessageIsRefused()
    {
        RawClient speaker;
        const QString roomId = openRoom(speaker, url({}));
        QVERIFY(!roomId.isEmpty());
        QTcpSocket raw;
        QByteArray received;
        QVERIFY(upgradeRaw(raw, m_server->port(), "/room/" + roomId.toUtf8() + "/listen?lang=en", received));

        const qint64 before = residentBytes();
        constexpr qint64 messageBytes = 100 * 1024 * 1024;
        QByteArray header("\x82\xFF", 2);
        for (int shift = 56; shift >= 0; shift -= 8)
            header.append(char((messageBytes >> shift) & 0xFF));
        header.append("\0\0\0\0", 4); // the mask
        raw.write(header);
        const QByteArray piece(1024 * 1024, 'x');
        for (qint64 sent = 0; sent < messageBytes && raw.state() == QAbstractSocket::ConnectedState;
             sent += piece.size()) {
            raw.write(piece);
            if (!QTest::qWaitFor(
                    [&] { return raw.bytesToWrite() == 0 || raw.state() != QAbstractSocket::ConnectedState; }, 10000))
                break;
        }
        QTRY_COMPARE_WITH_TIMEOUT(closeCodeIn(received), int(QWebSocketProtocol::CloseCodeTooMuchData), 10000);
        const qint64 grown = residentBytes() - before;
        QVERIFY2(grown < 20 * 1024 * 1024, qPrintable(QString::number(grown)));
        QVERIFY(!speaker.isClosed);
    }

    // A client's frames come masked; one that is not ends its connection
    // with a protocol error, while the same frame masked is answered.
    void unmaskedFramesAreRefused_data()
    {
        QTest::addColumn<bool>("isSpeaker");
        QTest::addColumn<QByteArray>("frame");
        QTest::addColumn<int>("closeCode");
        const QByteArray ping("\x89\x04ping", 6);
        const QByteArray maskedPing = QByteArray("\x89\x84\0\0\0\0", 6) + "ping";
        const int protocolError = QWebSocketProtocol::CloseCodeProtocolError;
        QTest::newRow("speaker, stream header")
            << true << QByteArray("\x82\x2C", 2) + test::wavHeader() << protocolError;
        QTest::newRow("speaker, ping") << true << ping << protocolError;
        QTest::newRow("speaker, masked ping") << true << maskedPing << 0;
        QTest::newRow("listener, text") << false << QByteArray("\x81\x02{}", 4) << protocolError;
        QTest::newRow("listener, masked ping") << false << maskedPing << 0;
    }

    void unmaskedFramesAreRefused()
    {
        QFETCH(bool, isSpeaker);
        QFETCH(QByteArray, frame);
        QFETCH(int, closeCode);
        ApertiumTranslator translator;
        TranslationServer server(std::make_shared<SilentEngine>(), translator);
        QVERIFY(!server.listen(QHostAddress::LocalHost, 0));
        RawClient speaker;
        const QString roomId = openRoom(speaker, QStringLiteral("ws://127.0.0.1:%1").arg(server.port()));
        QVERIFY(!roomId.isEmpty());
        QTcpSocket raw;
        QByteArray received;
        const QByteArray path = isSpeaker ? "/translate?lang=en" : "/room/" + roomId.toUtf8() + "/listen?lang=en";
        QVERIFY(upgradeRaw(raw, server.port(), path, received));
        raw.write(frame);
        if (closeCode == 0) {
            QTRY_VERIFY_WITH_TIMEOUT(received.contains("\x8A\x04ping"), 10000);
            QCOMPARE(raw.state(), QAbstractSocket::ConnectedState);
        } else {
            QTRY_COMPARE_WITH_TIMEOUT(closeCodeIn(received), closeCode, 10000);
            QTRY_COMPARE_WITH_TIMEOUT(raw.state(), QAbstractSocket::UnconnectedState, 10000);
        }
        QVERIFY(!speaker.isClosed);
    }

    void followsFrameHeaders_data()
    {
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<int>("pieceBytes");
        QTest::addColumn<int>("refusedAt");
        const auto masked = [](qsizetype length) {
            QByteArray header("\x82", 1);
            if (length < 126) {
                header.append(char(0x80 | length));
            } else if (length <= 0xFFFF) {
                header.append(char(0x80 | 126)).append(char(length >> 8)).append(char(length & 0xFF));
            } else {
                header.append(char(0x80 | 127));
                for (int shift = 56; shift >= 0; shift -= 8)
                    header.append(char((quint64(length) >> shift) & 0xFF));
            }
            return header + QByteArray(4, '\x11') + QByteArray(length, '\x80');
        };
        const QByteArray unmasked("\x89\x00", 2);
        const QList<QByteArray> mixed{masked(5), masked(300), masked(70000), unmasked};
        const int end = int(masked(5).size() + masked(300).size() + masked(70000).size());
        QTest::newRow("masked, whole") << QList<QByteArray>{masked(5), masked(300), masked(70000)} << 100000 << -1;
        QTest::newRow("unmasked after long frames, whole") << mixed << 100000 << end;
        QTest::newRow("unmasked after long frames, byte by byte") << mixed << 1 << end;
        QTest::newRow("unmasked after long frames, in threes") << mixed << 3 << end;
    }

    // Frame lengths of every size are skipped, however the bytes arrive.
    void followsFrameHeaders()
    {
        QFETCH(QList<QByteArray>, frames);
        QFETCH(int, pieceBytes);
        QFETCH(int, refusedAt);
        const QByteArray stream = frames.join();
        MaskedFrames follower;
        int refused = -1;
        for (qsizetype at = 0; at < stream.size() && refused < 0; at += pieceBytes) {
            if (!follower.follow(
                    QByteArrayView(stream).sliced(at, std::min<qsizetype>(pieceBytes, stream.size() - at))))
                refused = int(at);
        }
        // Refused with the piece that holds the unmasked frame's second byte.
        const int expected = refusedAt < 0 ? -1 : (refusedAt + 1) / pieceBytes * pieceBytes;
        QCOMPARE(refused, expected);
    }

    // Listeners coming and going in a loop: the speaker hears a few updates a
    // second, the latest counts, and stays connected.
    void roomChurnKeepsTheSpeaker()
    {
        ApertiumTranslator translator;
        TranslationServer server(std::make_shared<SilentEngine>(), translator);
        QVERIFY(!server.listen(QHostAddress::LocalHost, 0));
        const QString address = QStringLiteral("ws://127.0.0.1:%1").arg(server.port());
        RawClient speaker;
        const QString roomId = openRoom(speaker, address);
        QVERIFY(!roomId.isEmpty());

        QElapsedTimer churn;
        churn.start();
        while (churn.elapsed() < 4000) {
            std::vector<std::unique_ptr<RawClient>> listeners;
            for (int i = 0; i < 50; ++i) {
                listeners.push_back(std::make_unique<RawClient>());
                QVERIFY(listeners.back()->open(address + "/room/" + roomId + "/listen?lang=en"));
            }
            for (const auto& listener : listeners)
                listener->socket.close();
            QVERIFY(QTest::qWaitFor(
                [&] { return std::all_of(listeners.begin(), listeners.end(), [](auto& l) { return l->isClosed; }); },
                10000));
        }
        const QJsonObject nobody{{"type", "room_update"}, {"subscriberCount", 0}, {"languages", QJsonArray{}}};
        QTRY_VERIFY_WITH_TIMEOUT(speaker.messages.last() == nobody, 10000);
        QVERIFY(!speaker.isClosed);
        const qsizetype updates = speaker.types().count("room_update");
        const qint64 allowed = churn.elapsed() / SpeakerSession::roomUpdateIntervalMs + 2;
        QVERIFY2(updates <= allowed, qPrintable(QString("%1 updates").arg(updates)));
    }

    // A speaker whose connection dropped takes its room over when it comes
    // back; listeners stay. A room the server does not have is not made
    // under the asked id, and a room nobody comes back to ends.
    void roomWaitsForItsSpeaker()
    {
        ApertiumTranslator translator;
        TranslationServer server(std::make_shared<SilentEngine>(), translator);
        QVERIFY(!server.listen(QHostAddress::LocalHost, 0));
        const QString address = QStringLiteral("ws://127.0.0.1:%1").arg(server.port());
        auto speaker = std::make_unique<RawClient>();
        const QString roomId = openRoom(*speaker, address);
        QVERIFY(!roomId.isEmpty());
        RawClient listener;
        QVERIFY(listener.open(address + "/room/" + roomId + "/listen?lang=en"));
        QTRY_VERIFY_WITH_TIMEOUT(speaker->messages.last().value("subscriberCount") == 1, 10000);

        speaker->socket.abort();
        QTRY_COMPARE_WITH_TIMEOUT(server.speakerCount(), 0, 10000);
        RawClient back;
        QVERIFY(back.open(address + "/translate?lang=en&room=" + roomId));
        QTRY_VERIFY_WITH_TIMEOUT(back.find("room_created").has_value(), 10000);
        QCOMPARE(back.find("room_created")->value("roomId").toString(), roomId);
        QVERIFY(!listener.isClosed);
        QVERIFY(!listener.types().contains("room_closed"));
        // The room's updates now go to the speaker's new connection.
        RawClient second;
        QVERIFY(second.open(address + "/room/" + roomId + "/listen?lang=en"));
        QTRY_VERIFY_WITH_TIMEOUT(back.find("room_update", "subscriberCount", 2).has_value(), 10000);

        RawClient stranger;
        QVERIFY(stranger.open(address + "/translate?lang=en&room=0123456789abcdef0123456789abcdef"));
        QTRY_VERIFY_WITH_TIMEOUT(stranger.find("room_created").has_value(), 10000);
        const QString other = stranger.find("room_created")->value("roomId").toString();
        QVERIFY(other != "0123456789abcdef0123456789abcdef" && other != roomId);

        server.setSpeakerReturnMs(100);
        back.socket.abort();
        QTRY_VERIFY_WITH_TIMEOUT(listener.isClosed, 10000);
        QCOMPARE(listener.types().last(), "room_closed");
    }

    void whoMayConnect_data()
    {
        QTest::addColumn<bool>("isSpeaker");
        QTest::addColumn<QString>("peer");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("speaker, IPv4 loopback") << true << "127.0.0.1" << true;
        QTest::newRow("speaker, IPv6 loopback") << true << "::1" << true;
        QTest::newRow("speaker, mapped loopback") << true << "::ffff:127.0.0.1" << true;
        QTest::newRow("speaker, network") << true << "192.168.1.20" << false;
        QTest::newRow("speaker, mapped network") << true << "::ffff:192.168.1.20" << false;
        QTest::newRow("listener, network") << false << "192.168.1.20" << true;
    }

    void whoMayConnect()
    {
        QFETCH(bool, isSpeaker);
        QFETCH(QString, peer);
        QFETCH(bool, allowed);
        QCOMPARE(TranslationServer::isAllowedPeer(isSpeaker, QHostAddress(peer)), allowed);
    }

    // Listening on every address: from the machine's network address a
    // listener is served, a speaker refused.
    void sharedRoomFromTheNetwork()
    {
        const QString networkAddress = defaultRouteAddress();
        if (networkAddress.isEmpty())
            QSKIP("this machine has no network address besides loopback");
        ApertiumTranslator translator;
        TranslationServer server(std::make_shared<SilentEngine>(), translator);
        QVERIFY(!server.listen(QHostAddress::AnyIPv4, 0));
        RawClient speaker;
        const QString roomId = openRoom(speaker, QStringLiteral("ws://127.0.0.1:%1").arg(server.port()));
        QVERIFY(!roomId.isEmpty());
        const QString remote = QStringLiteral("ws://%1:%2").arg(networkAddress).arg(server.port());

        RawClient listener;
        QVERIFY(listener.open(remote + "/room/" + roomId + "/listen?lang=en"));
        QTRY_VERIFY_WITH_TIMEOUT(speaker.find("room_update", "subscriberCount", 1).has_value(), 10000);
        QVERIFY(!listener.isClosed);

        RawClient intruder;
        QVERIFY(intruder.open(remote + "/translate?lang=en"));
        QTRY_VERIFY_WITH_TIMEOUT(intruder.isClosed, 10000);
        QCOMPARE(intruder.types(), QStringList{"error"});
        QCOMPARE(intruder.messages.first().value("message").toString(), "Speakers connect from this computer only");
        QCOMPARE(server.speakerCount(), 1);
    }

    void theNinthSpeakerIsRefused()
    {
        // Refusals say nothing on stderr.
        QTest::failOnWarning(QRegularExpression("QIODevice::peek"));
        ApertiumTranslator translator;
        TranslationServer server(std::make_shared<SilentEngine>(), translator);
        QVERIFY(!server.listen(QHostAddress::LocalHost, 0));
        const QString address = QStringLiteral("ws://127.0.0.1:%1/translate?lang=en").arg(server.port());

        std::vector<std::unique_ptr<RawClient>> speakers;
        for (int i = 0; i < TranslationServer::maxSpeakers; ++i) {
            speakers.push_back(std::make_unique<RawClient>());
            QVERIFY(speakers.back()->open(address));
        }
        RawClient ninth;
        QVERIFY(ninth.open(address));
        QTRY_VERIFY_WITH_TIMEOUT(ninth.isClosed, 10000);
        QCOMPARE(ninth.types(), QStringList{"error"});
        QCOMPARE(ninth.messages.first().value("message").toString(),
            "The local server is busy: it serves at most 8 speakers at a time");
        for (const auto& speaker : speakers)
            QVERIFY(!speaker->isClosed);

        // A place that frees up is taken again.
        speakers.front()->socket.close();
        QTRY_COMPARE_WITH_TIMEOUT(server.speakerCount(), TranslationServer::maxSpeakers - 1, 10000);
        RawClient next;
        QVERIFY(next.open(address));
        QTest::qWait(300);
        QVERIFY(!next.isClosed);
        QCOMPARE(server.speakerCount(), TranslationServer::maxSpeakers);
    }
};

QTEST_GUILESS_MAIN(TestTranslationServer)
#include "tst_TranslationServer.moc"
