#include "RecordingController.h"

#include "audio/AudioRecordingService.h"
#include "model/LanguageChange.h"
#include "model/RandomUuid.h"
#include "recordings/AudioFileDuration.h"
#include "recordings/RecordingStore.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPointer>
#include <QStorageInfo>
#include <QtConcurrent>

#include <cerrno>
#include <unistd.h>

Q_DECLARE_LOGGING_CATEGORY(lcViewModel)

namespace tolvaran {

namespace {

// Notices are kept in English and translated when shown, so that a change of
// language reaches one already shown and the comparisons below hold.
const QString readOnlyNotice
    = QStringLiteral(QT_TRANSLATE_NOOP("RecordingController", "The recordings folder is read-only"));
const QString diskFullNotice = QStringLiteral(QT_TRANSLATE_NOOP("RecordingController", "The disk is full"));
const QString cannotStartNotice
    = QStringLiteral(QT_TRANSLATE_NOOP("RecordingController", "The recording could not start"));
const QString interruptedNotice = QStringLiteral(
    QT_TRANSLATE_NOOP("RecordingController", "The disk is full: the recording stopped, listening goes on"));
const QString writeFailedNotice
    = QStringLiteral(QT_TRANSLATE_NOOP("RecordingController", "The recording stopped: its file could not be written"));
const QString savedInPartNotice = QStringLiteral(
    QT_TRANSLATE_NOOP("RecordingController", "The disk filled up: the recording was saved only in part"));
const QString savedInPartListeningNotice = QStringLiteral(QT_TRANSLATE_NOOP(
    "RecordingController", "The disk is full: the recording was saved only in part, listening goes on"));
const QString waitingForSpaceNotice = QStringLiteral(
    QT_TRANSLATE_NOOP("RecordingController", "The disk is full: the recording is saved when space is free"));
const QString lowSpaceNotice
    = QStringLiteral(QT_TRANSLATE_NOOP("RecordingController", "Little space left: less than ten minutes of recording"));

// 16 kHz mono 16-bit PCM, behind a 44-byte WAV header.
constexpr qint64 bytesPerMs = 32;
constexpr qint64 wavHeaderBytes = 44;

// The nearest folder that exists on the way up, to ask about its file system.
QString existingAncestor(QString path)
{
    while (!QFileInfo::exists(path)) {
        const QString parent = QFileInfo(path).absolutePath();
        if (parent == path)
            break;
        path = parent;
    }
    return path;
}

qint64 freeBytes(const QString& folder)
{
    const QStorageInfo storage(existingAncestor(folder));
    return storage.isValid() ? storage.bytesAvailable() : -1;
}

} // namespace

RecordingController::RecordingController(RecordingStore& store, QObject* parent)
    : QObject(parent)
    , m_recorder(std::make_unique<AudioRecordingService>())
    , m_store(store)
{
    connect(&m_store, &RecordingStore::recordingsChanged, this, &RecordingController::refreshList);
    refreshList();
    onLanguageChange(this, [this] {
        if (!m_notice.isEmpty())
            emit recordingNoticeChanged();
    });
    // Free space is not announced: it is looked at now and then while a
    // recording waits for it.
    m_retryTimer.setInterval(2000);
    connect(&m_retryTimer, &QTimer::timeout, this, &RecordingController::retryUnsaved);
    // The worker thread ends inside m_recorder's destructor, before this
    // object goes; a call still queued then is dropped with it.
    m_recorder->onWriteFailed = [this](const QString& filePath, const QString& reason) {
        QMetaObject::invokeMethod(
            this,
            [this, filePath, reason] {
                if (!m_journal || m_journal->audioPath() != filePath)
                    return;
                const bool isFull = reason.contains(QLatin1String("No space")) || freeBytes(filePath) < minFreeBytes;
                setNotice(isFull ? interruptedNotice : writeFailedNotice);
                emit recordingInterrupted();
            },
            Qt::QueuedConnection);
    };
}

RecordingController::~RecordingController()
{
    if (m_journal) {
        m_journal.reset();
        m_recorder->stopRecording({});
    }
    // Waits until every stopped recording's file is finished; those whose
    // save has not come back to this thread yet are saved here with it.
    m_isClosing = true;
    m_recorder.reset();
    const QString folder = m_store.activeDirectory();
    // What still cannot be written keeps its journal for the next start.
    saveLeftovers(
        RecordingJournal::collectLeftovers(folder, QDateTime::currentDateTimeUtc().addDays(1), audioFileDuration), {});
}

bool RecordingController::start(const QString& language)
{
    if (m_journal)
        return false;
    m_store.ensureDirectory();
    const QString folder = m_store.activeDirectory();
    QString error;
    std::optional<RecordingJournal> journal;
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0)
        error = QStringLiteral("%1: %2").arg(folder, qt_error_string(errno));
    else if (const qint64 available = freeBytes(folder); available >= 0 && available < minFreeBytes)
        error = QStringLiteral("only %1 bytes free in %2").arg(available).arg(folder);
    else
        journal = RecordingJournal::create(folder, randomUuid(), recordingDateNow(), language, &error);
    if (!journal) {
        qCCritical(lcViewModel, "startRecording: cannot create the recording's files: %s", qUtf8Printable(error));
        setNotice(startFailureNotice());
        return false;
    }
    const bool ok = m_recorder->startRecording(journal->audioPath());
    qCInfo(lcViewModel, "startRecording: service returned %s", ok ? "true" : "false");
    if (!ok) {
        QFile::remove(journal->audioPath());
        QFile::remove(journal->journalPath());
        setNotice(startFailureNotice());
        return false;
    }
    m_journal = std::move(journal);
    m_recordedBytes = 0;
    m_startDate = m_recorder->recordingStartDate().value_or(QDateTime::currentDateTimeUtc());
    emit isRecordingChanged();

