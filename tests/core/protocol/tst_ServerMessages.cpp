#include "protocol/ServerMessages.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tolvaran;

Q_DECLARE_METATYPE(tolvaran::IncomingMessage)

namespace {

const char* kindName(const std::optional<IncomingMessage>& message)
{
    if (!message)
        return "dropped";
    return messageTypeName(*message);
}

QByteArray result(const QByteArray& tokens)
{
    return R"({"type":"result","original":"o","translation":"t","tokens":[)" + tokens + "]}";
}

} // namespace

class TestServerMessages : public QObject
{
    Q_OBJECT

private slots:

    void classification_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("kind");

        QTest::newRow("empty result") << QByteArray(R"({"type":"result","tokens":[],"original":"","translation":""})")
                                      << "result";
        QTest::newRow("minimal token") << result(R"({"text":"a","is_final":false})") << "result";
        QTest::newRow("nulls are absent")
            << result(R"({"text":"a","is_final":true,"start_ms":null,"translation_status":null,"speaker":null})")
            << "result";
        QTest::newRow("unknown keys ignored") << result(R"({"text":"a","is_final":true,"extra":[1]})") << "result";
        QTest::newRow("finished with extra keys")
            << QByteArray(R"({"type":"finished","x":1,"message":"m"})") << "finished";
        QTest::newRow("room created") << QByteArray(R"({"type":"room_created","roomId":"r1"})") << "room_created";
        QTest::newRow("room update") << QByteArray(R"({"type":"room_update","subscriberCount":0,"languages":[]})")
                                     << "room_update";
        QTest::newRow("error") << QByteArray(R"({"type":"error","message":"boom"})") << "error";
        QTest::newRow("notice") << QByteArray(R"({"type":"notice","message":"no German"})") << "notice";
        QTest::newRow("notice without text") << QByteArray(R"({"type":"notice"})") << "dropped";

        QTest::newRow("not JSON") << QByteArray("hello") << "dropped";
        QTest::newRow("array") << QByteArray(R"([{"type":"finished"}])") << "dropped";
        QTest::newRow("no type") << QByteArray(R"({"message":"x"})") << "dropped";
        QTest::newRow("type not text") << QByteArray(R"({"type":5})") << "dropped";
        QTest::newRow("message not text") << QByteArray(R"({"type":"error","message":5})") << "dropped";
        QTest::newRow("capital Result") << QByteArray(R"({"type":"Result","tokens":[],"original":"","translation":""})")
                                        << "dropped";
        QTest::newRow("finish from the server") << QByteArray(R"({"type":"finish"})") << "dropped";
        QTest::newRow("unknown type") << QByteArray(R"({"type":"hello"})") << "dropped";

        QTest::newRow("result without tokens")
            << QByteArray(R"({"type":"result","original":"","translation":""})") << "dropped";
        QTest::newRow("result without original")
            << QByteArray(R"({"type":"result","tokens":[],"translation":""})") << "dropped";
        QTest::newRow("tokens not an array")
            << QByteArray(R"({"type":"result","tokens":{},"original":"","translation":""})") << "dropped";
        QTest::newRow("token without text") << result(R"({"is_final":true})") << "dropped";
        QTest::newRow("token without is_final") << result(R"({"text":"a"})") << "dropped";
        QTest::newRow("is_final as text") << result(R"({"text":"a","is_final":"true"})") << "dropped";
        QTest::newRow("is_final null") << result(R"({"text":"a","is_final":null})") << "dropped";
        QTest::newRow("fractional start_ms") << result(R"({"text":"a","is_final":true,"start_ms":1.5})") << "dropped";
        QTest::newRow("start_ms as text") << result(R"({"text":"a","is_final":true,"start_ms":"3"})") << "dropped";
        QTest::newRow("huge end_ms") << result(R"({"text":"a","is_final":true,"end_ms":1e300})") << "dropped";
        QTest::newRow("confidence as text")
            << result(R"({"text":"a","is_final":true,"confidence":"high"})") << "dropped";
        QTest::newRow("speaker as number") << result(R"({"text":"a","is_final":true,"speaker":1})") << "dropped";
        QTest::newRow("unknown status") << result(R"({"text":"a","is_final":true,"translation_status":"partial"})")
                                        << "dropped";
        QTest::newRow("one bad token drops all")
            << result(R"({"text":"ok","is_final":true},{"text":"bad","is_final":1})") << "dropped";
        QTest::newRow("room created without id") << QByteArray(R"({"type":"room_created"})") << "dropped";
        QTest::newRow("room id as number") << QByteArray(R"({"type":"room_created","roomId":7})") << "dropped";
        QTest::newRow("room update without count")
            << QByteArray(R"({"type":"room_update","languages":[]})") << "dropped";
        QTest::newRow("room update without languages")
            << QByteArray(R"({"type":"room_update","subscriberCount":1})") << "dropped";
        QTest::newRow("language without lang")
            << QByteArray(R"({"type":"room_update","subscriberCount":1,"languages":[{"count":1}]})") << "dropped";
        QTest::newRow("language without count")
            << QByteArray(R"({"type":"room_update","subscriberCount":1,"languages":[{"lang":"de"}]})") << "dropped";
        QTest::newRow("fractional subscriber count")
            << QByteArray(R"({"type":"room_update","subscriberCount":1.5,"languages":[]})") << "dropped";

