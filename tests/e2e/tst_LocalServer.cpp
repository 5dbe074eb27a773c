#include "ProgramUnderTest.h"
#include "SoundServer.h"
#include "SpeechPlayer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTest>

using namespace tolvaran;

namespace {

bool localPortAnswers()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, 3000);
    return socket.waitForConnected(1000);
}

} // namespace

// With the default server address and nothing listening there, the program
// starts its own server: English played on the computer becomes Spanish lines
// in the saved transcript, and the server ends with the program.
class TestLocalServer : public QObject
{
    Q_OBJECT

private slots:

    void startsTheLocalServerAndStopsItOnQuit()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        if (localPortAnswers()) {
            if (qEnvironmentVariable("CI") == QLatin1String("true"))
                QFAIL("Something else listens on port 3000");
            QSKIP("Something else listens on port 3000");
        }
        test::ProgramUnderTest program;
        QVERIFY(QDir().mkpath(program.settingsFolder()));
        QFile settings(program.settingsFolder() + "/settings.json");
        QVERIFY(settings.open(QIODevice::WriteOnly));
        settings.write(QJsonDocument(QJsonObject{{"autoStartListening", true}, {"selectedLanguage", "es"}}).toJson());
        settings.close();

        QVERIFY(program.start());
        const QByteArray& output = program.output;
        QVERIFY2(
            QTest::qWaitFor([&] { return output.contains("tolvaran-server listening on ws://127.0.0.1:3000"); }, 90000),
            output.constData());
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("Audio capture started successfully"); }, 30000),
            output.constData());
        // The decoder loads while the program connects; speech starts after it.
        QTest::qWait(1000);

        QVERIFY(test::playInto(test::speakerSink,
            "/usr/share/pocketsphinx/test/data/librivox/sense_and_sensibility_01_austen_64kb-0880.wav"));
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("joven"); }, 90000), output.constData());

        program.signal(SIGTERM);
        QVERIFY2(program.waitForExit(), output.constData());
        QCOMPARE(program.process.exitCode(), 0);
        QVERIFY(output.contains("Stopping tolvaran-server"));
        QVERIFY(!localPortAnswers());

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