    const qint64 available = freeBytes(folder);
    if (available >= 0 && available < lowSpaceBytes && !m_hasWarnedLowSpace) {
        m_hasWarnedLowSpace = true;
        qCWarning(lcViewModel, "startRecording: %lld bytes free, less than ten minutes of audio", available);
        setNotice(lowSpaceNotice);
    } else if (m_unsaved.isEmpty()) {
        setNotice({});
    }
    return true;
}

QString RecordingController::startFailureNotice() const
{
    const QString folder = existingAncestor(m_store.activeDirectory());
    const QStorageInfo storage(folder);
    if (::access(QFile::encodeName(folder).constData(), W_OK) != 0 || (storage.isValid() && storage.isReadOnly()))
        return readOnlyNotice;
    if (storage.isValid() && storage.bytesAvailable() < minFreeBytes)
        return diskFullNotice;
    return cannotStartNotice;
}

QString RecordingController::notice() const
{
    return m_notice.isEmpty() ? QString()
                              : QCoreApplication::translate("RecordingController", m_notice.toUtf8().constData());
}

void RecordingController::setNotice(const QString& notice)
{
    if (m_isClosing || notice == m_notice)
        return;
    m_notice = notice;
    if (!notice.isEmpty())
        qCInfo(lcViewModel, "Recording notice: %s", qUtf8Printable(notice));
    emit recordingNoticeChanged();
}

void RecordingController::streamStarted(qint64 alreadyStreamedBytes)
{
    m_streamBytes = alreadyStreamedBytes;
}

void RecordingController::streamed(const QByteArray& chunk)
{
    qint64 bytes = chunk.size();
    // The stream's first chunk carries the WAV header, which the server's
    // clock does not count.
    if (m_streamBytes == 0 && chunk.startsWith("RIFF") && bytes >= wavHeaderBytes)
        bytes -= wavHeaderBytes;
    m_streamBytes += bytes;
    if (m_journal)
        m_recordedBytes += bytes;
}

void RecordingController::addLine(const QString& speaker, const QString& originalText, const QString& translatedText,
    const QString& language, std::optional<qint64> spokenMs, std::optional<qint64> spokenEndMs)
{
    if (!m_journal)
        return;
    qint64 offsetMs = 0;
    std::optional<qint64> endMs;
    if (spokenMs) {
        // The recording began this far into the stream (negative when a new
        // stream began while it ran).
        const qint64 recordingStartMs = (m_streamBytes - m_recordedBytes) / bytesPerMs;
        // A server's times are held to what a file keeps before any sum.
        const auto onRecording = [recordingStartMs](qint64 streamMs) {
            return std::max(std::clamp(streamMs, qint64(0), maxOffsetMs) - recordingStartMs, qint64(0));
        };
        offsetMs = onRecording(*spokenMs);
        if (spokenEndMs)
            endMs = std::max(onRecording(*spokenEndMs), offsetMs);
    } else {
        offsetMs = m_startDate.msecsTo(QDateTime::currentDateTimeUtc());
    }
    m_lastLine = TimedTranscriptLine{randomUuid(), offsetMs, speaker, originalText, translatedText, language, endMs};
    ++m_lineCount;
    journalLine(*m_lastLine);
}

void RecordingController::updateLastTranslation(const QString& translatedText)
{
    if (!m_journal || !m_lastLine)
        return;
    m_lastLine->translatedText = translatedText;
    journalLine(*m_lastLine);
}