        // Nesting: a recursive parser runs out of stack long before 1 MiB.
        const auto nested = [](int depth) { return QByteArray(depth, '[') + QByteArray(depth, ']'); };
        QTest::newRow("200000 open brackets") << QByteArray(200000, '[') << "dropped";
        QTest::newRow("200000 nested arrays") << nested(200000) << "dropped";
        QTest::newRow("deep objects") << QByteArray("{\"a\":").repeated(100000) << "dropped";
        QTest::newRow("deep array in an unknown key")
            << QByteArray(R"({"type":"finished","x":)" + nested(100000) + "}") << "dropped";
        QTest::newRow("long fraction") << QByteArray(R"({"type":"finished","x":[1.)" + QByteArray(2700, '0') + "1]}")
                                       << "finished";
        QTest::newRow("number beyond a double") << QByteArray(R"({"type":"finished","x":1e400})") << "dropped";
        QTest::newRow("moderate nesting in an unknown key")
            << QByteArray(R"({"type":"finished","x":)" + nested(20) + "}") << "finished";
    }

    void classification()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, kind);
        QCOMPARE(kindName(decodeIncomingMessage(text)), kind);
    }

    void tokenFields()
    {
        const auto message = decodeIncomingMessage(
            result(R"({"text":"Hallo","start_ms":-20,"end_ms":9007199254740993,"is_final":true,"confidence":0.75,)"
                   R"("language":"de","source_language":"en","translation_status":"translation","speaker":"2"},)"
                   R"({"text":" x","is_final":false})"));
        QVERIFY(message);
        const auto& decoded = std::get<TranslationResult>(*message);
        QCOMPARE(decoded.original, "o");
        QCOMPARE(decoded.translation, "t");
        QCOMPARE(decoded.tokens.size(), 2);

        const TranslationToken& token = decoded.tokens[0];
        QCOMPARE(token.text, "Hallo");
        QCOMPARE(token.startMs, qint64(-20));
        QCOMPARE(token.endMs, qint64(9007199254740993));
        QCOMPARE(token.isFinal, true);
        QCOMPARE(token.confidence, 0.75);
        QCOMPARE(token.language, "de");
        QCOMPARE(token.sourceLanguage, "en");
        QCOMPARE(token.translationStatus, TranslationStatus::translation);
        QCOMPARE(token.speaker, "2");

        const TranslationToken& bare = decoded.tokens[1];
        QCOMPARE(bare.text, " x");
        QVERIFY(!bare.startMs && !bare.endMs && !bare.confidence && !bare.language && !bare.sourceLanguage
            && !bare.translationStatus && !bare.speaker);
    }

    void everyDecodingMakesNewTokenIds()
    {
        const QByteArray text = result(R"({"text":"a","is_final":true},{"text":"a","is_final":true})");
        const auto first = std::get<TranslationResult>(*decodeIncomingMessage(text));
        const auto second = std::get<TranslationResult>(*decodeIncomingMessage(text));
        QVERIFY(!first.tokens[0].id.isNull());
        QCOMPARE(first.tokens[0].id.version(), QUuid::Random);
        QCOMPARE(first.tokens[0].id.variant(), QUuid::DCE);
        QVERIFY(first.tokens[0].id != first.tokens[1].id);
        QVERIFY(first.tokens[0].id != second.tokens[0].id);
    }

    void roomUpdateKeepsOrder()
    {
        const auto message = decodeIncomingMessage(
            R"({"type":"room_update","subscriberCount":3,"languages":[{"lang":"de","count":2},{"lang":"fr","count":1}]})");
        QVERIFY(message);
        const auto& update = std::get<RoomUpdateMessage>(*message);
        QCOMPARE(update.subscriberCount, 3);
        QCOMPARE(update.languages, (QList<LanguageSubscriberCount>{{"de", 2}, {"fr", 1}}));
    }

    void errorTexts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("message") << QByteArray(R"({"type":"error","message":"Quota exceeded"})") << "Quota exceeded";
        QTest::newRow("no message") << QByteArray(R"({"type":"error"})") << "Unknown server error";
        QTest::newRow("null message") << QByteArray(R"({"type":"error","message":null})") << "Unknown server error";
        QTest::newRow("empty message") << QByteArray(R"({"type":"error","message":""})") << "";
    }

    void errorTexts()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        const auto message = decodeIncomingMessage(text);
        QVERIFY(message);
        QCOMPARE(std::get<ServerErrorNotice>(*message).text, expected);
    }

    void finishIsCompact() { QCOMPARE(encodeFinishMessage(), R"({"type":"finish"})"); }

    // The server's side of the client's one message.
    void finishRequest_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("isFinish");
        QTest::newRow("the program's") << encodeFinishMessage() << true;
        QTest::newRow("extra keys") << QByteArray(R"({"message":5,"type":"finish","x":[]})") << true;
        QTest::newRow("finished") << QByteArray(R"({"type":"finished"})") << false;
        QTest::newRow("type not text") << QByteArray(R"({"type":1})") << false;
        QTest::newRow("no type") << QByteArray(R"({"finish":true})") << false;
        QTest::newRow("array") << QByteArray(R"([{"type":"finish"}])") << false;
        QTest::newRow("bare text") << QByteArray(R"("finish")") << false;
        QTest::newRow("cut short") << QByteArray(R"({"type":"finish")") << false;
    }

    void finishRequest()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, isFinish);
        QCOMPARE(isFinishMessage(text), isFinish);
    }

    // A message is written under its own type, whatever its record holds.
    void messagesWriteTheirType_data()
    {
        QTest::addColumn<IncomingMessage>("message");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("result") << IncomingMessage(TranslationResult{"x", {}, "o", ""})
                                << QByteArray(R"({"original":"o","tokens":[],"translation":"","type":"result"})");
        QTest::newRow("room created") << IncomingMessage(RoomCreatedMessage{"", "r"})
                                      << QByteArray(R"({"roomId":"r","type":"room_created"})");
        QTest::newRow("finished") << IncomingMessage(FinishedNotice{}) << QByteArray(R"({"type":"finished"})");
        QTest::newRow("empty notice") << IncomingMessage(ServerNotice{""})
                                      << QByteArray(R"({"message":"","type":"notice"})");
    }

    void messagesWriteTheirType()
    {
        QFETCH(IncomingMessage, message);
        QFETCH(QByteArray, expected);
        QCOMPARE(encodeIncomingMessage(message), expected);
    }

    // What the program encodes it reads back, under the same keys.
    void recordsRoundTrip()
    {
        TranslationToken token;
        token.text = "Guten Tag";
        token.startMs = 120;
        token.endMs = 480;
        token.isFinal = true;
        token.confidence = 0.5;
        token.language = "de";
        token.sourceLanguage = "en";
        token.translationStatus = TranslationStatus::original;
        token.speaker = "1";
        const TranslationResult original{"result", {token, TranslationToken{}}, "o", "t"};

        const QByteArray encoded = encodeCompact(original);
        const QJsonObject object = QJsonDocument::fromJson(encoded).object();
        const QStringList keys = object.value("tokens").toArray().at(0).toObject().keys();
        QCOMPARE(keys,
            (QStringList{"confidence", "end_ms", "is_final", "language", "source_language", "speaker", "start_ms",
                "text", "translation_status"}));
        // An empty optional is left out, not written as null.
        QCOMPARE(object.value("tokens").toArray().at(1).toObject().keys(), (QStringList{"is_final", "text"}));

        std::optional<TranslationResult> decoded = decodeRecord<TranslationResult>(encoded);
        QVERIFY(decoded);
        QCOMPARE(decoded->tokens.size(), 2);
        for (int i = 0; i < 2; ++i)
            decoded->tokens[i].id = original.tokens[i].id; // identities are not on the wire
        QCOMPARE(*decoded, original);

        const RoomUpdateMessage update{"room_update", 4, {{"de", 3}, {"ja", 1}}};
        QCOMPARE(decodeRecord<RoomUpdateMessage>(encodeCompact(update)), update);
        QCOMPARE(encodeCompact(RoomCreatedMessage{"room_created", "abc"}), R"({"roomId":"abc","type":"room_created"})");
    }
};

QTEST_GUILESS_MAIN(TestServerMessages)
#include "tst_ServerMessages.moc"
