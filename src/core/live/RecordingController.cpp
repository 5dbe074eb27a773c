#include "RecordingController.h"

#include "audio/AudioRecordingService.h"
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
#include <QtConcurrent>

Q_DECLARE_LOGGING_CATEGORY(lcViewModel)

namespace tolvaran {

RecordingController::RecordingController(const QUrl& customFolder, QObject* parent)
    : QObject(parent)
    , m_recorder(std::make_unique<AudioRecordingService>())
    , m_store(std::make_unique<RecordingStore>(customFolder, RecordingStore::Loading::inBackground))
{
    connect(m_store.get(), &RecordingStore::recordingsChanged, this, &RecordingController::refreshList);
}

RecordingController::~RecordingController()
{
    if (m_journal) {
        m_journal.reset();
        m_recorder->stopRecording({});
    }
    // Waits until every stopped recording's file is finished; those whose
    // save has not come back to this thread yet are saved here with it.
    m_recorder.reset();
    const QString folder = m_store->activeDirectory();
    saveLeftovers(
        RecordingJournal::collectLeftovers(folder, QDateTime::currentDateTimeUtc().addDays(1), audioFileDuration));
}

bool RecordingController::start(const QString& language)
{
    if (m_journal)
        return false;
    m_store->ensureDirectory();
    QString error;
    std::optional<RecordingJournal> journal
        = RecordingJournal::create(m_store->activeDirectory(), randomUuid(), recordingDateNow(), language, &error);
    if (!journal) {
        qCCritical(lcViewModel, "startRecording: cannot create the recording's files: %s", qUtf8Printable(error));
        return false;
    }
    const bool ok = m_recorder->startRecording(journal->audioPath());
    qCInfo(lcViewModel, "startRecording: service returned %s", ok ? "true" : "false");
    if (!ok) {
        QFile::remove(journal->audioPath());
        QFile::remove(journal->journalPath());
        return false;
    }
    m_journal = std::move(journal);
    m_transcript.clear();
    m_startDate = m_recorder->recordingStartDate().value_or(QDateTime::currentDateTimeUtc());
    emit isRecordingChanged();
    return true;
}

void RecordingController::addLine(
    const QString& speaker, const QString& originalText, const QString& translatedText, const QString& language)
{
    if (!m_journal)
        return;
    const qint64 offsetMs = m_startDate.msecsTo(QDateTime::currentDateTimeUtc());
    m_transcript.append({randomUuid(), offsetMs, speaker, originalText, translatedText, language});
    if (!m_journal->appendLine(m_transcript.last()))
        qCWarning(lcViewModel, "Cannot write the transcript journal %s", qUtf8Printable(m_journal->journalPath()));
}

void RecordingController::updateLastTranslation(const QString& translatedText)
{
    if (!m_journal || m_transcript.isEmpty())
        return;
    m_transcript.last().translatedText = translatedText;
    if (!m_journal->appendLine(m_transcript.last()))
        qCWarning(lcViewModel, "Cannot write the transcript journal %s", qUtf8Printable(m_journal->journalPath()));
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
    const QList<TimedTranscriptLine> transcript = std::exchange(m_transcript, {});
    qCInfo(lcViewModel, "stopRecording: stopping with %lld transcript lines", qint64(transcript.size()));
    const QString folder = m_store->activeDirectory();

    ++m_pendingSaves;
    emit pendingSavesChanged();
    // The completion runs on the recorder's own thread: the file is moved
    // there, and only the save comes back to this thread. Until the save,
    // the journal stays, so a start-up after a crash still finds it.
    QPointer<RecordingController> self(this);
    m_recorder->stopRecording([self, folder, language, transcript, journalPath](
                                  std::optional<QUrl> file, double duration) {
        std::optional<RecordingEntry> entry;
        if (!file) {
            qCCritical(lcViewModel, "stopRecording: no file URL returned");
        } else {
            const QString path = file->toLocalFile();
            qCInfo(lcViewModel, "stopRecording: temp file at %s, duration=%.1fs", qUtf8Printable(path), duration);
            QString error;
            if (const auto name = RecordingStore::moveIntoDirectory(path, folder, &error)) {
                qCInfo(lcViewModel, "stopRecording: moved to %s", qUtf8Printable(folder + QLatin1Char('/') + *name));
                RecordingJournal::appendPublishedAudio(journalPath, *name);
                entry = RecordingEntry{randomUuid(), recordingDateNow(), duration, language, *name, transcript};
            } else {
                qCCritical(lcViewModel, "stopRecording: failed to move file: %s", qUtf8Printable(error));
            }
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, entry, journalPath] {
                if (!self) {
                    qCCritical(lcViewModel, "stopRecording: self was deallocated");
                    return;
                }
                self->finishSave(journalPath, entry);
            },
            Qt::QueuedConnection);
    });
}

void RecordingController::finishSave(const QString& journalPath, const std::optional<RecordingEntry>& entry)
{
    if (entry) {
        qCInfo(lcViewModel, "stopRecording: saving entry and refreshing list");
        m_store->save(*entry);
        QFile::remove(journalPath);
        refreshList();
        qCInfo(lcViewModel, "stopRecording: recordings count = %lld", qint64(recordings().size()));
    }
    --m_pendingSaves;
    emit pendingSavesChanged();
}

void RecordingController::remove(const RecordingEntry& entry)
{
    m_store->remove(entry);
    refreshList();
}

QCoro::Task<> RecordingController::adoptLeftovers()
{
    QPointer<RecordingController> self(this);
    const QString folder = m_store->activeDirectory();
    // Journals this run writes are newer than this moment.
    const QDateTime startedBefore = QDateTime::currentDateTimeUtc();
    // Kept in a variable: g++ 12 destroys temporaries of a co_await
    // expression twice.
    QFuture<QList<RecordingJournal::Leftover>> collected = QtConcurrent::run([folder, startedBefore] {
        return RecordingJournal::collectLeftovers(folder, startedBefore, audioFileDuration);
    });
    const QList<RecordingJournal::Leftover> leftovers = co_await collected;
    if (self)
        self->saveLeftovers(leftovers);
}

void RecordingController::saveLeftovers(const QList<RecordingJournal::Leftover>& leftovers)
{
    for (const RecordingJournal::Leftover& leftover : leftovers) {
        // Saved before the run ended, but the journal was not removed yet.
        const QString description
            = QDir(m_store->activeDirectory()).filePath(jsonFileName(leftover.entry.audioFileName));
        if (!QFileInfo::exists(description)) {
            qCInfo(lcViewModel, "Saving a recording left unsaved: %s (%lld transcript lines)",
                qUtf8Printable(leftover.entry.audioFileName), qint64(leftover.entry.transcript.size()));
            m_store->save(leftover.entry);
        }
        QFile::remove(leftover.journalPath);
    }
    if (!leftovers.isEmpty())
        refreshList();
}

void RecordingController::refreshList()
{
    if (m_store->recordings() == recordings())
        return;
    m_recordings.setRows(m_store->recordings());
    emit recordingsChanged();
}

} // namespace tolvaran
