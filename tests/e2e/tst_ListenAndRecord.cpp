#include "DecodedAudio.h"
#include "ProgramUnderTest.h"
#include "SmallDisk.h"
#include "SoundServer.h"
#include "SpeechPlayer.h"
#include "TestTranslationServer.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace tolvaran;

// The whole program: it starts listening by itself, streams what the
// computer plays, shows results, and on SIGTERM saves the recording with
// its transcript before it exits.
class TestListenAndRecord : public QObject
{
    Q_OBJECT

private slots:

    void listensRecordsAndSavesOnTermination()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        test::ProgramUnderTest program;
        test::TestTranslationServer server;

        QVERIFY(program.writeSettings(
            {{"serverURL", server.url()}, {"autoStartListening", true}, {"selectedLanguage", "de"}}));
        const QString speech
            = test::makeSpeech(program.home.path(), "speech", "Hello world, this is a test of Tolvaran.");
        QVERIFY(!speech.isEmpty());
        QVERIFY(program.start());
        const QByteArray& output = program.output;

        // It connects by itself and streams: the WAV header first, then PCM.
        QVERIFY2(QTest::qWaitFor([&] { return !server.connections().isEmpty(); }, 20000), output.constData());
        QCOMPARE(server.connections().first().requestTarget, "/translate?lang=de");
        QVERIFY2(QTest::qWaitFor([&] { return server.connections().first().binaryFrames.size() > 10; }, 20000),
            output.constData());
        const QByteArray first = server.connections().first().binaryFrames.first();
        QVERIFY(first.startsWith("RIFF"));
        QCOMPARE(first.mid(8, 8), QByteArray("WAVEfmt "));
        QCOMPARE(first.size(), 44 + 640);

        QVERIFY(test::playInto(test::speakerSink, speech));
        const qsizetype afterSpeech = server.connections().first().binaryFrames.size();
        QTest::qWait(300);
        int peak = 0;
        for (const QByteArray& frame : server.connections().first().binaryFrames.mid(1))
            peak = std::max(peak, test::peakOf(frame));
        QVERIFY2(peak > 1000, qPrintable(QString::number(peak)));