void RecordingController::journalLine(const TimedTranscriptLine& line)
{
    if (m_journal->appendLine(line) && m_unjournaled.isEmpty())
        return;
    if (m_unjournaled.isEmpty()) {
        qCWarning(lcViewModel, "Cannot write the transcript journal %s; the lines from here on are kept in memory",
            qUtf8Printable(m_journal->journalPath()));
    }
    // Only the last line is ever written again (its translation came).
    if (!m_unjournaled.isEmpty() && m_unjournaled.last().id == line.id)
        m_unjournaled.last() = line;
    else
        m_unjournaled.append(line);
}

void RecordingController::stop(const QString& language)
{
    if (!m_journal) {
        qCInfo(lcViewModel, "stopRecording: not recording, skipping");
        return;
    }
    const QString journalPath = m_journal->journalPath();
    m_journal.reset();
    emit isRecordingChanged();
    const QList<TimedTranscriptLine> unjournaled = std::exchange(m_unjournaled, {});
    m_lastLine.reset();
    qCInfo(lcViewModel, "stopRecording: stopping with %lld transcript lines", qint64(std::exchange(m_lineCount, 0)));
    const QString folder = m_store.activeDirectory();

    ++m_pendingSaves;
    emit pendingSavesChanged();
    // The completion runs on the recorder's own thread: the file is moved
    // there, and only the save comes back to this thread. Until the
    // description is on disk, the journal stays, so a later start still
    // finds the recording.
    QPointer<RecordingController> self(this);
    m_recorder->finishRecording(
        [self, folder, language, unjournaled, journalPath](const AudioRecordingService::Outcome& outcome) {
            std::optional<Unsaved> unsaved;
            if (!outcome.file) {
                qCCritical(lcViewModel, "stopRecording: no file URL returned");
            } else {
                const QString path = outcome.file->toLocalFile();
                qCInfo(lcViewModel, "stopRecording: temp file at %s, duration=%.1fs", qUtf8Printable(path),
                    outcome.duration);
                QString error;
                if (const auto name = RecordingStore::moveIntoDirectory(path, folder, &error)) {
                    const QString moved = QDir(folder).filePath(*name);
                    qCInfo(lcViewModel, "stopRecording: moved to %s", qUtf8Printable(moved));
                    if (!RecordingJournal::appendPublishedAudio(journalPath, *name))
                        qCWarning(lcViewModel, "stopRecording: cannot note the moved audio in %s",
                            qUtf8Printable(journalPath));
                    double duration = outcome.duration;
                    if (!outcome.isComplete) {
                        // What plays is what was kept.
                        duration = audioFileDuration(moved);
                        qCWarning(lcViewModel, "stopRecording: saved only in part (%s): %.1fs of audio",
                            qUtf8Printable(outcome.failure), duration);
                    }
                    unsaved = Unsaved{journalPath, folder,
                        RecordingEntry{randomUuid(), recordingDateNow(), duration, language, *name,
                            RecordingJournal::readTranscript(journalPath, unjournaled)},
                        !outcome.isComplete};
                } else {
                    qCCritical(lcViewModel, "stopRecording: failed to move file: %s", qUtf8Printable(error));
                }
            }
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, unsaved] {
                    if (!self) {
                        qCCritical(lcViewModel, "stopRecording: self was deallocated");
                        return;
                    }
                    self->finishSave(unsaved);
                },
                Qt::QueuedConnection);
        });
}

void RecordingController::finishSave(const std::optional<Unsaved>& unsaved)
{
    if (unsaved) {
        qCInfo(lcViewModel, "stopRecording: saving entry and refreshing list");
        if (trySave(*unsaved)) {
            refreshList();
            qCInfo(lcViewModel, "stopRecording: recordings count = %lld", qint64(recordings().size()));
            if (unsaved->isPartial)
                setNotice(m_notice == interruptedNotice ? savedInPartListeningNotice : savedInPartNotice);
        } else {
            qCCritical(lcViewModel,
                "stopRecording: the description of %s could not be written; its journal is kept until it is",
                qUtf8Printable(unsaved->entry.audioFileName));
            keepUnsaved(*unsaved);
        }
    }
    --m_pendingSaves;
    emit pendingSavesChanged();
}

bool RecordingController::trySave(const Unsaved& unsaved)
{
    // A folder chosen meanwhile is not this recording's: it waits for the
    // next start in its own folder.
    if (unsaved.folder != m_store.activeDirectory() || !m_store.save(unsaved.entry))
        return false;
    if (!unsaved.journalPath.isEmpty() && QFileInfo::exists(unsaved.journalPath) && !QFile::remove(unsaved.journalPath))
        qCWarning(lcViewModel, "Cannot remove the journal %s", qUtf8Printable(unsaved.journalPath));
    return true;
}

