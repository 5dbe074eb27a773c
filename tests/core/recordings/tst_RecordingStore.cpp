#include "LogCapture.h"
#include "recordings/RecordingStore.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace tolvaran;
using namespace std::chrono;

namespace {

const char* const category = "com.tolvaran.app.RecordingStore";

RecordingDate at(double secondsSince2001)
{
    return RecordingDate(sys_days{year{2001} / January / 1}) + microseconds{llround(secondsSince2001 * 1e6)};
}

RecordingEntry makeEntry(const QString& audioFileName, double date)
{
    RecordingEntry entry;
    entry.id = QUuid::createUuid();
    entry.date = at(date);
    entry.duration = 12.34;
    entry.language = QStringLiteral("de");
    entry.audioFileName = audioFileName;
    entry.transcript = {
        {QUuid::createUuid(), 0, QStringLiteral("Speaker 1"), QStringLiteral("Hello"), QStringLiteral("Hallo"),
            QStringLiteral("en")},
        {QUuid::createUuid(), 4250, QStringLiteral("Speaker 2"), QStringLiteral("Ça va? 日本"),
            QStringLiteral("Geht's?"), QStringLiteral("fr")},
    };
    return entry;
}

QJsonObject objectOf(const RecordingEntry& entry)
{
    return QJsonDocument::fromJson(encodeRecordingEntry(entry)).object();
}

QJsonObject validObject()
{
    return objectOf(makeEntry(QStringLiteral("tolvaran_rec_1.m4a"), 100));
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList fileNames(const QList<RecordingEntry>& entries)
{
    QStringList names;
    for (const RecordingEntry& entry : entries)
        names.append(entry.audioFileName);
    return names;
}

} // namespace

class TestRecordingStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString folder() const { return m_dir.path(); }

    void addRecording(const RecordingEntry& entry)
    {
        writeFile(QDir(folder()).filePath(entry.audioFileName), "audio");
        writeFile(QDir(folder()).filePath(jsonFileName(entry.audioFileName)), encodeRecordingEntry(entry));
    }

    std::unique_ptr<RecordingStore> storeOnFolder()
    {
        auto store = std::make_unique<RecordingStore>();
        store->setCustomDirectory(QUrl::fromLocalFile(folder()));
        return store;
    }

private slots:

    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void init()
    {
        m_dir.~QTemporaryDir();
        new (&m_dir) QTemporaryDir();
        QVERIFY(m_dir.isValid());
    }

    void encodedForm()
    {
        RecordingEntry entry = makeEntry(QStringLiteral("tolvaran_rec_7.m4a"), 1.5);
        entry.id = QUuid::fromString(QStringLiteral("6ba7b810-9dad-11d1-80b4-00c04fd430c8"));
        const QByteArray bytes = encodeRecordingEntry(entry);
        QVERIFY2(!bytes.contains('\n') && !bytes.contains(": "), bytes.constData());
        QVERIFY(bytes.contains(QStringLiteral("Ça va? 日本").toUtf8()));

        const QJsonObject object = QJsonDocument::fromJson(bytes).object();
        QCOMPARE(object.keys().size(), 6);
        QCOMPARE(object.value("id").toString(), "6BA7B810-9DAD-11D1-80B4-00C04FD430C8");
        QCOMPARE(object.value("date").toDouble(), 1.5);
        QCOMPARE(object.value("transcript").toArray().at(1).toObject().value("offsetMs").toInteger(), 4250);
        QCOMPARE(toDateTime(entry.date), QDateTime(QDate(2001, 1, 1), QTime(0, 0, 1, 500), Qt::UTC));
    }

    void roundTripKeepsMicroseconds_data()
    {
        QTest::addColumn<qint64>("microsecondsSince1970");
        QTest::newRow("now") << qint64(duration_cast<microseconds>(recordingDateNow().time_since_epoch()).count());
        QTest::newRow("odd microseconds") << qint64(1767225600123457);
        QTest::newRow("before 2001") << qint64(946684800000001);
    }

    void roundTripKeepsMicroseconds()
    {
        QFETCH(qint64, microsecondsSince1970);
        RecordingEntry entry = makeEntry(QStringLiteral("tolvaran_rec_9.m4a"), 0);
        entry.date = RecordingDate(microseconds{microsecondsSince1970});
        const auto decoded = decodeRecordingEntry(encodeRecordingEntry(entry));
        QVERIFY(decoded);
        QCOMPARE(decoded->date.time_since_epoch().count(), microsecondsSince1970);
        QVERIFY(*decoded == entry);
    }

