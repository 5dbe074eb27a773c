#include "RecordingStore.h"

#include "RecordingJournal.h"
#include "model/RandomUuid.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLoggingCategory>
#include <QPromise>
#include <QSaveFile>
#include <QStandardPaths>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

Q_LOGGING_CATEGORY(lcRecordingStore, "com.tolvaran.app.RecordingStore")

namespace tolvaran {

namespace {

constexpr qint64 readChunkBytes = 1024 * 1024;

bool isHidden(const QString& name)
{
    return name.startsWith(u'.');
}

// stat(2) follows symbolic links: a link to a regular file counts as one,
// a link to a pipe or a device does not.
bool isRegularFile(const QString& path)
{
    struct stat info
    {
    };

    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// The whole file, when it is a regular file of at most limit bytes. Opened
// without blocking, so a pipe put in its place between the check and the
// open cannot hold the reader, and checked again once open.
std::optional<QByteArray> readRegularFile(const QString& path, qint64 limit, QString* reason)
{
    const QByteArray native = QFile::encodeName(path);

    struct stat info
    {
    };

    if (::stat(native.constData(), &info) != 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    if (!S_ISREG(info.st_mode)) {
        *reason = QStringLiteral("not a regular file");
        return std::nullopt;
    }
    if (info.st_size > limit) {
        *reason = QStringLiteral("larger than %1 bytes").arg(limit);
        return std::nullopt;
    }
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        *reason = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (::close(fd) != 0)
            qCWarning(lcRecordingStore, "Closing %s failed", native.constData());
        *reason = file.errorString();
        return std::nullopt;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        *reason = QStringLiteral("not a regular file");
        return std::nullopt;
    }
    QByteArray bytes;
    // Read in pieces up to the limit: the file may grow while it is read.
    while (true) {
        const QByteArray piece = file.read(readChunkBytes);
        if (piece.isEmpty())
            break;
        if (bytes.size() + piece.size() > limit) {
            *reason = QStringLiteral("larger than %1 bytes").arg(limit);
            return std::nullopt;
        }
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) {
        *reason = file.errorString();
        return std::nullopt;
    }
    return bytes;
}

// Qt 6.4 moves a file into "files" under the working directory when it finds
// no trash at all; with the home trash in place it always finds one.
bool hasHomeTrash()
{
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (dataHome.isEmpty())
        return false;
    const QString trash = QDir(dataHome).filePath(QStringLiteral("Trash"));
    return QFileInfo(trash).isDir() || (QDir().mkpath(trash) && QFileInfo(trash).isDir());
}

// Into the desktop's trash, so that a file manager can bring it back; where
// the folder has no usable trash (another file system without one, no
// permission), removed for good as before.
void discard(const QString& path)
{
    QString inTrash;
    if (hasHomeTrash() && QFile::moveToTrash(path, &inTrash)) {
        qCInfo(lcRecordingStore, "Moved %s to the trash: %s", qUtf8Printable(path), qUtf8Printable(inTrash));
        return;
    }
    qCWarning(lcRecordingStore, "Cannot move %s to the trash; deleting it", qUtf8Printable(path));
    if (!QFile::remove(path))
        qCCritical(lcRecordingStore, "Failed to delete %s", qUtf8Printable(path));
}

// Newest first; equal dates in file name order, as a load lists them.
bool listedBefore(const RecordingEntry& a, const RecordingEntry& b)
{
    if (a.date != b.date)
        return a.date > b.date;
    return a.audioFileName < b.audioFileName;
}

} // namespace

RecordingStore::RecordingStore(QObject* parent)
    : RecordingStore(QUrl(), Loading::blocking, parent)
{ }

RecordingStore::RecordingStore(const QUrl& customDirectory, Loading loading, QObject* parent)
    : QObject(parent)
    , m_customDirectory(customDirectory.isLocalFile() ? customDirectory : QUrl())
{
    ensureDirectory();
    loadRecordings(loading);
}

QString RecordingStore::recordingsDirectory()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Tolvaran/Recordings"));
}

void RecordingStore::setCustomDirectory(const QUrl& folder, Loading loading)
{
    m_customDirectory = folder.isLocalFile() ? folder : QUrl();
    ensureDirectory();
    loadRecordings(loading);
}

QString RecordingStore::activeDirectory() const
{
    if (m_customDirectory.isLocalFile())
        return QDir::cleanPath(m_customDirectory.toLocalFile());
    return recordingsDirectory();
}

void RecordingStore::ensureDirectory()
{
    const QString path = activeDirectory();
    if (!QFileInfo::exists(path)) {
        if (QDir().mkpath(path))
            qCInfo(lcRecordingStore, "Created recordings directory: %s", qUtf8Printable(path));
        else
            qCCritical(lcRecordingStore, "Failed to create recordings directory: %s",
                qUtf8Printable(QStringLiteral("cannot create %1").arg(path)));
    }
    qCInfo(lcRecordingStore, "Recordings directory: %s", qUtf8Printable(path));
}

bool RecordingStore::isRecordingAudioName(const QString& name)
{
    return isPlainFileName(name) && !isHidden(name) && pathExtension(name) == QLatin1String("m4a");
}

QList<RecordingEntry> RecordingStore::readFolder(const QString& folderPath)
{
    const QDir folder(folderPath);
    const QFileInfo folderInfo(folder.path());
    if (!folderInfo.isDir() || !folderInfo.isReadable() || !folderInfo.isExecutable()) {
        qCInfo(lcRecordingStore, "No files found in recordings directory");
        return {};
    }

    // Pipes, devices and folders with such names count here and fail below.
    QStringList jsonFiles;
    const QStringList names = folder.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        if (!isHidden(name) && pathExtension(name) == QLatin1String("json"))
            jsonFiles.append(name);
    }
    std::sort(jsonFiles.begin(), jsonFiles.end());
    qCInfo(lcRecordingStore, "Found %ld JSON files in recordings directory", long(jsonFiles.size()));

