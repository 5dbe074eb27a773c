#include "recordings/TranscriptExport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvaran;

namespace {

TimedTranscriptLine line(qint64 offsetMs, const char* speaker, const char* original, const char* translated)
{
    return {QUuid::createUuid(), offsetMs, QString::fromUtf8(speaker), QString::fromUtf8(original),
        QString::fromUtf8(translated), QStringLiteral("es")};
}

// Over an hour long, with a speaker change, commas, markup-like text, an
// empty translation, a line break inside a text, an hour's silence and one
// line that knows where its words ended.
RecordingEntry knownEntry()
{
    RecordingEntry entry;
    entry.id = QUuid::createUuid();
    entry.date = recordingDateNow();
    entry.duration = 3725.5;
    entry.language = QStringLiteral("en");
    entry.audioFileName = QStringLiteral("tolvaran_rec_1700000000.m4a");
    entry.transcript = {
        line(1200, "Speaker 1", "Hola, ¿qué tal?", "Hello, how are you?"),
        line(4500, "Speaker 2", "Bien <3 & más", ""),
        line(3602500, "Speaker 2", "Adiós", "Bye,\nthen"),
    };
    entry.transcript[0].endMs = 2400;
    return entry;
}

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run runCommand(const QStringList& arguments)
{
    QBuffer out;
    QBuffer err;
    out.open(QIODevice::WriteOnly);
    err.open(QIODevice::WriteOnly);
    Run run;
    run.status = runExportCommand(arguments, out, err);
    run.out = out.data();
    run.err = err.data();
    return run;
}

} // namespace

class TestTranscriptExport : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path;
    }

