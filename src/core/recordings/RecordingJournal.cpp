#include "RecordingJournal.h"

#include "RecordingStore.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QSet>

#include <fcntl.h>
#include <limits>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcRecordingStore)

namespace tolvaran {

namespace {

using namespace std::chrono;

const QString inProgressName = QStringLiteral(".inprogress");
const QString audioSuffix = QStringLiteral(".m4a");

bool createExclusive(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool appendRecord(QFile& file, const QByteArray& json)
{
    const QByteArray line = json + '\n';
    return file.write(line) == line.size() && file.flush();
}

bool appendJson(QFile& file, const QJsonObject& object)
{
    return appendRecord(file, QJsonDocument(object).toJson(QJsonDocument::Compact));
}

struct JournalContents
{
    QUuid id;
    RecordingDate start;
    QString language;
    QList<TimedTranscriptLine> transcript;
    std::optional<QString> publishedAudio;
};

// Puts line in place of the one with its id, or after the rest.
void putLine(QList<TimedTranscriptLine>& lines, QHash<QUuid, qsizetype>& index, TimedTranscriptLine line)
{
    if (const auto at = index.constFind(line.id); at != index.cend()) {
        lines[*at] = std::move(line);
        return;
    }
    index.insert(line.id, lines.size());
    lines.append(std::move(line));
}

// A journal is this program's own file, but it lies in a folder the user may
// share: anything unexpected is skipped line by line, never trusted.
std::optional<JournalContents> readJournal(const QString& path, qint64 maxBytes = RecordingJournal::maxJournalBytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.isSymLink() || info.size() > maxBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;

    std::optional<JournalContents> contents;
    QHash<QUuid, qsizetype> lineIndex;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(RecordingJournal::maxJournalBytes);
        if (std::optional<TimedTranscriptLine> transcriptLine = decodeTimedTranscriptLine(line)) {
            if (contents)
                putLine(contents->transcript, lineIndex, std::move(*transcriptLine));
            continue;
        }
        const QJsonDocument document = QJsonDocument::fromJson(line);
        if (!document.isObject())
            continue; // a line cut short by a kill, or noise
        const QJsonObject object = document.object();
        if (!contents) {
            const QUuid id = QUuid::fromString(object.value(QLatin1StringView("recording")).toString());
            const double startMs = object.value(QLatin1StringView("startMs")).toDouble(-1);
            // Dates from 1970 to 2200: anything else is not a start time.
            if (id.isNull() || !(startMs >= 0 && startMs < 7.3e12))
                return std::nullopt;
            contents = JournalContents{id, RecordingDate{milliseconds{qint64(startMs)}},
                object.value(QLatin1StringView("language")).toString(), {}, std::nullopt};
            continue;
        }
        if (const QJsonValue audio = object.value(QLatin1StringView("audioFileName")); audio.isString()) {
            if (RecordingStore::isRecordingAudioName(audio.toString()))
                contents->publishedAudio = audio.toString();
        }
    }
    return contents;
}

} // namespace

QString RecordingJournal::inProgressDirectory(const QString& recordingsFolder)
{
    return QDir(recordingsFolder).filePath(inProgressName);
}

std::optional<RecordingJournal> RecordingJournal::create(
    const QString& recordingsFolder, const QUuid& id, RecordingDate start, const QString& language, QString* errorText)
{
    const auto fail = [errorText](const QString& reason) -> std::optional<RecordingJournal> {
        if (errorText)
            *errorText = reason;
        return std::nullopt;
    };
    const QString folder = inProgressDirectory(recordingsFolder);
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("Cannot create the folder %1").arg(folder));

    const QDir inProgress(folder);
    const QDir published(recordingsFolder);
    const qint64 seconds = duration_cast<std::chrono::seconds>(start.time_since_epoch()).count();
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        const QString base = attempt == 1 ? QStringLiteral("tolvaran_rec_%1").arg(seconds)
                                          : QStringLiteral("tolvaran_rec_%1_%2").arg(seconds).arg(attempt);
        // A name also free among the finished recordings keeps its name when
        // it is moved there.
        if (published.exists(base + audioSuffix) || published.exists(base + QStringLiteral(".json")))
            continue;
        const QString audioPath = inProgress.filePath(base + audioSuffix);
        const QString journalPath = inProgress.filePath(base + journalSuffix);
        if (!createExclusive(journalPath)) {
            if (errno == EEXIST)
                continue;
            return fail(QStringLiteral("Cannot create %1: %2").arg(journalPath, qt_error_string(errno)));
        }
        if (!createExclusive(audioPath)) {
            const int error = errno;
            QFile::remove(journalPath);
            if (error == EEXIST)
                continue;
            return fail(QStringLiteral("Cannot create %1: %2").arg(audioPath, qt_error_string(error)));
        }
        auto file = std::make_unique<QFile>(journalPath);
        if (!file->open(QIODevice::WriteOnly | QIODevice::Append)
            || !appendJson(*file,
                {{QStringLiteral("recording"), id.toString(QUuid::WithoutBraces)},
                    {QStringLiteral("startMs"), double(duration_cast<milliseconds>(start.time_since_epoch()).count())},
                    {QStringLiteral("language"), language}})) {
            const QString reason = file->errorString();
            QFile::remove(journalPath);
            QFile::remove(audioPath);
            return fail(reason);
        }
        return RecordingJournal(audioPath, journalPath, std::move(file));
    }
    return fail(QStringLiteral("No free file name in %1").arg(folder));
}

