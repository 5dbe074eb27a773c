#include "DecodedAudio.h"
#include "LogCapture.h"
#include "SmallDisk.h"
#include "ViewModelFixture.h"
#include "audio/AudioRecordingService.h"
#include "recordings/RecordingJournal.h"
#include "recordings/RecordingStore.h"

#include <QCoroTask>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace tolvaran;

namespace {

constexpr int waitMs = 15000;

QByteArray finalResult(const QByteArray& original, const QByteArray& translation = "")
{
    return "{\"type\":\"result\",\"tokens\":[{\"text\":\"x\",\"is_final\":true,\"speaker\":\"2\","
           "\"translation_status\":\"original\",\"language\":\"de\"}],\"original\":\""
        + original + "\",\"translation\":\"" + translation + "\"}";
}

QByteArray translationOnly(const QByteArray& translation)
{
    return "{\"type\":\"result\",\"tokens\":[{\"text\":\"x\",\"is_final\":true,\"translation_status\":"
           "\"translation\"}],\"original\":\"\",\"translation\":\""
        + translation + "\"}";
}

// Two final words spoken from startMs to endMs on the stream's clock.
QByteArray timedResult(int startMs, int endMs)
{
    return QString(R"({"type":"result","original":"Guten Tag","translation":"","tokens":[)"
                   R"({"text":"Guten","is_final":true,"start_ms":%1,"end_ms":%2},)"
                   R"({"text":" Tag","is_final":true,"start_ms":%2,"end_ms":%3}]})")
        .arg(startMs)
        .arg((startMs + endMs) / 2)
        .arg(endMs)
        .toUtf8();
}

// 20 ms chunks of a 440 Hz tone, 16 kHz mono 16-bit.
QList<QByteArray> toneChunks(int count)
{
    QList<QByteArray> chunks;
    int n = 0;
    for (int c = 0; c < count; ++c) {
        QByteArray chunk(640, Qt::Uninitialized);
        for (int i = 0; i < 320; ++i, ++n) {
            const auto sample = qint16(8000 * std::sin(2 * M_PI * 440 * n / 16000.0));
            chunk[2 * i] = char(sample & 0xFF);
            chunk[2 * i + 1] = char((sample >> 8) & 0xFF);
        }
        chunks.append(chunk);
    }
    return chunks;
}

} // namespace

class TestRecordingControl : public QObject
{
    Q_OBJECT

private slots:

    // A listening run recorded from start to stop: the audio and its timed
    // transcript land in the recordings folder and head the list.
    void recordingIsSavedWithItsTranscript()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        fixture.settings->setSelectedLanguage(TargetLanguage::french);

        QCoro::waitFor(vm.startListening());
        QVERIFY(vm.isRecording());

        fixture.capture->deliver(toneChunks(50)); // one second of sound
        QTest::qWait(300);
        fixture.server.sendText(finalResult(" Guten Tag "));
        QVERIFY(QTest::qWaitFor([&] { return vm.translationLines().size() == 1; }, waitMs));
        fixture.server.sendText(translationOnly("Bonjour"));
        QVERIFY(QTest::qWaitFor([&] { return vm.translationLines().last().translatedText == "Bonjour"; }, waitMs));
        fixture.capture->deliver(toneChunks(50));

        QSignalSpy recordingsChanged(vm.recordingController(), &RecordingController::recordingsChanged);
        QCoro::waitFor(vm.stopListening());
        QVERIFY(!vm.isRecording());
        QVERIFY(QTest::qWaitFor([&] { return vm.pendingRecordingSaves() == 0; }, waitMs));
        QCOMPARE(recordingsChanged.count(), 1);

        QCOMPARE(vm.recordings().size(), 1);
        const RecordingEntry entry = vm.recordings().first();
        QCOMPARE(entry.language, "fr");
        QCOMPARE(entry.duration, 2.0); // 100 chunks of 320 frames at 16 kHz
        QCOMPARE(entry.transcript.size(), 1);
        const TimedTranscriptLine& line = entry.transcript.first();
        QCOMPARE(line.speaker, "Speaker 2");
        QCOMPARE(line.originalText, "Guten Tag");
        QCOMPARE(line.translatedText, "Bonjour"); // the later translation rewrote it
        QCOMPARE(line.language, "de");
        // Measured in milliseconds from the start of the recording.
        QVERIFY2(line.offsetMs >= 300 && line.offsetMs < 5000, qPrintable(QString::number(line.offsetMs)));

