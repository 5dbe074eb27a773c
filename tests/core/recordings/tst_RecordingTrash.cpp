#include "LogCapture.h"
#include "recordings/RecordingStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvaran;

namespace {

// The test's own data folder, and so its own trash, before Qt reads it.
QTemporaryDir& dataHome()
{
    static QTemporaryDir dir;
    return dir;
}

RecordingEntry saved(RecordingStore& store, const QString& audioName)
{
    QFile audio(QDir(store.activeDirectory()).filePath(audioName));
    if (audio.open(QIODevice::WriteOnly))
        audio.write("not really AAC");
    audio.close();
    RecordingEntry entry;
    entry.id = QUuid::createUuid();
    entry.date = recordingDateNow();
    entry.duration = 1;
    entry.language = QStringLiteral("en");
    entry.audioFileName = audioName;
    store.save(entry);
    return entry;
}

} // namespace

// Deleting a recording moves both its files into the desktop's trash, from
// where a file manager restores them.
class TestRecordingTrash : public QObject
{
    Q_OBJECT

private slots:

    void initTestCase()
    {
        QVERIFY(dataHome().isValid());
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome().path()));
    }

    void deletedRecordingsGoToTheTrash()
    {
        QTemporaryDir folder(dataHome().filePath(QStringLiteral("recordings-XXXXXX")));
        QVERIFY(folder.isValid());
        RecordingStore store(QUrl::fromLocalFile(folder.path()), RecordingStore::Loading::blocking);
        const RecordingEntry entry = saved(store, QStringLiteral("tolvaran_rec_100.m4a"));
        const RecordingEntry other = saved(store, QStringLiteral("tolvaran_rec_200.m4a"));
        QCOMPARE(store.recordings().size(), 2);

        store.remove(entry);
        QCOMPARE(store.recordings().size(), 1);
        QCOMPARE(store.recordings().first().id, other.id);
        const QDir trash(dataHome().filePath(QStringLiteral("Trash")));
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::Files), QStringList({"tolvaran_rec_200.json", "tolvaran_rec_200.m4a"}));
        QCOMPARE(QDir(trash.filePath(QStringLiteral("files"))).entryList(QDir::Files),
            QStringList({"tolvaran_rec_100.json", "tolvaran_rec_100.m4a"}));
        QFile info(trash.filePath(QStringLiteral("info/tolvaran_rec_100.m4a.trashinfo")));
        QVERIFY(info.open(QIODevice::ReadOnly));
        QVERIFY(info.readAll().contains("Path="));
        QFile trashed(trash.filePath(QStringLiteral("files/tolvaran_rec_100.m4a")));
        QVERIFY(trashed.open(QIODevice::ReadOnly));
        QCOMPARE(trashed.readAll(), QByteArray("not really AAC"));
    }

    // Where the trash cannot be used, the files are removed as before, and
    // the log says so.
    void withoutATrashFilesAreRemoved()
    {
        QTemporaryDir otherHome;
        QVERIFY(otherHome.isValid());
        // A file where the trash folder would go.
        QFile blocker(otherHome.filePath(QStringLiteral("Trash")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        qputenv("XDG_DATA_HOME", QFile::encodeName(otherHome.path()));
        const auto restore = qScopeGuard([] { qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome().path())); });

        QTemporaryDir folder(otherHome.filePath(QStringLiteral("recordings-XXXXXX")));
        RecordingStore store(QUrl::fromLocalFile(folder.path()), RecordingStore::Loading::blocking);
        const RecordingEntry entry = saved(store, QStringLiteral("tolvaran_rec_300.m4a"));
        test::LogCapture log("com.tolvaran.app.RecordingStore");
        store.remove(entry);
        QVERIFY(store.recordings().isEmpty());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList());
        QCOMPARE(log.linesStartingWith(QStringLiteral("Cannot move ")).size(), 2);
        // Nowhere else either: not under the working directory, where Qt
        // 6.4 would put them without a trash.
        QVERIFY(!QFileInfo::exists(QStringLiteral("files/tolvaran_rec_300.m4a")));
    }
};

QTEST_GUILESS_MAIN(TestRecordingTrash)
#include "tst_RecordingTrash.moc"