    QList<RecordingEntry> entries;
    for (const QString& name : std::as_const(jsonFiles)) {
        QString reason;
        const std::optional<QByteArray> bytes = readRegularFile(folder.filePath(name), maxDescriptionBytes, &reason);
        if (!bytes)
            qCInfo(lcRecordingStore, "Cannot read %s: %s", qUtf8Printable(name), qUtf8Printable(reason));
        std::optional<RecordingEntry> entry = bytes ? decodeRecordingEntry(*bytes) : std::nullopt;
        if (!entry) {
            qCCritical(lcRecordingStore, "Failed to decode JSON: %s", qUtf8Printable(name));
            continue;
        }
        // A description speaks only for the audio file of its own name, so
        // that deleting it can never remove anything else.
        if (!isRecordingAudioName(entry->audioFileName) || jsonFileName(entry->audioFileName) != name) {
            qCCritical(lcRecordingStore, "Skipped %s: it names the audio file %s", qUtf8Printable(name),
                qUtf8Printable(entry->audioFileName));
            continue;
        }
        if (!isRegularFile(folder.filePath(entry->audioFileName))) {
            qCCritical(lcRecordingStore, "Audio file missing for %s", qUtf8Printable(entry->audioFileName));
            continue;
        }
        entries.append(std::move(*entry));
    }

    std::stable_sort(entries.begin(), entries.end(), listedBefore);
    qCInfo(lcRecordingStore, "Loaded %ld recordings", long(entries.size()));
    return entries;
}

void RecordingStore::loadRecordings(Loading loading)
{
    const quint64 generation = ++m_generation;
    m_changesDuringLoad.clear();
    const QString folder = activeDirectory();
    if (loading == Loading::blocking) {
        finishLoad(generation, readFolder(folder));
        return;
    }

    setLoading(true);
    auto promise = std::make_shared<QPromise<QList<RecordingEntry>>>();
    auto* watcher = new QFutureWatcher<QList<RecordingEntry>>(this);
    QObject::connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
        watcher->deleteLater();
        if (watcher->future().resultCount() == 1)
            finishLoad(generation, watcher->future().takeResult());
    });
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, folder] {
        promise->start();
        promise->addResult(readFolder(folder));
        promise->finish();
    });
}

void RecordingStore::finishLoad(quint64 generation, QList<RecordingEntry> entries)
{
    // A later load, or a change of folder, has made this one moot.
    if (generation != m_generation)
        return;
    for (const Change& made : std::as_const(m_changesDuringLoad))
        apply(made, entries);
    m_changesDuringLoad.clear();
    m_recordings = std::move(entries);
    setLoading(false);
    emit recordingsChanged();
}

