#include "OutgoingMessages.h"
#include "protocol/ServerMessages.h"

#include <QTest>

using namespace tolvaran;
using namespace tolvaran::server;

Q_DECLARE_METATYPE(tolvaran::IncomingMessage)

namespace {

TranslationToken token(const QString& text, std::optional<qint64> startMs, std::optional<qint64> endMs, bool isFinal,
    const QString& language, std::optional<QString> sourceLanguage, TranslationStatus status)
{
    TranslationToken made;
    made.text = text;
    made.startMs = startMs;
    made.endMs = endMs;
    made.isFinal = isFinal;
    made.language = language;
    made.sourceLanguage = std::move(sourceLanguage);
    made.translationStatus = status;
    made.speaker = QStringLiteral("1");
    return made;
}

// Token identities are made afresh on every decoding and never sent.
IncomingMessage withoutIds(IncomingMessage message)
{
    if (auto* result = std::get_if<TranslationResult>(&message)) {
        for (TranslationToken& each : result->tokens)
            each.id = QUuid();
    }
    return message;
}

} // namespace

// What the local server writes is what the program reads: every message the
// server sends, decoded by the program's side. The texts are the server's
// exact bytes, which peers and recorded traces may compare.
class TestOutgoingMessages : public QObject
{
    Q_OBJECT

private slots:

    // Defined below the class: moc misreads a raw string that holds \".
    void roundTrip_data();

    void roundTrip()
    {
        QFETCH(QString, sent);
        QFETCH(QByteArray, wire);
        QFETCH(IncomingMessage, received);
        QCOMPARE(sent.toUtf8(), wire);
        const std::optional<IncomingMessage> decoded = decodeIncomingMessage(sent.toUtf8());
        QVERIFY(decoded);
        QCOMPARE(withoutIds(*decoded), withoutIds(received));
    }

    // The room's listener page reads these; the program never does.
    void listenerMessages_data()
    {
        QTest::addColumn<QString>("sent");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("caption") << outgoing::caption(3, true, "hi", "hola")
                                 << QByteArray(R"({"is_final":true,"original":"hi","text":"hola",)"
                                               R"("type":"caption","utterance":3})");
        QTest::newRow("interim caption") << outgoing::caption(0, false, "", "")
                                         << QByteArray(R"({"is_final":false,"original":"","text":"",)"
                                                       R"("type":"caption","utterance":0})");
        QTest::newRow("room closed") << outgoing::roomClosed() << QByteArray(R"({"type":"room_closed"})");
    }

    void listenerMessages()
    {
        QFETCH(QString, sent);
        QFETCH(QByteArray, wire);
        QCOMPARE(sent.toUtf8(), wire);
    }
};

void TestOutgoingMessages::roundTrip_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QByteArray>("wire");
    QTest::addColumn<IncomingMessage>("received");

    const auto original = TranslationStatus::original;
    const auto translated = TranslationStatus::translation;
    QTest::newRow("interim words")
        << outgoing::recognition({{{"hello", 0, 320}, {"world", 320, 800}}, false}, "en", "1")
        << QByteArray(R"({"original":"hello world","tokens":[{"end_ms":320,"is_final":false,"language":"en",)"
                      R"("speaker":"1","start_ms":0,"text":"hello","translation_status":"original"},)"
                      R"({"end_ms":800,"is_final":false,"language":"en","speaker":"1","start_ms":320,)"
                      R"("text":"world","translation_status":"original"}],"translation":"","type":"result"})")
        << IncomingMessage(TranslationResult{"result",
               {token("hello", 0, 320, false, "en", {}, original), token("world", 320, 800, false, "en", {}, original)},
               "hello world", ""});
    QTest::newRow("final words, escaped")
        << outgoing::recognition({{{"café \"x\" \\ /", 10, 9007199254740993}}, true}, "en", "1")
        << QByteArray(R"({"original":"café \"x\" \\ /","tokens":[{"end_ms":9007199254740993,"is_final":true,)"
                      R"("language":"en","speaker":"1","start_ms":10,"text":"café \"x\" \\ /",)"
                      R"("translation_status":"original"}],"translation":"","type":"result"})")
        << IncomingMessage(TranslationResult{"result",
               {token("café \"x\" \\ /", 10, 9007199254740993, true, "en", {}, original)}, "café \"x\" \\ /", ""});
    QTest::newRow("no words") << outgoing::recognition({{}, true}, "en", "1")
                              << QByteArray(R"({"original":"","tokens":[],"translation":"","type":"result"})")
                              << IncomingMessage(TranslationResult{"result", {}, "", ""});
    QTest::newRow("translation")
        << outgoing::translation("hello world", "hola  mundo ", "en", "es", "1")
        << QByteArray(R"({"original":"hello world","tokens":[{"is_final":true,"language":"es",)"
                      R"("source_language":"en","speaker":"1","text":"hola","translation_status":"translation"},)"
                      R"({"is_final":true,"language":"es","source_language":"en","speaker":"1","text":"mundo",)"
                      R"("translation_status":"translation"}],"translation":"hola  mundo ","type":"result"})")
        << IncomingMessage(TranslationResult{"result",
               {token("hola", {}, {}, true, "es", "en", translated),
                   token("mundo", {}, {}, true, "es", "en", translated)},
               "hello world", "hola  mundo "});
    QTest::newRow("finished") << outgoing::finished() << QByteArray(R"({"type":"finished"})")
                              << IncomingMessage(FinishedNotice{});
    QTest::newRow("error") << outgoing::error("No such room")
                           << QByteArray(R"({"message":"No such room","type":"error"})")
                           << IncomingMessage(ServerErrorNotice{"No such room"});
    QTest::newRow("notice") << outgoing::notice("No German") << QByteArray(R"({"message":"No German","type":"notice"})")
                            << IncomingMessage(ServerNotice{"No German"});
    QTest::newRow("room created") << outgoing::roomCreated("abc")
                                  << QByteArray(R"({"roomId":"abc","type":"room_created"})")
                                  << IncomingMessage(RoomCreatedMessage{"room_created", "abc"});
    QTest::newRow("room update")
        << outgoing::roomUpdate({{"es", 2}, {"fr", 1}})
        << QByteArray(R"({"languages":[{"count":2,"lang":"es"},{"count":1,"lang":"fr"}],"subscriberCount":3,)"
                      R"("type":"room_update"})")
        << IncomingMessage(RoomUpdateMessage{"room_update", 3, {{"es", 2}, {"fr", 1}}});
    QTest::newRow("empty room") << outgoing::roomUpdate({})
                                << QByteArray(R"({"languages":[],"subscriberCount":0,"type":"room_update"})")
                                << IncomingMessage(RoomUpdateMessage{"room_update", 0, {}});
}

QTEST_GUILESS_MAIN(TestOutgoingMessages)
#include "tst_OutgoingMessages.moc"