private slots:

    void formats_data()
    {
        QTest::addColumn<TranscriptFormat>("format");
        QTest::addColumn<TranscriptText>("text");
        QTest::addColumn<QString>("expected");

        QTest::newRow("SRT, translation") << TranscriptFormat::srt << TranscriptText::translation
                                          << QStringLiteral("1\n"
                                                            "00:00:01,200 --> 00:00:02,400\n"
                                                            "Speaker 1: Hello, how are you?\n"
                                                            "\n"
                                                            "2\n"
                                                            "00:00:04,500 --> 00:00:06,000\n"
                                                            "Speaker 2: Bien <3 & más\n"
                                                            "\n"
                                                            "3\n"
                                                            "01:00:02,500 --> 01:00:04,000\n"
                                                            "Speaker 2: Bye, then\n"
                                                            "\n");
        QTest::newRow("VTT, both") << TranscriptFormat::vtt << TranscriptText::both
                                   << QStringLiteral("WEBVTT\n"
                                                     "\n"
                                                     "00:00:01.200 --> 00:00:02.400\n"
                                                     "Speaker 1: Hello, how are you?\n"
                                                     "Hola, ¿qué tal?\n"
                                                     "\n"
                                                     "00:00:04.500 --> 00:00:06.000\n"
                                                     "Speaker 2: Bien &lt;3 &amp; más\n"
                                                     "\n"
                                                     "01:00:02.500 --> 01:00:04.000\n"
                                                     "Speaker 2: Bye, then\n"
                                                     "Adiós\n"
                                                     "\n");
        QTest::newRow("SRT, original") << TranscriptFormat::srt << TranscriptText::original
                                       << QStringLiteral("1\n"
                                                         "00:00:01,200 --> 00:00:02,400\n"
                                                         "Speaker 1: Hola, ¿qué tal?\n"
                                                         "\n"
                                                         "2\n"
                                                         "00:00:04,500 --> 00:00:06,000\n"
                                                         "Speaker 2: Bien <3 & más\n"
                                                         "\n"
                                                         "3\n"
                                                         "01:00:02,500 --> 01:00:04,000\n"
                                                         "Speaker 2: Adiós\n"
                                                         "\n");
        QTest::newRow("text, both") << TranscriptFormat::txt << TranscriptText::both
                                    << QStringLiteral("[0:00:01] Speaker 1: Hello, how are you?\n"
                                                      "    Hola, ¿qué tal?\n"
                                                      "[0:00:04] Speaker 2: Bien <3 & más\n"
                                                      "[1:00:02] Speaker 2: Bye, then\n"
                                                      "    Adiós\n");
    }

    void formats()
    {
        QFETCH(TranscriptFormat, format);
        QFETCH(TranscriptText, text);
        QFETCH(QString, expected);
        QCOMPARE(QString::fromUtf8(exportTranscript(knownEntry(), format, text)), expected);
    }

    // A line after the recording's end, or out of order, never gives a cue
    // that ends before it starts; no speaker means no prefix.
    void oddTimes()
    {
        RecordingEntry entry = knownEntry();
        entry.duration = 2;
        entry.transcript = {line(3000, "", "b", "B"), line(1000, "Speaker 1", "a", "A")};
        QCOMPARE(QString::fromUtf8(exportTranscript(entry, TranscriptFormat::srt, TranscriptText::translation)),
            QStringLiteral(
                "1\n00:00:03,000 --> 00:00:03,000\nB\n\n2\n00:00:01,000 --> 00:00:02,000\nSpeaker 1: A\n\n"));
    }

    void fileIsReplacedWhole()
    {
        const QString path = write(QStringLiteral("old.srt"), "old content that is much longer than nothing\n");
        QVERIFY(!path.isEmpty());
        QVERIFY(writeTranscriptFile(path, knownEntry(), TranscriptFormat::vtt, TranscriptText::both));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), exportTranscript(knownEntry(), TranscriptFormat::vtt, TranscriptText::both));
        QString reason;
        QVERIFY(!writeTranscriptFile(m_dir.filePath(QStringLiteral("no/such/folder/x.srt")), knownEntry(),
            TranscriptFormat::srt, TranscriptText::both, &reason));
        QVERIFY(!reason.isEmpty());
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");

        const QString entry = write(QStringLiteral("tolvaran_rec_1.json"), encodeRecordingEntry(knownEntry()));
        const QString notJson = write(QStringLiteral("notes.json"), "these are my notes");
        const QString settings = write(QStringLiteral("settings.json"), "{\"serverURL\": \"ws://localhost:3000\"}");
        const QString lineOnly
            = write(QStringLiteral("line.json"), encodeTimedTranscriptLine(knownEntry().transcript[0]));
        const QString missing = m_dir.filePath(QStringLiteral("missing.json"));

        QTest::newRow("srt") << QStringList{"--export", entry, "--format", "srt"} << 0
                             << exportTranscript(knownEntry(), TranscriptFormat::srt, TranscriptText::translation);
        QTest::newRow("vtt, both, = form") << QStringList{"--format=vtt", "--text=both",
            "--export=" + entry} << 0 << exportTranscript(knownEntry(), TranscriptFormat::vtt, TranscriptText::both);
        QTest::newRow("not JSON") << QStringList{"--export", notJson, "--format", "srt"} << 2 << QByteArray();
        QTest::newRow("other JSON") << QStringList{"--export", settings, "--format", "vtt"} << 2 << QByteArray();
        QTest::newRow("a line, not an entry")
            << QStringList{"--export", lineOnly, "--format", "txt"} << 2 << QByteArray();
        QTest::newRow("missing file") << QStringList{"--export", missing, "--format", "srt"} << 2 << QByteArray();
        QTest::newRow("a folder") << QStringList{"--export", m_dir.path(), "--format", "srt"} << 2 << QByteArray();
        QTest::newRow("no format") << QStringList{"--export", entry} << 1 << QByteArray();
        QTest::newRow("unknown format") << QStringList{"--export", entry, "--format", "ass"} << 1 << QByteArray();
        QTest::newRow("unknown text") << QStringList{"--export", entry, "--format", "srt", "--text", "all"} << 1
                                      << QByteArray();
        QTest::newRow("stray argument") << QStringList{"--export", entry, "--format", "srt", "extra"} << 1
                                        << QByteArray();
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        const Run run = runCommand(arguments);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, out);
        QCOMPARE(run.err.isEmpty(), status == 0);
        if (status == 2)
            QVERIFY2(run.err.contains("not a recording") || run.err.contains("cannot read"), run.err.constData());
    }

    // The program itself, as a script would run it: no display and no sound
    // server needed, output on standard output only.
    void theProgramExports()
    {
        const QString entry = write(QStringLiteral("tolvaran_rec_2.json"), encodeRecordingEntry(knownEntry()));
        const QString bad = write(QStringLiteral("bad.json"), "[1, 2, 3]");
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program.setProcessEnvironment(environment);

        program.start(
            QStringLiteral(TOLVARAN_EXECUTABLE), {"--export", entry, "--format", "vtt", "--text", "original"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(program.readAllStandardOutput(),
            exportTranscript(knownEntry(), TranscriptFormat::vtt, TranscriptText::original));

        program.start(QStringLiteral(TOLVARAN_EXECUTABLE), {"--export", bad, "--format", "srt"});
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitCode(), 2);
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
        QVERIFY(program.readAllStandardError().contains("is not a recording's description"));
    }
};

QTEST_GUILESS_MAIN(TestTranscriptExport)
#include "tst_TranscriptExport.moc"