RecordingJournal::RecordingJournal(QString audioPath, QString journalPath, std::unique_ptr<QFile> file)
    : m_audioPath(std::move(audioPath))
    , m_journalPath(std::move(journalPath))
    , m_file(std::move(file))
{ }

RecordingJournal::RecordingJournal(RecordingJournal&&) noexcept = default;
RecordingJournal& RecordingJournal::operator=(RecordingJournal&&) noexcept = default;
RecordingJournal::~RecordingJournal() = default;

bool RecordingJournal::appendLine(const TimedTranscriptLine& line)
{
    if (!m_file)
        return false;
    QByteArray record = encodeTimedTranscriptLine(line);
    // A write that failed part-way left a piece without its line's end: the
    // next record starts a line of its own rather than join it.
    if (m_isTorn)
        record.prepend('\n');
    m_isTorn = !appendRecord(*m_file, record);
    return !m_isTorn;
}

QList<TimedTranscriptLine> RecordingJournal::readTranscript(
    const QString& journalPath, const QList<TimedTranscriptLine>& unjournaled)
{
    // The journal this run wrote: no size is too large to keep.
    std::optional<JournalContents> contents = readJournal(journalPath, std::numeric_limits<qint64>::max());
    if (!contents) {
        qCCritical(lcRecordingStore, "Cannot read the transcript journal %s", qUtf8Printable(journalPath));
        return unjournaled;
    }
    if (unjournaled.isEmpty())
        return std::move(contents->transcript);
    // The lines kept in memory are every line from the first the journal
    // failed to take: they follow the journal's earlier lines, in place of
    // any the journal also got, so that lines keep the order they came in.
    QSet<QUuid> kept;
    for (const TimedTranscriptLine& line : unjournaled)
        kept.insert(line.id);
    contents->transcript.removeIf([&](const TimedTranscriptLine& line) { return kept.contains(line.id); });
    return contents->transcript + unjournaled;
}

bool RecordingJournal::appendPublishedAudio(const QString& journalPath, const QString& audioFileName)
{
    QFile file(journalPath);
    return file.open(QIODevice::WriteOnly | QIODevice::Append)
        && appendJson(file, {{QStringLiteral("audioFileName"), audioFileName}});
}

QList<RecordingJournal::Leftover> RecordingJournal::collectLeftovers(const QString& recordingsFolder,
    const QDateTime& modifiedBefore, const std::function<double(const QString& audioPath)>& duration)
{
    QList<Leftover> leftovers;
    const QDir inProgress(inProgressDirectory(recordingsFolder));
    const QDir published(recordingsFolder);
    const QStringList journals
        = inProgress.entryList({QStringLiteral("*") + journalSuffix}, QDir::Files | QDir::NoSymLinks, QDir::Name);
    for (const QString& journalName : journals) {
        const QString journalPath = inProgress.filePath(journalName);
        if (QFileInfo(journalPath).lastModified() >= modifiedBefore)
            continue;
        const std::optional<JournalContents> contents = readJournal(journalPath);
        if (!contents) {
            qCWarning(lcRecordingStore, "Skipping unreadable recording journal %s", qUtf8Printable(journalPath));
            continue;
        }
        const QString audioPath = inProgress.filePath(journalName.chopped(journalSuffix.size()) + audioSuffix);
        std::optional<QString> audioFileName = contents->publishedAudio;
        const QFileInfo partialAudio(audioPath);
        if (partialAudio.isFile() && !partialAudio.isSymLink()) {
            if (partialAudio.size() == 0 && contents->transcript.isEmpty()) {
                // Killed before the first fragment and before any line.
                QFile::remove(audioPath);
                QFile::remove(journalPath);
                continue;
            }
            QString error;
            audioFileName = RecordingStore::moveIntoDirectory(audioPath, recordingsFolder, &error);
            if (!audioFileName) {
                qCCritical(lcRecordingStore, "Cannot move a left recording into place: %s", qUtf8Printable(error));
                continue;
            }
            if (!appendPublishedAudio(journalPath, *audioFileName))
                qCCritical(lcRecordingStore, "Cannot note in %s where its audio went", qUtf8Printable(journalPath));
        } else if (!audioFileName) {
            // Moved into place by a run that could not note it in the journal
            // (a full disk): it kept its name there unless that was taken.
            const QString movedName = journalName.chopped(journalSuffix.size()) + audioSuffix;
            if (QFileInfo(published.filePath(movedName)).isFile())
                audioFileName = movedName;
        }
        if (!audioFileName || !QFileInfo(published.filePath(*audioFileName)).isFile()) {
            qCWarning(lcRecordingStore, "Removing a recording journal without audio: %s", qUtf8Printable(journalPath));
            QFile::remove(journalPath);
            continue;
        }
        const double seconds = duration(published.filePath(*audioFileName));
        const RecordingDate end = contents->start + microseconds{qint64(seconds * 1e6)};
        leftovers.append({journalPath,
            RecordingEntry{contents->id, end, seconds, contents->language, *audioFileName, contents->transcript}});
    }
    return leftovers;
}

} // namespace tolvaran