void RecordingController::keepUnsaved(const Unsaved& unsaved)
{
    if (m_isClosing)
        return;
    m_unsaved.append(unsaved);
    m_bytesAtFailedRetry = freeBytes(unsaved.folder);
    if (m_notice != interruptedNotice)
        setNotice(waitingForSpaceNotice);
    m_retryTimer.start();
}

void RecordingController::retryUnsaved()
{
    if (m_unsaved.isEmpty()) {
        m_retryTimer.stop();
        return;
    }
    const qint64 available = freeBytes(m_store.activeDirectory());
    if (available == m_bytesAtFailedRetry)
        return; // nothing changed since the last try
    bool wasPartial = false;
    for (auto it = m_unsaved.begin(); it != m_unsaved.end();) {
        if (trySave(*it)) {
            qCInfo(lcViewModel, "Saved a recording that waited for space: %s", qUtf8Printable(it->entry.audioFileName));
            wasPartial = wasPartial || it->isPartial;
            it = m_unsaved.erase(it);
        } else {
            ++it;
        }
    }
    refreshList();
    if (!m_unsaved.isEmpty()) {
        m_bytesAtFailedRetry = freeBytes(m_store.activeDirectory());
        return;
    }
    m_retryTimer.stop();
    m_bytesAtFailedRetry = -1;
    if (wasPartial)
        setNotice(savedInPartNotice);
    else if (m_notice == waitingForSpaceNotice || m_notice == interruptedNotice)
        setNotice({});
}

void RecordingController::remove(const RecordingEntry& entry)
{
    m_store.remove(entry);
    refreshList();
}

QCoro::Task<> RecordingController::adoptLeftovers()
{
    QPointer<RecordingController> self(this);
    const QString folder = m_store.activeDirectory();
    // Journals this run writes are newer than this moment.
    const QDateTime startedBefore = QDateTime::currentDateTimeUtc();
    using Found = std::pair<QList<RecordingJournal::Leftover>, QList<RecordingEntry>>;
    // Kept in a variable: g++ 12 destroys temporaries of a co_await
    // expression twice.
    QFuture<Found> collected = QtConcurrent::run([folder, startedBefore] {
        QList<RecordingJournal::Leftover> leftovers
            = RecordingJournal::collectLeftovers(folder, startedBefore, audioFileDuration);
        return Found{std::move(leftovers), RecordingStore::recoverBrokenDescriptions(folder, audioFileDuration)};
    });
    const Found found = co_await collected;
    if (self)
        self->saveLeftovers(found.first, found.second);
}

void RecordingController::saveLeftovers(
    const QList<RecordingJournal::Leftover>& leftovers, const QList<RecordingEntry>& rebuilt)
{
    const QString folder = m_store.activeDirectory();
    for (const RecordingJournal::Leftover& leftover : leftovers) {
        switch (RecordingStore::descriptionOf(folder, leftover.entry.audioFileName)) {
        case RecordingStore::Description::valid:
            // Saved before the run ended, but the journal was not removed yet.
            QFile::remove(leftover.journalPath);
            continue;
        case RecordingStore::Description::unreadable:
            qCWarning(lcViewModel, "Not saving %s over a description that cannot be read",
                qUtf8Printable(leftover.entry.audioFileName));
            continue;
        case RecordingStore::Description::broken:
            // Written in part by a run that ran out of space: the journal
            // knows better, and the broken file is kept aside.
            if (!RecordingStore::setDescriptionAside(folder, leftover.entry.audioFileName))
                continue;
            break;
        case RecordingStore::Description::missing:
            break;
        }
        qCInfo(lcViewModel, "Saving a recording left unsaved: %s (%lld transcript lines)",
            qUtf8Printable(leftover.entry.audioFileName), qint64(leftover.entry.transcript.size()));
        const Unsaved unsaved{leftover.journalPath, folder, leftover.entry, false};
        if (!trySave(unsaved))
            keepUnsaved(unsaved);
    }
    for (const RecordingEntry& entry : rebuilt) {
        qCInfo(lcViewModel, "Listing %s with a description rebuilt from its audio (%.1fs)",
            qUtf8Printable(entry.audioFileName), entry.duration);
        const Unsaved unsaved{QString(), folder, entry, false};
        if (!trySave(unsaved))
            keepUnsaved(unsaved);
    }
    if (!leftovers.isEmpty() || !rebuilt.isEmpty())
        refreshList();
}

void RecordingController::refreshList()
{
    if (m_store.recordings() == recordings())
        return;
    m_recordings.setRows(m_store.recordings());
    emit recordingsChanged();
}

} // namespace tolvaran