void RecordingStore::apply(const Change& change, QList<RecordingEntry>& list)
{
    list.removeIf([&](const RecordingEntry& listed) { return jsonFileName(listed.audioFileName) == change.jsonName; });
    if (change.entry)
        list.insert(std::upper_bound(list.begin(), list.end(), *change.entry, listedBefore), *change.entry);
}

void RecordingStore::change(const Change& made)
{
    if (m_isLoading)
        m_changesDuringLoad.append(made);
    apply(made, m_recordings);
    emit recordingsChanged();
}

void RecordingStore::setLoading(bool loading)
{
    if (m_isLoading == loading)
        return;
    m_isLoading = loading;
    emit isLoadingChanged();
}

bool RecordingStore::save(const RecordingEntry& entry)
{
    ensureDirectory();
    const QDir folder(activeDirectory());

    if (!isRecordingAudioName(entry.audioFileName)) {
        qCCritical(lcRecordingStore, "Failed to save recording JSON: %s",
            qUtf8Printable(QStringLiteral("unsuitable audio file name \"%1\"").arg(entry.audioFileName)));
        return false;
    }
    const QString jsonName = jsonFileName(entry.audioFileName);
    // Written aside and renamed over the old file, so a crash never leaves a
    // truncated description that would hide the recording.
    const QString target = folder.filePath(jsonName);
    QSaveFile file(target);
    const QByteArray bytes = encodeRecordingEntry(entry);
    const bool saved = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (saved)
        qCInfo(lcRecordingStore, "Saved recording JSON: %s", qUtf8Printable(target));
    else
        qCCritical(lcRecordingStore, "Failed to save recording JSON: %s", qUtf8Printable(file.errorString()));

    const QString audioPath = folder.filePath(entry.audioFileName);
    const bool hasAudio = isRegularFile(audioPath);
    qCInfo(lcRecordingStore, "Audio file exists at %s: %s", qUtf8Printable(audioPath), hasAudio ? "true" : "false");
    if (!saved)
        return false; // the folder still holds what it held
    // The list holds what a load would find: the entry as it reads back.
    std::optional<RecordingEntry> listed;
    if (hasAudio)
        listed = decodeRecordingEntry(bytes);
    change({jsonName, std::move(listed)});
    return true;
}

void RecordingStore::remove(const RecordingEntry& entry)
{
    if (!isRecordingAudioName(entry.audioFileName))
        return;
    const QDir folder(activeDirectory());
    const QString jsonName = jsonFileName(entry.audioFileName);
    const QString jsonPath = folder.filePath(jsonName);

    // Only a recording whose description is still there, and is this one's,
    // is removed: a stale or forged entry removes nothing.
    QString reason;
    const std::optional<QByteArray> bytes = readRegularFile(jsonPath, maxDescriptionBytes, &reason);
    const std::optional<RecordingEntry> onDisk = bytes ? decodeRecordingEntry(*bytes) : std::nullopt;
    if (onDisk && onDisk->id == entry.id && onDisk->audioFileName == entry.audioFileName) {
        const QString audioPath = folder.filePath(entry.audioFileName);
        if (isRegularFile(audioPath))
            discard(audioPath);
        discard(jsonPath);
    } else if (bytes || QFileInfo::exists(jsonPath)) {
        qCCritical(lcRecordingStore, "Not deleting %s: it does not describe this recording", qUtf8Printable(jsonName));
        return;
    }
    change({jsonName, std::nullopt});
}

QUrl RecordingStore::audioURL(const RecordingEntry& entry) const
{
    if (!isPlainFileName(entry.audioFileName))
        return {};
    return QUrl::fromLocalFile(QDir(activeDirectory()).filePath(entry.audioFileName));
}

std::optional<QString> RecordingStore::moveIntoDirectory(
    const QString& filePath, const QString& folder, QString* errorText)
{
    const auto fail = [errorText](const QString& reason) -> std::optional<QString> {
        if (errorText)
            *errorText = reason;
        return std::nullopt;
    };

    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return fail(QStringLiteral("Cannot create the folder %1").arg(folder));

    const QFileInfo source(filePath);
    if (!source.isFile())
        return fail(QStringLiteral("No file at %1").arg(filePath));
    const QString base = deletingPathExtension(source.fileName());
    const QString extension = pathExtension(source.fileName());
    const QDir target(folder);
    QString lastError;
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        QString name = attempt == 1 ? base : QStringLiteral("%1_%2").arg(base).arg(attempt);
        if (!extension.isEmpty())
            name += u'.' + extension;
        if (QFileInfo::exists(target.filePath(name)) || QFileInfo::exists(target.filePath(jsonFileName(name))))
            continue;
        // Never replaces an existing file, even one that appeared just now.
        QFile file(filePath);
        if (file.rename(target.filePath(name)))
            return name;
        lastError = file.errorString();
        if (QFileInfo::exists(target.filePath(name)))
            continue;
        return fail(lastError);
    }
    return fail(QStringLiteral("No free file name in %1").arg(folder));
}