        server.sendText("{\"type\":\"result\",\"tokens\":[{\"text\":\"Hello world\",\"is_final\":true,"
                        "\"speaker\":\"1\",\"translation_status\":\"original\",\"language\":\"en\"}],"
                        "\"original\":\"Hello world\",\"translation\":\"Hallo Welt\"}");
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("Result: original='Hello world'"); }, 10000),
            output.constData());

        program.signal(SIGTERM);
        QVERIFY2(program.waitForExit(), output.constData());
        QVERIFY(QTest::qWaitFor([&] { return !server.connections().first().isOpen; }, 5000));
        QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.process.exitCode(), 0);
        QVERIFY(server.connections().first().binaryFrames.size() >= afterSpeech);
        QCOMPARE(server.connections().first().textFrames, QStringList{"{\"type\":\"finish\"}"});

        const auto saved = program.savedRecordings();
        QCOMPARE(saved.audio.size(), 1);
        QCOMPARE(saved.descriptions.size(), 1);
        QVERIFY(saved.isFirstDescriptionRead);
        const QJsonObject& entry = saved.firstDescription;
        QCOMPARE(entry.value("audioFileName").toString(), saved.audio.first());
        QCOMPARE(entry.value("language").toString(), "de");
        QVERIFY(entry.value("duration").toDouble() > 1.0);
        const QJsonArray transcript = entry.value("transcript").toArray();
        QCOMPARE(transcript.size(), 1);
        QCOMPARE(transcript.first().toObject().value("originalText").toString(), "Hello world");
        QCOMPARE(transcript.first().toObject().value("translatedText").toString(), "Hallo Welt");
        QCOMPARE(transcript.first().toObject().value("speaker").toString(), "Speaker 1");
        QVERIFY(transcript.first().toObject().value("offsetMs").toInteger() > 0);
        // Nothing was left behind in the temporary folder.
        QCOMPARE(QDir(program.home.filePath("tmp")).entryList({"*.m4a"}, QDir::Files), QStringList());
    }

    // Killed mid-recording with no chance to save: the next start finds the
    // audio and the transcript lines and lists them as a recording.
    void recordingSurvivesSigkill()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        test::ProgramUnderTest program;
        test::TestTranslationServer server;
        QVERIFY(program.writeSettings({{"serverURL", server.url()}, {"autoStartListening", true}}));
        QVERIFY(program.start());
        QVERIFY2(
            QTest::qWaitFor([&] { return program.output.contains("startRecording: service returned true"); }, 20000),
            program.output.constData());
        server.sendText("{\"type\":\"result\",\"tokens\":[{\"text\":\"Good morning\",\"is_final\":true,"
                        "\"speaker\":\"3\",\"translation_status\":\"original\",\"language\":\"en\"}],"
                        "\"original\":\"Good morning\",\"translation\":\"Buenos días\"}");
        QVERIFY(QTest::qWaitFor([&] { return program.output.contains("Result: original='Good morning'"); }, 10000));
        QTest::qWait(2500); // a couple of the recorder's one-second fragments
        program.signal(SIGKILL);
        QVERIFY(program.waitForExit());
        QCOMPARE(QDir(program.recordingsFolder()).entryList({"*.json"}, QDir::Files), QStringList());

        program.output.clear();
        QVERIFY(program.writeSettings({{"serverURL", server.url()}}));
        QVERIFY(program.start());
        const QDir recordings(program.recordingsFolder());
        QVERIFY2(QTest::qWaitFor([&] { return !recordings.entryList({"*.json"}, QDir::Files).isEmpty(); }, 10000),
            program.output.constData());
        // The log line is written before the file, but the pipe may be read later.
        QVERIFY(QTest::qWaitFor([&] { return program.output.contains("Saving a recording left unsaved"); }, 5000));
        const auto saved = program.savedRecordings();
        QCOMPARE(saved.descriptions.size(), 1);
        QVERIFY(saved.isFirstDescriptionRead);
        const QJsonObject& entry = saved.firstDescription;
        QVERIFY(recordings.exists(entry.value("audioFileName").toString()));
        QVERIFY2(
            entry.value("duration").toDouble() >= 1.0, qPrintable(QString::number(entry.value("duration").toDouble())));
        const QJsonArray transcript = entry.value("transcript").toArray();
        QCOMPARE(transcript.size(), 1);
        QCOMPARE(transcript.first().toObject().value("translatedText").toString(), "Buenos días");
        QCOMPARE(transcript.first().toObject().value("speaker").toString(), "Speaker 3");
        program.signal(SIGTERM);
        QVERIFY(program.waitForExit());
    }

    // The recordings folder on a small disk that fills mid-recording: the
    // stream to the server goes on, nothing is reported saved that is not,
    // quitting exits 0 with the journal kept, and once space is back the next
    // start lists the recording with its transcript, playable up to the fill.
    void diskFillsWhileRecording()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        test::ProgramUnderTest program;
        test::TestTranslationServer server;
        test::SmallDisk disk(program.recordingsFolder(), "size=400k,nr_inodes=64");
        TOLVARAN_REQUIRE_MOUNTED(disk);
        QVERIFY(disk.fillLeaving("filler", 32 * 1024));
        QVERIFY(program.writeSettings({{"serverURL", server.url()}, {"autoStartListening", true}}));
        const QString speech = test::makeSpeech(program.home.path(), "speech", "Hello world, the disk fills up now.");
        QVERIFY(!speech.isEmpty());
        QVERIFY(program.start());
        const QByteArray& output = program.output;
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("startRecording: service returned true"); }, 20000),
            output.constData());
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("Recording notice: Little space left"); }, 5000),
            output.constData());
        server.sendText("{\"type\":\"result\",\"tokens\":[{\"text\":\"Hello world\",\"is_final\":true,"
                        "\"speaker\":\"1\",\"translation_status\":\"original\",\"language\":\"en\"}],"
                        "\"original\":\"Hello world\",\"translation\":\"Hola mundo\"}");
        QVERIFY(QTest::qWaitFor([&] { return output.contains("Result: original='Hello world'"); }, 10000));
        // No inode is left for a description: it cannot be written when the
        // recording ends.
        QVERIFY(disk.useUpInodes("inode") > 0);

        QVERIFY(test::playInto(test::speakerSink, speech));
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("Failed to write audio"); }, 90000), output.constData());
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("Recording notice: The disk is full"); }, 10000),
            output.constData());
        const qsizetype framesAtFull = server.connections().first().binaryFrames.size();
        QVERIFY2(QTest::qWaitFor(
                     [&] { return server.connections().first().binaryFrames.size() > framesAtFull + 20; }, 10000),
            output.constData());
        QCOMPARE(server.connections().size(), 1);
        QVERIFY(server.connections().first().isOpen);

        program.signal(SIGTERM);
        QVERIFY2(program.waitForExit(), output.constData());
        QCOMPARE(program.process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.process.exitCode(), 0);
        QVERIFY2(!output.contains("Recording saved:"), output.constData());
        QVERIFY2(!output.contains("Saved recording JSON"), output.constData());
        QCOMPARE(program.savedRecordings().descriptions, QStringList());
        QCOMPARE(QDir(program.recordingsFolder() + "/.inprogress").entryList({"*.jsonl"}, QDir::Files).size(), 1);

        QVERIFY(QFile::remove(program.recordingsFolder() + "/filler"));
        for (const QString& name : QDir(program.recordingsFolder()).entryList({"inode*"}, QDir::Files))
            QVERIFY(QFile::remove(program.recordingsFolder() + "/" + name));
        program.output.clear();
        QVERIFY(program.writeSettings({{"serverURL", server.url()}}));
        QVERIFY(program.start());
        QVERIFY2(QTest::qWaitFor([&] { return output.contains("Saving a recording left unsaved"); }, 20000),
            output.constData());
        // The line comes as the saving starts, off the main thread.
        auto saved = program.savedRecordings();
        QVERIFY2(QTest::qWaitFor(
                     [&] {
                         saved = program.savedRecordings();
                         return saved.descriptions.size() == 1;
                     },
                     20000),
            output.constData());
        QVERIFY(saved.isFirstDescriptionRead);
        const QJsonObject& entry = saved.firstDescription;
        const QJsonArray transcript = entry.value("transcript").toArray();
        QCOMPARE(transcript.size(), 1);
        QCOMPARE(transcript.first().toObject().value("translatedText").toString(), "Hola mundo");
        const test::DecodedAudio audio
            = test::DecodedAudio::of(program.recordingsFolder() + "/" + entry.value("audioFileName").toString());
        QVERIFY2(audio.ok, qPrintable(audio.error));
        const double duration = entry.value("duration").toDouble();
        QVERIFY2(audio.duration() > 1.0 && std::abs(audio.duration() - duration) < 0.1,
            qPrintable(QStringLiteral("%1 / %2").arg(audio.duration()).arg(duration)));
        program.signal(SIGTERM);
        QVERIFY(program.waitForExit());
        QCOMPARE(program.process.exitCode(), 0);
    }
};

QTEST_GUILESS_MAIN(TestListenAndRecord)
#include "tst_ListenAndRecord.moc"
