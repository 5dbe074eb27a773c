#include "ProgramUnderTest.h"
#include "SoundServer.h"
#include "TestTranslationServer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tolvaran;

// The whole program against a server that sends what no server should: it
// goes on listening, and the recording it makes meanwhile is saved whole.
class TestHostileServer : public QObject
{
    Q_OBJECT

private slots:

    void nestedMessagesDoNotStopListening()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        test::ProgramUnderTest program;
        test::TestTranslationServer server;
        QVERIFY(QDir().mkpath(program.settingsFolder()));
        QFile settings(program.settingsFolder() + "/settings.json");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QJsonDocument(
            QJsonObject{{"serverURL", server.url()}, {"autoStartListening", true}, {"autoRecordOnListen", true}})
                           .toJson());
        settings.close();
        QVERIFY(program.start());
        const QByteArray& output = program.output;
        QVERIFY2(QTest::qWaitFor([&] { return !server.connections().isEmpty(); }, 20000), output.constData());
        const auto framesSent = [&] { return server.connections().first().binaryFrames.size(); };
        QVERIFY2(QTest::qWaitFor([&] { return framesSent() > 10; }, 20000), output.constData());
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("startRecording: service returned true"); }, 10000),
            output.constData());

        // 200,000 open brackets, well under the 1 MiB message bound, as text and as binary.
        const QByteArray nested = QByteArray(200000, '[') + QByteArray(200000, ']');
        server.sendText(QString::fromLatin1(QByteArray(200000, '[')));
        server.sendText(QString::fromLatin1(nested));
        server.sendBinary(nested);
        server.sendText("{\"type\":\"result\",\"tokens\":[{\"text\":\"Still here\",\"is_final\":true,"
                        "\"speaker\":\"1\",\"translation_status\":\"original\",\"language\":\"en\"}],"
                        "\"original\":\"Still here\",\"translation\":\"Noch da\"}");
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("Result: original='Still here'"); }, 10000),
            output.constData());
        const qsizetype before = framesSent();
        QVERIFY2(QTest::qWaitFor([&] { return framesSent() > before + 10; }, 10000), output.constData());
        QCOMPARE(program.process.state(), QProcess::Running);

        program.signal(SIGTERM);
        QVERIFY2(program.waitForExit(), output.constData());
        QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.process.exitCode(), 0);

        const auto saved = program.savedRecordings();
        QCOMPARE(saved.audio.size(), 1);
        QCOMPARE(saved.descriptions.size(), 1);
        QVERIFY(saved.isFirstDescriptionRead);
        const QJsonObject& entry = saved.firstDescription;
        QCOMPARE(entry.value("audioFileName").toString(), saved.audio.first());
        QVERIFY(entry.value("duration").toDouble() > 0);
        const QJsonArray transcript = entry.value("transcript").toArray();
        QCOMPARE(transcript.size(), 1);
        QCOMPARE(transcript.first().toObject().value("translatedText").toString(), "Noch da");
    }
};

QTEST_GUILESS_MAIN(TestHostileServer)
#include "tst_HostileServer.moc"