        const QDir folder(fixture.recordingsFolder());
        QVERIFY(folder.exists(entry.audioFileName));
        QVERIFY(entry.audioFileName.endsWith(".m4a"));
        QVERIFY(folder.exists(jsonFileName(entry.audioFileName)));
        QCOMPARE(vm.audioURL(entry), QUrl::fromLocalFile(folder.filePath(entry.audioFileName)));
        const auto audio = test::DecodedAudio::of(folder.filePath(entry.audioFileName));
        QVERIFY2(audio.ok, qPrintable(audio.error));
        QVERIFY(std::abs(audio.duration() - 2.0) < 0.1);

        // What the folder holds is what a fresh look finds.
        RecordingStore reread;
        reread.setCustomDirectory(QUrl::fromLocalFile(fixture.recordingsFolder()));
        QCOMPARE(reread.recordings(), vm.recordings());
    }

    // A line is placed where its words began in the recording's audio, even
    // when the recording began well after the stream the server timed.
    void linesAreTimedByTheirWords_data()
    {
        QTest::addColumn<int>("streamedBeforeMs");
        QTest::addColumn<int>("startMs");
        QTest::addColumn<int>("endMs");
        QTest::addColumn<int>("offsetMs");
        QTest::addColumn<int>("lineEndMs");
        QTest::newRow("stream and recording start together") << 0 << 1500 << 2300 << 1500 << 2300;
        QTest::newRow("recording started 20 s into the stream") << 20000 << 21500 << 23000 << 1500 << 3000;
        QTest::newRow("words began before the recording") << 2000 << 1200 << 2600 << 0 << 600;
    }

    void linesAreTimedByTheirWords()
    {
        QFETCH(int, streamedBeforeMs);
        QFETCH(int, startMs);
        QFETCH(int, endMs);
        QFETCH(int, offsetMs);
        QFETCH(int, lineEndMs);
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startListening());
        fixture.capture->deliver(QList<QByteArray>(streamedBeforeMs / 100, QByteArray(3200, 0)));
        const auto& sent = fixture.server.connections().last().binaryFrames;
        QVERIFY(QTest::qWaitFor([&] { return sent.size() == streamedBeforeMs / 100; }, waitMs));
        vm.startRecording();
        fixture.capture->deliver(toneChunks(50));
        fixture.server.sendText(timedResult(startMs, endMs));
        QVERIFY(QTest::qWaitFor([&] { return vm.translationLines().size() == 1; }, waitMs));
        QCoro::waitFor(vm.stopListening());
        QVERIFY(QTest::qWaitFor([&] { return vm.recordings().size() == 1; }, waitMs));
        QCOMPARE(vm.recordings().first().transcript.value(0).offsetMs, offsetMs);
        QCOMPARE(vm.recordings().first().transcript.value(0).endMs, lineEndMs);
    }

    void newestRecordingFirstAndDeletion()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        for (int run = 0; run < 2; ++run) {
            QCoro::waitFor(vm.startListening());
            fixture.capture->deliver(toneChunks(10));
            QCoro::waitFor(vm.stopListening());
            QVERIFY(QTest::qWaitFor([&] { return vm.pendingRecordingSaves() == 0; }, waitMs));
        }
        QCOMPARE(vm.recordings().size(), 2);
        QVERIFY(vm.recordings()[0].date >= vm.recordings()[1].date);
        QVERIFY(vm.recordings()[0].audioFileName != vm.recordings()[1].audioFileName);

        const RecordingEntry open = vm.recordings()[0];
        const RecordingEntry other = vm.recordings()[1];
        vm.openRecording(open);
        vm.deleteRecording(other);
        QCOMPARE(vm.playbackRecording(), open);
        vm.deleteRecording(open);
        QCOMPARE(vm.playbackRecording(), std::nullopt);
        QCOMPARE(vm.recordings().size(), 0);
        QCOMPARE(QDir(fixture.recordingsFolder()).entryList(QDir::Files), QStringList());
    }

    // A recording in progress lives in a hidden folder inside the recordings
    // folder: the store lists nothing of it, and each finished line is already
    // in its journal before the recording stops.
    void recordingInProgressIsWrittenThrough()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startListening());
        fixture.capture->deliver(toneChunks(50));
        fixture.server.sendText(finalResult("Eins"));
        fixture.server.sendText(finalResult("Zwei"));
        fixture.server.sendText(translationOnly("Two"));
        QVERIFY(QTest::qWaitFor([&] { return vm.translationLines().size() == 2; }, waitMs));
        QTest::qWait(100);

        const QDir inProgress(RecordingJournal::inProgressDirectory(fixture.recordingsFolder()));
        const QStringList journals = inProgress.entryList({"*.jsonl"}, QDir::Files);
        QCOMPARE(journals.size(), 1);
        QVERIFY(inProgress.exists(QString(journals.first()).replace(".jsonl", ".m4a")));
        QFile journal(inProgress.filePath(journals.first()));
        QVERIFY(journal.open(QIODevice::ReadOnly));
        const QByteArray written = journal.readAll();
        QVERIFY(written.contains("Eins") && written.contains("Zwei") && written.contains("Two"));
        RecordingStore reread;
        reread.setCustomDirectory(QUrl::fromLocalFile(fixture.recordingsFolder()));
        QVERIFY(reread.recordings().isEmpty());

        QCoro::waitFor(vm.stopListening());
        QVERIFY(QTest::qWaitFor([&] { return vm.pendingRecordingSaves() == 0; }, waitMs));
        QCOMPARE(vm.recordings().size(), 1);
        QCOMPARE(inProgress.entryList(QDir::Files), QStringList());
    }

    // Destroying the view model (a quit by any path) saves the recording it
    // was making, transcript and all, with no stop before it.
    void teardownSavesTheRunningRecording()
    {
        test::ViewModelFixture fixture(true);
        QCoro::waitFor(fixture.viewModel->startListening());
        fixture.capture->deliver(toneChunks(100));
        fixture.server.sendText(finalResult("Bis gleich", "See you"));
        QVERIFY(QTest::qWaitFor([&] { return fixture.viewModel->translationLines().size() == 1; }, waitMs));
        fixture.viewModel.reset();

        RecordingStore reread;
        reread.setCustomDirectory(QUrl::fromLocalFile(fixture.recordingsFolder()));
        QCOMPARE(reread.recordings().size(), 1);
        const RecordingEntry entry = reread.recordings().first();
        QCOMPARE(entry.transcript.size(), 1);
        QCOMPARE(entry.transcript.first().originalText, "Bis gleich");
        QCOMPARE(entry.transcript.first().translatedText, "See you");
        QVERIFY2(std::abs(entry.duration - 2.0) < 0.1, qPrintable(QString::number(entry.duration)));
        QVERIFY(QDir(RecordingJournal::inProgressDirectory(fixture.recordingsFolder())).isEmpty());
    }

    // What a run left behind (audio and journal, no description) becomes an
    // ordinary recording at the next start; a journal whose audio is gone,
    // and one cut short mid-line, do no harm.
    void leftoversAreAdoptedAtStart()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath("Recordings");
        const RecordingDate start = recordingDateNow();
        const QUuid id = QUuid::createUuid();
        {
            std::optional<RecordingJournal> journal = RecordingJournal::create(folder, id, start, "es");
            QVERIFY(journal);
            AudioRecordingService recorder;
            QVERIFY(recorder.startRecording(journal->audioPath()));
            for (const QByteArray& chunk : toneChunks(75))
                recorder.appendPCMData(chunk);
            QVERIFY(journal->appendLine({QUuid::createUuid(), 200, "Speaker 1", "Hola", "", "es"}));
            TimedTranscriptLine second{QUuid::createUuid(), 900, "Speaker 2", "Adiós", "", "es", 1300};
            QVERIFY(journal->appendLine(second));
            second.translatedText = "Bye";
            QVERIFY(journal->appendLine(second));
            QFile raw(journal->journalPath());
            QVERIFY(raw.open(QIODevice::Append));
            raw.write("{\"id\":\"cut sho");
        }
        std::optional<RecordingJournal> orphan = RecordingJournal::create(folder, QUuid::createUuid(), start, "de");
        QVERIFY(orphan);
        QVERIFY(QFile::remove(orphan->audioPath()));
        orphan.reset();
        QTest::qWait(20); // journals of this run are newer than its start

        test::ViewModelFixture fixture;
        fixture.settings->setRecordingsFolder(QUrl::fromLocalFile(folder));
        TranslationViewModel vm(*fixture.settings, std::make_unique<test::FakeAudioCapture>());
        QSignalSpy recordingsChanged(vm.recordingController(), &RecordingController::recordingsChanged);
        QCoro::waitFor(vm.adoptLeftoverRecordings());
        QCOMPARE(recordingsChanged.count(), 1);
        QCOMPARE(vm.recordings().size(), 1);
        const RecordingEntry entry = vm.recordings().first();
        QCOMPARE(entry.id, id);
        QCOMPARE(entry.language, "es");
        QVERIFY2(std::abs(entry.duration - 1.5) < 0.1, qPrintable(QString::number(entry.duration)));
        QCOMPARE(entry.transcript.size(), 2);
        QCOMPARE(entry.transcript[1].translatedText, "Bye");
        QCOMPARE(entry.transcript[1].endMs, 1300);
        QVERIFY(QDir(RecordingJournal::inProgressDirectory(folder)).isEmpty());
        QCOMPARE(vm.recordingController()->recordingModel()->rowCount(), 1);
    }

    // Deleting the recordings folder mid-recording deletes the recording in
    // progress with it; the next recording is saved into a folder made anew.
    void recordingsFolderDeletedWhileRecording()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        QCoro::waitFor(vm.startListening());
        fixture.capture->deliver(toneChunks(10));
        QVERIFY(QDir(fixture.recordingsFolder()).removeRecursively());
        QCoro::waitFor(vm.stopListening());
        QVERIFY(QTest::qWaitFor([&] { return vm.pendingRecordingSaves() == 0; }, waitMs));
        QCOMPARE(vm.recordings().size(), 0);

        QCoro::waitFor(vm.startListening());
        fixture.capture->deliver(toneChunks(10));
        QCoro::waitFor(vm.stopListening());
        QVERIFY(QTest::qWaitFor([&] { return vm.pendingRecordingSaves() == 0; }, waitMs));
        QCOMPARE(vm.recordings().size(), 1);
        QVERIFY(QDir(fixture.recordingsFolder()).exists(vm.recordings().first().audioFileName));
    }

    // The disk fills mid-recording: the recording stops where it filled and
    // listening goes on; its description cannot be written (no inode left),
    // so the journal stays and nothing is listed; once space returns the
    // recording is saved with its transcript and plays up to the fill.
    void diskFillsWhileRecording()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        test::SmallDisk disk(fixture.recordingsFolder(), "size=512k,nr_inodes=64");
        TOLVARAN_REQUIRE_MOUNTED(disk);
        QVERIFY(disk.fillLeaving("filler", 48 * 1024));
        test::LogCapture recorderLog("com.tolvaran.app.AudioRecording");

        QCoro::waitFor(vm.startListening());
        QVERIFY(vm.isRecording());
        QCOMPARE(vm.recordingNotice(), "Little space left: less than ten minutes of recording");
        fixture.capture->deliver(toneChunks(50));
        fixture.server.sendText(finalResult("Vor dem Ende", "Before the end"));
        QVERIFY(QTest::qWaitFor([&] { return vm.translationLines().size() == 1; }, waitMs));
        QVERIFY(disk.useUpInodes("inode") > 0);

        for (int second = 0; second < 60 && vm.isRecording(); ++second) {
            fixture.capture->deliver(toneChunks(50));
            (void)QTest::qWaitFor([&] { return !vm.isRecording(); }, 200);
        }
        QVERIFY(!vm.isRecording());
        QVERIFY(vm.isListening());
        QCOMPARE(vm.recordingNotice(), "The disk is full: the recording stopped, listening goes on");
        QVERIFY(QTest::qWaitFor([&] { return vm.pendingRecordingSaves() == 0; }, waitMs));
        QCOMPARE(vm.recordings().size(), 0);
        QCOMPARE(recorderLog.linesStartingWith("Recording saved"), QStringList());
        QCOMPARE(recorderLog.linesStartingWith("Recording kept in part").size(), 1);
        const QDir inProgress(RecordingJournal::inProgressDirectory(fixture.recordingsFolder()));
        QCOMPARE(inProgress.entryList({"*.jsonl"}, QDir::Files).size(), 1);
        // The recording cannot start again on a full disk, and says why.
        vm.startRecording();
        QVERIFY(!vm.isRecording());
        QCOMPARE(vm.recordingNotice(), "The disk is full");

        QVERIFY(QFile::remove(fixture.recordingsFolder() + "/filler"));
        QVERIFY(QFile::remove(fixture.recordingsFolder() + "/inode0"));
        QVERIFY(QTest::qWaitFor([&] { return vm.recordings().size() == 1; }, waitMs));
        const RecordingEntry entry = vm.recordings().first();
        QCOMPARE(entry.transcript.size(), 1);
        QCOMPARE(entry.transcript.first().translatedText, "Before the end");
        QCOMPARE(vm.recordingNotice(), "The disk filled up: the recording was saved only in part");
        QCOMPARE(inProgress.entryList({"*.jsonl"}, QDir::Files), QStringList());
        const test::DecodedAudio audio = test::DecodedAudio::of(vm.audioURL(entry).toLocalFile());
        QVERIFY2(audio.ok, qPrintable(audio.error));
        QVERIFY2(audio.duration() > 2.0 && std::abs(audio.duration() - entry.duration) < 0.1,
            qPrintable(QStringLiteral("%1 / %2").arg(audio.duration()).arg(entry.duration)));
        QCoro::waitFor(vm.stopListening());
    }

    // The journal cannot take a line longer than its file's buffer (the disk
    // is full) while the recorder, given no audio meanwhile, still runs: the
    // line is saved with the rest once there is room again.
    void lineTheJournalCannotTakeIsKept()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        test::SmallDisk disk(fixture.recordingsFolder(), "size=1m");
        TOLVARAN_REQUIRE_MOUNTED(disk);
        QCoro::waitFor(vm.startListening());
        fixture.server.sendText(finalResult("Vorher", "Before"));
        QVERIFY(QTest::qWaitFor([&] { return vm.translationLines().size() == 1; }, waitMs));
        QVERIFY(disk.fillLeaving("filler", 0));
        const QByteArray longLine(20000, 'a');
        fixture.server.sendText(finalResult(longLine, "Long"));
        QVERIFY(QTest::qWaitFor([&] { return vm.translationLines().size() == 2; }, waitMs));
        fixture.server.sendText(finalResult("Danach", "After"));
        QVERIFY(QTest::qWaitFor([&] { return vm.translationLines().size() == 3; }, waitMs));
        QVERIFY(vm.isRecording());

        QVERIFY(QFile::remove(fixture.recordingsFolder() + "/filler"));
        fixture.capture->deliver(toneChunks(50));
        QCoro::waitFor(vm.stopListening());
        QVERIFY(QTest::qWaitFor([&] { return vm.recordings().size() == 1; }, waitMs));
        QStringList texts;
        for (const TimedTranscriptLine& line : vm.recordings().first().transcript)
            texts << line.originalText.left(6);
        QCOMPARE(texts, QStringList({"Vorher", "aaaaaa", "Danach"}));
        QCOMPARE(vm.recordings().first().transcript[1].originalText.size(), longLine.size());
    }

    // A read-only recordings folder: listening goes on, the recording does
    // not start, and the panel is told why.
    void readOnlyFolderIsTold()
    {
        test::ViewModelFixture fixture(true);
        TranslationViewModel& vm = *fixture.viewModel;
        test::SmallDisk disk(fixture.recordingsFolder(), "size=64k", true);
        TOLVARAN_REQUIRE_MOUNTED(disk);
        QSignalSpy noticeChanged(vm.recordingController(), &RecordingController::recordingNoticeChanged);
        QCoro::waitFor(vm.startListening());
        QVERIFY(vm.isListening());
        QVERIFY(!vm.isRecording());
        QCOMPARE(vm.recordingNotice(), "The recordings folder is read-only");
        QCOMPARE(noticeChanged.count(), 1);
        vm.dismissRecordingNotice();
        QCOMPARE(vm.recordingNotice(), QString());
        QCoro::waitFor(vm.stopListening());
    }

    // A description left empty or cut short beside audio that plays, with no
    // journal, is set aside and rebuilt from the audio; with a journal, the
    // journal's transcript wins.
    void brokenDescriptionIsRebuilt_data()
    {
        QTest::addColumn<QByteArray>("broken");
        QTest::addColumn<bool>("withJournal");
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("cut short") << QByteArray("{\"audioFileName\":\"tolvaran_rec_") << false;
        QTest::newRow("empty, journal kept") << QByteArray() << true;
    }

    void brokenDescriptionIsRebuilt()
    {
        QFETCH(QByteArray, broken);
        QFETCH(bool, withJournal);
        QTemporaryDir dir;
        const QString folder = dir.filePath("Recordings");
        std::optional<RecordingJournal> journal
            = RecordingJournal::create(folder, QUuid::createUuid(), recordingDateNow(), "fr");
        QVERIFY(journal);
        QString audioName;
        {
            AudioRecordingService recorder;
            QVERIFY(recorder.startRecording(journal->audioPath()));
            for (const QByteArray& chunk : toneChunks(100))
                recorder.appendPCMData(chunk);
            QVERIFY(journal->appendLine({QUuid::createUuid(), 300, "Speaker 1", "Salut", "Hi", "fr"}));
        }
        const auto moved = RecordingStore::moveIntoDirectory(journal->audioPath(), folder);
        QVERIFY(moved);
        const QString description = QDir(folder).filePath(jsonFileName(*moved));
        QFile file(description);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(broken) == broken.size());
        file.close();
        if (!withJournal)
            QVERIFY(QFile::remove(journal->journalPath()));
        journal.reset();
        QTest::qWait(20); // journals of this run are newer than its start

        test::ViewModelFixture fixture;
        fixture.settings->setRecordingsFolder(QUrl::fromLocalFile(folder));
        TranslationViewModel vm(*fixture.settings, std::make_unique<test::FakeAudioCapture>());
        QCoro::waitFor(vm.adoptLeftoverRecordings());
        QVERIFY(QTest::qWaitFor([&] { return vm.recordings().size() == 1; }, waitMs));
        const RecordingEntry entry = vm.recordings().first();
        QCOMPARE(entry.audioFileName, *moved);
        QVERIFY2(std::abs(entry.duration - 2.0) < 0.1, qPrintable(QString::number(entry.duration)));
        QCOMPARE(entry.transcript.size(), withJournal ? 1 : 0);
        QFile aside(description + ".broken");
        QVERIFY(aside.open(QIODevice::ReadOnly));
        QCOMPARE(aside.readAll(), broken);
        QFile rewritten(description);
        QVERIFY(rewritten.open(QIODevice::ReadOnly));
        QCOMPARE(decodeRecordingEntry(rewritten.readAll()), entry);

        // The next start finds nothing more to do.
        TranslationViewModel again(*fixture.settings, std::make_unique<test::FakeAudioCapture>());
        QCoro::waitFor(again.adoptLeftoverRecordings());
        QVERIFY(QTest::qWaitFor([&] { return again.recordings().size() == 1; }, waitMs));
        QCOMPARE(again.recordings().first(), entry);
        QCOMPARE(QDir(folder).entryList({"*.broken*"}, QDir::Files).size(), 1);
    }

    void guards()
    {
        test::ViewModelFixture fixture;
        TranslationViewModel& vm = *fixture.viewModel;
        test::LogCapture log("com.tolvaran.app.ViewModel");
        vm.startRecording();
        vm.stopRecording();
        QCoro::waitFor(vm.startListening());
        vm.startRecording();
        vm.startRecording();
        QCOMPARE(log.linesStartingWith("startRecording"),
            (QStringList{"startRecording: guard failed, isListening=false, isRecording=false",
                "startRecording: service returned true",
                "startRecording: guard failed, isListening=true, isRecording=true"}));
        QCOMPARE(log.count("stopRecording: not recording, skipping"), 1);
        QCoro::waitFor(vm.stopListening());
        QVERIFY(QTest::qWaitFor([&] { return vm.pendingRecordingSaves() == 0; }, waitMs));
        QVERIFY(log.lines().contains("stopRecording: stopping with 0 transcript lines"));
        QVERIFY(log.lines().contains("stopRecording: recordings count = 1"));
    }
};

QTEST_GUILESS_MAIN(TestRecordingControl)
#include "tst_RecordingControl.moc"