    void decodeRejects_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");

        const auto with = [](const QString& key, const QJsonValue& value) {
            QJsonObject object = validObject();
            if (value.isUndefined())
                object.remove(key);
            else
                object.insert(key, value);
            return QJsonDocument(object).toJson(QJsonDocument::Compact);
        };
        const auto withLine = [](const QString& key, const QJsonValue& value) {
            QJsonObject object = validObject();
            QJsonArray lines = object.value("transcript").toArray();
            QJsonObject line = lines.at(0).toObject();
            if (value.isUndefined())
                line.remove(key);
            else
                line.insert(key, value);
            lines.replace(0, line);
            object.insert("transcript", lines);
            return QJsonDocument(object).toJson(QJsonDocument::Compact);
        };

        QTest::newRow("valid") << with("extra", 1) << true;
        QTest::newRow("lower-case id") << with("id", "6ba7b810-9dad-11d1-80b4-00c04fd430c8") << true;
        QTest::newRow("empty transcript") << with("transcript", QJsonArray()) << true;
        QTest::newRow("negative date") << with("date", -12.5) << true;
        for (const char* key : {"id", "date", "duration", "language", "audioFileName", "transcript"})
            QTest::newRow(qPrintable(QStringLiteral("missing %1").arg(key)))
                << with(key, QJsonValue::Undefined) << false;
        QTest::newRow("id not text") << with("id", 5) << false;
        QTest::newRow("id not a uuid") << with("id", "not-a-uuid") << false;
        QTest::newRow("id in braces") << with("id", "{6BA7B810-9DAD-11D1-80B4-00C04FD430C8}") << false;
        QTest::newRow("date as text") << with("date", "2024-01-01") << false;
        QTest::newRow("duration null") << with("duration", QJsonValue::Null) << false;
        QTest::newRow("language number") << with("language", 1) << false;
        QTest::newRow("transcript object") << with("transcript", QJsonObject()) << false;
        QTest::newRow("transcript of numbers") << with("transcript", QJsonArray{1}) << false;
        QTest::newRow("audio in parent folder") << with("audioFileName", "../victim.m4a") << false;
        QTest::newRow("audio absolute") << with("audioFileName", "/etc/passwd") << false;
        QTest::newRow("audio dot-dot") << with("audioFileName", "..") << false;
        QTest::newRow("audio empty") << with("audioFileName", "") << false;
        QTest::newRow("line without speaker") << withLine("speaker", QJsonValue::Undefined) << false;
        QTest::newRow("line offset fraction") << withLine("offsetMs", 12.5) << false;
        QTest::newRow("line offset text") << withLine("offsetMs", "12") << false;
        QTest::newRow("line id number") << withLine("id", 3) << false;
        QTest::newRow("array document") << QByteArray("[]") << false;
        QTest::newRow("truncated") << with("extra", 1).chopped(3) << false;
    }

    // Any number a file holds is read to the nearest double, so the entry
    // written from it reads back equal.
    void readingIsExact()
    {
        QJsonObject object = validObject();
        QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Compact);
        bytes.replace("\"duration\":12.34", "\"duration\":12.3" + QByteArray(90, '9') + "4");
        const auto read = decodeRecordingEntry(bytes);
        QVERIFY(read);
        QCOMPARE(read->duration, 12.4);
        QVERIFY(decodeRecordingEntry(encodeRecordingEntry(*read)) == read);
    }

    void decodeRejects()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        QCOMPARE(decodeRecordingEntry(bytes).has_value(), accepted);
    }

    // The files are always written as the earlier reader wrote them.
    void sameFileFormatAsBefore()
    {
        const RecordingEntry entry = makeEntry(QStringLiteral("tolvaran_rec_7.m4a"), 1234.5678);
        QCOMPARE(encodeRecordingEntry(entry), QJsonDocument(objectOf(entry)).toJson(QJsonDocument::Compact));
    }

    // Values a file may hold but no clock or counter can: held to their
    // range on reading, and on writing, so what is saved is listed again.
    void valuesAreBoundedTheSameWayOnSaveAndLoad_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<double>("stored");
        QTest::addColumn<double>("expected");
        const double latest = double((maxRecordingDate - at(0)).count()) / 1e6;
        const double earliest = double((minRecordingDate - at(0)).count()) / 1e6;
        QTest::newRow("date far ahead") << "date" << 1e300 << latest;
        QTest::newRow("date far back") << "date" << -1e300 << earliest;
        QTest::newRow("date in range") << "date" << -12.5 << -12.5;
        QTest::newRow("endless duration") << "duration" << 1e308 << maxDurationSeconds;
        QTest::newRow("negative duration") << "duration" << -3.0 << 0.0;
        QTest::newRow("offset 2^63-1") << "offsetMs" << 9223372036854775807.0 << double(maxOffsetMs);
        QTest::newRow("negative offset") << "offsetMs" << -5.0 << 0.0;
    }

    void valuesAreBoundedTheSameWayOnSaveAndLoad()
    {
        QFETCH(QString, key);
        QFETCH(double, stored);
        QFETCH(double, expected);
        const auto valueOf = [&](const RecordingEntry& entry) {
            if (key == "date")
                return double((entry.date - at(0)).count()) / 1e6;
            return key == "duration" ? entry.duration : double(entry.transcript.first().offsetMs);
        };

        // Read from a file written elsewhere.
        QJsonObject object = validObject();
        QJsonArray lines = object.value("transcript").toArray();
        if (key == "offsetMs") {
            QJsonObject line = lines.first().toObject();
            line.insert(key, stored == 9223372036854775807.0 ? QJsonValue(qint64(INT64_MAX)) : QJsonValue(stored));
            lines.replace(0, line);
            object.insert("transcript", lines);
        } else {
            object.insert(key, stored);
        }
        const auto read = decodeRecordingEntry(QJsonDocument(object).toJson(QJsonDocument::Compact));
        QVERIFY(read);
        QCOMPARE(valueOf(*read), expected);

        // Saved by the store and listed by the next one, unchanged from then on.
        writeFile(folder() + "/" + read->audioFileName, "audio");
        RecordingEntry saved = *read;
        if (key == "offsetMs")
            saved.transcript.first().offsetMs = stored == 9223372036854775807.0 ? INT64_MAX : qint64(stored);
        storeOnFolder()->save(saved);
        const auto reloaded = storeOnFolder();
        QCOMPARE(reloaded->recordings().size(), 1);
        QCOMPARE(valueOf(reloaded->recordings().first()), expected);
        QVERIFY(decodeRecordingEntry(encodeRecordingEntry(*read)) == read);
    }

    // A folder of the user's may hold anything: start-up completes, what is
    // not a recording is skipped with a log line, and deleting touches
    // nothing but the recording's own two files.
    void hostileFolder()
    {
        const RecordingEntry real = makeEntry("tolvaran_rec_1.m4a", 10);
        addRecording(real);
        QCOMPARE(::mkfifo(QFile::encodeName(folder() + "/pipe.json").constData(), 0600), 0);
        QVERIFY(QFile::link("/dev/zero", folder() + "/zero.json"));
        QFile huge(folder() + "/huge.json"); // sparse: takes no disk
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(RecordingStore::maxDescriptionBytes + 1));
        huge.close();
        writeFile(folder() + "/notes.txt", "my notes");
        RecordingEntry forged = makeEntry("notes.txt", 20);
        writeFile(folder() + "/evil.json", encodeRecordingEntry(forged));
        writeFile(folder() + "/notes.json", encodeRecordingEntry(forged));
        RecordingEntry other = makeEntry("tolvaran_rec_1.m4a", 30);
        writeFile(folder() + "/other.json", encodeRecordingEntry(other));
        QVERIFY(QDir(folder()).mkdir("folder.m4a"));
        writeFile(folder() + "/folder.json", encodeRecordingEntry(makeEntry("folder.m4a", 40)));
        writeFile(folder() + "/.tolvaran_rec_9.partial.m4a", "in progress");
        writeFile(folder() + "/.tolvaran_rec_9.json", encodeRecordingEntry(makeEntry(".tolvaran_rec_9.m4a", 50)));

        test::LogCapture log(category);
        const auto store = storeOnFolder();
        QCOMPARE(fileNames(store->recordings()), QStringList{"tolvaran_rec_1.m4a"});
        QCOMPARE(log.count("Found 8 JSON files in recordings directory"), 1);
        for (const char* name : {"pipe.json", "zero.json", "huge.json"})
            QCOMPARE(log.count(QStringLiteral("Failed to decode JSON: %1").arg(name)), 1);
        QCOMPARE(log.count("Skipped evil.json: it names the audio file notes.txt"), 1);
        QCOMPARE(log.count("Skipped notes.json: it names the audio file notes.txt"), 1);
        QCOMPARE(log.count("Skipped other.json: it names the audio file tolvaran_rec_1.m4a"), 1);
        QCOMPARE(log.count("Audio file missing for folder.m4a"), 1);

        const QStringList everything
            = QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        store->remove(forged);
        store->remove(other);
        RecordingEntry hidden = makeEntry(".tolvaran_rec_9.partial.m4a", 50);
        store->remove(hidden);
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
            everything);
        store->remove(real);
        QStringList remaining = everything;
        remaining.removeAll("tolvaran_rec_1.m4a");
        remaining.removeAll("tolvaran_rec_1.json");
        QCOMPARE(
            QDir(folder()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot), remaining);
        QVERIFY(store->recordings().isEmpty());
    }

    // Loading can leave the main thread; saves and deletes change one entry
    // without reading the folder again, also while a load is under way, and
    // the list is always what a load of the folder would give.
    void backgroundLoadAndSingleEntryUpdates()
    {
        for (int i = 0; i < 50; ++i)
            addRecording(makeEntry(QStringLiteral("tolvaran_rec_%1.m4a").arg(i), i % 7));

        RecordingStore store(QUrl::fromLocalFile(folder()), RecordingStore::Loading::inBackground);
        QVERIFY(store.isLoading());
        QVERIFY(store.recordings().isEmpty());
        QSignalSpy changed(&store, &RecordingStore::recordingsChanged);

        const RecordingEntry added = makeEntry("tolvaran_rec_100.m4a", 3);
        writeFile(folder() + "/tolvaran_rec_100.m4a", "audio");
        test::LogCapture log(category);
        store.save(added);
        RecordingEntry gone = makeEntry("tolvaran_rec_4.m4a", 4);
        gone.id = QUuid(); // not the one in the folder: nothing is removed
        store.remove(gone);
        QVERIFY(QFileInfo::exists(folder() + "/tolvaran_rec_4.m4a"));
        QVERIFY(QTest::qWaitFor([&] { return !store.isLoading(); }, 10000));
        QCOMPARE(store.recordings(), RecordingStore::readFolder(folder()));
        log.clear();

        const RecordingEntry removed = store.recordings().at(10);
        store.remove(removed);
        RecordingEntry replaced = store.recordings().at(20);
        replaced.duration = 1;
        store.save(replaced);
        QCOMPARE(log.linesStartingWith("Found "), QStringList());
        QCOMPARE(store.recordings(), RecordingStore::readFolder(folder()));
        QCOMPARE(store.recordings().size(), 50);
        QVERIFY(changed.size() >= 4);
    }

    void defaultFolderIsCreated()
    {
        const QString expected
            = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Tolvaran/Recordings";
        QDir(expected).removeRecursively();
        RecordingStore store;
        QCOMPARE(RecordingStore::recordingsDirectory(), expected);
        QCOMPARE(store.activeDirectory(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QVERIFY(store.customDirectory().isEmpty());
    }

    void emptyFolder()
    {
        RecordingStore store;
        test::LogCapture log(category);
        store.setCustomDirectory(QUrl::fromLocalFile(folder()));
        QVERIFY(store.recordings().isEmpty());
        QCOMPARE(log.count("Found 0 JSON files in recordings directory"), 1);
        QCOMPARE(log.count("Loaded 0 recordings"), 1);
        QCOMPARE(log.lines().last(), "Loaded 0 recordings");
    }

    void customFolderThatDoesNotExistIsCreated()
    {
        const QString path = folder() + "/nested/deeper";
        test::LogCapture log(category);
        RecordingStore store;
        store.setCustomDirectory(QUrl::fromLocalFile(path));
        QVERIFY(QFileInfo(path).isDir());
        QCOMPARE(store.activeDirectory(), path);
        QVERIFY(store.recordings().isEmpty());
        QCOMPARE(log.count("Created recordings directory: " + path), 1);
        QCOMPARE(log.count("Recordings directory: " + path), 1);

        store.setCustomDirectory(QUrl());
        QCOMPARE(store.activeDirectory(), RecordingStore::recordingsDirectory());
    }

    void skipsWhatCannotBeListed()
    {
        addRecording(makeEntry("tolvaran_rec_1.m4a", 10));
        const RecordingEntry orphan = makeEntry("tolvaran_rec_2.m4a", 20);
        writeFile(folder() + "/tolvaran_rec_2.json", encodeRecordingEntry(orphan));
        QJsonObject missingKey = objectOf(makeEntry("tolvaran_rec_3.m4a", 30));
        missingKey.remove("duration");
        writeFile(folder() + "/tolvaran_rec_3.m4a", "audio");
        writeFile(folder() + "/tolvaran_rec_3.json", QJsonDocument(missingKey).toJson());
        writeFile(folder() + "/tolvaran_rec_4.m4a", "audio");
        writeFile(folder() + "/tolvaran_rec_4.JSON", encodeRecordingEntry(makeEntry("tolvaran_rec_4.m4a", 40)));
        writeFile(folder() + "/notes.txt", "{}");
        writeFile(folder() + "/escape.json",
            encodeRecordingEntry(makeEntry("tolvaran_rec_1.m4a", 50))
                .replace("tolvaran_rec_1.m4a", "../tolvaran_rec_1.m4a"));

        test::LogCapture log(category);
        const auto store = storeOnFolder();
        QCOMPARE(fileNames(store->recordings()), QStringList{"tolvaran_rec_1.m4a"});
        QCOMPARE(log.count("Found 4 JSON files in recordings directory"), 1);
        QCOMPARE(log.count("Audio file missing for tolvaran_rec_2.m4a"), 1);
        QCOMPARE(log.count("Failed to decode JSON: tolvaran_rec_3.json"), 1);
        QCOMPARE(log.count("Failed to decode JSON: escape.json"), 1);
        QCOMPARE(log.count("Loaded 1 recordings"), 1);
    }

    void newestFirstAndStable()
    {
        addRecording(makeEntry("a.m4a", 100));
        addRecording(makeEntry("b.m4a", 300));
        addRecording(makeEntry("c.m4a", 100));
        addRecording(makeEntry("d.m4a", 200));
        addRecording(makeEntry("e.m4a", 100.000001));
        const auto store = storeOnFolder();
        QCOMPARE(fileNames(store->recordings()), (QStringList{"b.m4a", "d.m4a", "e.m4a", "a.m4a", "c.m4a"}));
    }

    void saveWritesBesideAudioAndListsFirst()
    {
        addRecording(makeEntry("tolvaran_rec_100.m4a", 100));
        const auto store = storeOnFolder();
        const RecordingEntry entry = makeEntry("tolvaran_rec_200.m4a", 200);
        writeFile(folder() + "/tolvaran_rec_200.m4a", "audio");

        test::LogCapture log(category);
        store->save(entry);
        const QString target = folder() + "/tolvaran_rec_200.json";
        QCOMPARE(log.count("Saved recording JSON: " + target), 1);
        QCOMPARE(log.count("Audio file exists at " + folder() + "/tolvaran_rec_200.m4a: true"), 1);
        QCOMPARE(store->recordings().size(), 2);
        QVERIFY(store->recordings().first() == entry);
        QCOMPARE(store->audioURL(entry), QUrl::fromLocalFile(folder() + "/tolvaran_rec_200.m4a"));

        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const auto decoded = decodeRecordingEntry(file.readAll());
        QVERIFY(decoded);
        QVERIFY(*decoded == entry);

        // Saving again replaces the description and leaves no stray files.
        RecordingEntry changed = entry;
        changed.duration = 99;
        store->save(changed);
        QCOMPARE(store->recordings().first().duration, 99.0);
        QCOMPARE(QDir(folder()).entryList(QDir::Files | QDir::Hidden).size(), 4);
    }

    void saveWithoutAudioIsNotListed()
    {
        const auto store = storeOnFolder();
        test::LogCapture log(category);
        store->save(makeEntry("gone.m4a", 1));
        QVERIFY(QFileInfo::exists(folder() + "/gone.json"));
        QCOMPARE(log.count("Audio file exists at " + folder() + "/gone.m4a: false"), 1);
        QVERIFY(store->recordings().isEmpty());
    }

    void saveRefusesNamesOutsideTheFolder_data()
    {
        QTest::addColumn<QString>("audioFileName");
        QTest::newRow("parent") << "../outside.m4a";
        QTest::newRow("empty") << "";
        QTest::newRow("json audio") << "same.json";
        QTest::newRow("not audio") << "notes.txt";
        QTest::newRow("hidden") << ".tolvaran_rec_1.partial.m4a";
    }

    void saveRefusesNamesOutsideTheFolder()
    {
        QFETCH(QString, audioFileName);
        QDir(folder()).mkpath("inner");
        writeFile(folder() + "/same.json", "keep");
        RecordingStore store;
        store.setCustomDirectory(QUrl::fromLocalFile(folder() + "/inner"));
        test::LogCapture log(category);
        store.save(makeEntry(audioFileName, 1));
        QCOMPARE(QDir(folder() + "/inner").entryList(QDir::Files).size(), 0);
        QVERIFY(!QFileInfo::exists(folder() + "/outside.json"));
        QCOMPARE(log.lines().filter(QRegularExpression("^Failed to save recording JSON: .")).size(), 1);
    }

    void removeDeletesBothFilesOnly()
    {
        const RecordingEntry kept = makeEntry("tolvaran_rec_1.m4a", 1);
        const RecordingEntry removed = makeEntry("tolvaran_rec_2.m4a", 2);
        addRecording(kept);
        addRecording(removed);
        const auto store = storeOnFolder();
        store->remove(removed);
        QCOMPARE(QDir(folder()).entryList(QDir::Files), (QStringList{"tolvaran_rec_1.json", "tolvaran_rec_1.m4a"}));
        QCOMPARE(fileNames(store->recordings()), QStringList{"tolvaran_rec_1.m4a"});

        // Files already gone: nothing changes, and no file is read again.
        test::LogCapture log(category);
        store->remove(removed);
        QCOMPARE(QDir(folder()).entryList(QDir::Files).size(), 2);
        QCOMPARE(fileNames(store->recordings()), QStringList{"tolvaran_rec_1.m4a"});
        QCOMPARE(log.linesStartingWith("Loaded "), QStringList());
    }

    void removeNeverLeavesTheFolder()
    {
        QDir(folder()).mkpath("inner");
        writeFile(folder() + "/victim.m4a", "precious");
        writeFile(folder() + "/victim.json", "precious");
        RecordingStore store;
        store.setCustomDirectory(QUrl::fromLocalFile(folder() + "/inner"));
        RecordingEntry hostile = makeEntry("../victim.m4a", 1);
        store.remove(hostile);
        QVERIFY(store.audioURL(hostile).isEmpty());
        QVERIFY(QFileInfo::exists(folder() + "/victim.m4a"));
        QVERIFY(QFileInfo::exists(folder() + "/victim.json"));
    }

    void moveNeverOverwrites_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << QStringList{} << "tolvaran_rec_5.m4a";
        QTest::newRow("audio taken") << QStringList{"tolvaran_rec_5.m4a"} << "tolvaran_rec_5_2.m4a";
        QTest::newRow("json taken") << QStringList{"tolvaran_rec_5.json"} << "tolvaran_rec_5_2.m4a";
        QTest::newRow("two taken") << QStringList{"tolvaran_rec_5.m4a", "tolvaran_rec_5_2.json"}
                                   << "tolvaran_rec_5_3.m4a";
    }

    void moveNeverOverwrites()
    {
        QFETCH(QStringList, existing);
        QFETCH(QString, expected);
        const QString target = folder() + "/target/sub";
        QDir().mkpath(target);
        for (const QString& name : existing)
            writeFile(target + "/" + name, "older");
        writeFile(folder() + "/tolvaran_rec_5.m4a", "newer");

        QString error;
        const auto name = RecordingStore::moveIntoDirectory(folder() + "/tolvaran_rec_5.m4a", target, &error);
        QVERIFY2(name, qPrintable(error));
        QCOMPARE(*name, expected);
        QVERIFY(!QFileInfo::exists(folder() + "/tolvaran_rec_5.m4a"));
        QFile moved(target + "/" + expected);
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), "newer");
        for (const QString& olderName : existing) {
            QFile older(target + "/" + olderName);
            QVERIFY(older.open(QIODevice::ReadOnly));
            QCOMPARE(older.readAll(), "older");
        }
    }

    void moveCreatesTheFolder()
    {
        writeFile(folder() + "/rec.m4a", "data");
        const auto name = RecordingStore::moveIntoDirectory(folder() + "/rec.m4a", folder() + "/new/folder");
        QCOMPARE(name.value_or(QString()), "rec.m4a");
        QVERIFY(QFileInfo::exists(folder() + "/new/folder/rec.m4a"));
        QVERIFY(!RecordingStore::moveIntoDirectory(folder() + "/rec.m4a", folder() + "/new/folder"));
    }
};

QTEST_GUILESS_MAIN(TestRecordingStore)
#include "tst_RecordingStore.moc"
