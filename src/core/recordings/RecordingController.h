#pragma once

#include "RecordingListModel.h"
#include "recordings/RecordingEntry.h"
#include "recordings/RecordingJournal.h"

#include <QCoroTask>
#include <QObject>
#include <QTimer>
#include <QUrl>

#include <memory>
#include <optional>

namespace tolvaran {

class AudioRecordingService;
class RecordingStore;

// Records a listening run: the audio through the recorder and the transcript
// into a journal beside it, both inside the recordings folder, so that no
// way of ending the program loses a recording. Keeps the list of saved
// recordings. Main thread.
class RecordingController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isRecording READ isRecording NOTIFY isRecordingChanged)
    // What the panel tells about recording in plain words; empty for nothing.
    Q_PROPERTY(QString recordingNotice READ notice NOTIFY recordingNoticeChanged)
    // The saved recordings, as a model with named roles.
    Q_PROPERTY(QAbstractListModel* recordingModel READ recordingModel CONSTANT)

public:
    // The recordings live in store, which outlives this controller.
    explicit RecordingController(RecordingStore& store, QObject* parent = nullptr);
    // Saves a running recording before it goes: stops it, waits for the file
    // and saves its entry.
    ~RecordingController() override;

    AudioRecordingService& recorder() const { return *m_recorder; }

    RecordingStore& store() const { return m_store; }

    bool isRecording() const { return m_journal.has_value(); }

    const QList<RecordingEntry>& recordings() const { return m_recordings.rows(); }

    RecordingListModel* recordingModel() { return &m_recordings; }

    // Stopped recordings whose file is not yet moved into place and saved.
    int pendingSaves() const { return m_pendingSaves; }

    // Recordings whose description could not be written (a full disk): their
    // journals stay, and they are saved as soon as the folder takes them.
    int unsavedCount() const { return int(m_unsaved.size()); }

    // What the user should know about recording: why one could not start,
    // that the disk filled while recording, that one was saved only in part,
    // that little space is left. Empty when there is nothing to tell.
    QString notice() const;

    Q_INVOKABLE void dismissNotice() { setNotice({}); }

    // Free space below which a recording does not start, and below which a
    // start warns (about ten minutes of audio, with room for the container).
    static constexpr qint64 minFreeBytes = 16 * 1024;
    static constexpr qint64 lowSpaceBytes = 600 * (64000 / 8) * 11 / 10;

    // False when the recorder or the files cannot start (logged).
    bool start(const QString& language);
    void stop(const QString& language);
    void remove(const RecordingEntry& entry);

    // The audio that goes to the server, so that its times (milliseconds since
    // the start of a connection's stream) can be placed on the recording's
    // clock: both count the same captured samples. A stream may begin with
    // audio already streamed (a new connection catching up): its bytes.
    void streamStarted(qint64 alreadyStreamedBytes = 0);
    void streamed(const QByteArray& chunk);

    // Transcript of the running recording; ignored while not recording.
    // spokenMs/spokenEndMs are on the stream's clock; without a start, the
    // line is placed at its arrival.
    void addLine(const QString& speaker, const QString& originalText, const QString& translatedText,
        const QString& language, std::optional<qint64> spokenMs = {}, std::optional<qint64> spokenEndMs = {});
    void updateLastTranslation(const QString& translatedText);

    // Saves what an earlier run left unsaved (a crash, a kill), off this
    // thread; the list updates when it is done.
    QCoro::Task<> adoptLeftovers();

signals:
    void isRecordingChanged();
    void recordingNoticeChanged();
    // The running recording's file cannot be written any more; the owner
    // stops the recording, and listening goes on.
    void recordingInterrupted();
    void recordingsChanged();
    void pendingSavesChanged();

private:
    struct Unsaved
    {
        QString journalPath; // empty for a description rebuilt from its audio
        QString folder;
        RecordingEntry entry;
        bool isPartial = false;
    };

    void journalLine(const TimedTranscriptLine& line);
    void finishSave(const std::optional<Unsaved>& unsaved);
    void saveLeftovers(const QList<RecordingJournal::Leftover>& leftovers, const QList<RecordingEntry>& rebuilt);
    // Writes the description and, once it is on disk, drops the journal.
    bool trySave(const Unsaved& unsaved);
    // Keeps the recording (and its journal) for a later try.
    void keepUnsaved(const Unsaved& unsaved);
    void retryUnsaved();
    QString startFailureNotice() const;
    void setNotice(const QString& notice);
    void refreshList();

    std::unique_ptr<AudioRecordingService> m_recorder;
    RecordingStore& m_store;
    RecordingListModel m_recordings;
    std::optional<RecordingJournal> m_journal;
    // Transcript offsets count from the recorder's start.
    QDateTime m_startDate;
    // PCM bytes sent on the current connection, and of those, sent while
    // this recording ran: their difference turns stream times into offsets.
    qint64 m_streamBytes = 0;
    qint64 m_recordedBytes = 0;
    // The transcript lives in the journal while the recording runs, so an
    // hour of words costs no memory; only the last line (a translation may
    // still rewrite it) is held, and, once the journal failed to take a
    // line, that line and all after it, so a full disk loses none.
    std::optional<TimedTranscriptLine> m_lastLine;
    QList<TimedTranscriptLine> m_unjournaled;
    qsizetype m_lineCount = 0;
    int m_pendingSaves = 0;
    QList<Unsaved> m_unsaved;
    // Free bytes when a retry last failed: the next one waits for a change.
    qint64 m_bytesAtFailedRetry = -1;
    QTimer m_retryTimer;
    QString m_notice;
    bool m_hasWarnedLowSpace = false;
    // Set in the destructor: nothing is told any more.
    bool m_isClosing = false;
};

} // namespace tolvaran