QList<RecordingEntry> RecordingStore::recoverBrokenDescriptions(
    const QString& folderPath, const std::function<double(const QString& audioPath)>& duration)
{
    QList<RecordingEntry> rebuilt;
    const QDir folder(folderPath);
    const QDir inProgress(RecordingJournal::inProgressDirectory(folderPath));
    const QStringList audioNames = folder.entryList({QStringLiteral("*.m4a")}, QDir::Files, QDir::Name);
    for (const QString& audioName : audioNames) {
        if (!isRecordingAudioName(audioName) || !isRegularFile(folder.filePath(audioName)))
            continue;
        const QString jsonName = jsonFileName(audioName);
        const QString jsonPath = folder.filePath(jsonName);
        const QString asidePath = jsonPath + QStringLiteral(".broken");
        // A journal still speaks for this audio: adopting it gives the transcript.
        if (inProgress.exists(deletingPathExtension(audioName) + RecordingJournal::journalSuffix))
            continue;
        bool isSetAside = false;
        switch (descriptionOf(folderPath, audioName)) {
        case Description::broken:
            break;
        case Description::missing:
            // Set aside before, its replacement never written.
            if (!QFileInfo::exists(asidePath))
                continue;
            isSetAside = true;
            break;
        case Description::valid:
        case Description::unreadable: // may be fine another time
            continue;
        }
        const QString audioPath = folder.filePath(audioName);
        const double seconds = duration(audioPath);
        if (!(seconds > 0)) {
            qCWarning(lcRecordingStore, "Leaving the broken description %s alone: %s does not play",
                qUtf8Printable(jsonName), qUtf8Printable(audioName));
            continue;
        }
        if (!isSetAside && !setDescriptionAside(folderPath, audioName))
            continue;
        // The audio was last written when the recording ended.
        const QDateTime end = QFileInfo(audioPath).lastModified().toUTC();
        RecordingEntry entry{randomUuid(), RecordingDate{std::chrono::milliseconds{end.toMSecsSinceEpoch()}}, seconds,
            QString(), audioName, {}};
        bound(entry);
        rebuilt.append(std::move(entry));
    }
    return rebuilt;
}

RecordingStore::Description RecordingStore::descriptionOf(const QString& folder, const QString& audioFileName)
{
    const QString jsonPath = QDir(folder).filePath(jsonFileName(audioFileName));
    if (!QFileInfo::exists(jsonPath))
        return Description::missing;
    QString reason;
    const std::optional<QByteArray> bytes = readRegularFile(jsonPath, maxDescriptionBytes, &reason);
    if (!bytes)
        return Description::unreadable;
    return decodeRecordingEntry(*bytes) ? Description::valid : Description::broken;
}

bool RecordingStore::setDescriptionAside(const QString& folder, const QString& audioFileName)
{
    const QString jsonName = jsonFileName(audioFileName);
    const QString jsonPath = QDir(folder).filePath(jsonName);
    const QString asidePath = jsonPath + QStringLiteral(".broken");
    QString aside = asidePath;
    for (int attempt = 2; QFileInfo::exists(aside) && attempt <= 1000; ++attempt)
        aside = asidePath + QStringLiteral(".%1").arg(attempt);
    QFile broken(jsonPath);
    if (QFileInfo::exists(aside) || !broken.rename(aside)) {
        qCCritical(lcRecordingStore, "Cannot set the broken description %s aside: %s", qUtf8Printable(jsonName),
            qUtf8Printable(broken.errorString()));
        return false;
    }
    qCWarning(lcRecordingStore, "Set the broken description %s aside as %s", qUtf8Printable(jsonName),
        qUtf8Printable(QFileInfo(aside).fileName()));
    return true;
}

} // namespace tolvaran
