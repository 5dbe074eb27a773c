#pragma once

#include "ListModels.h"
#include "recordings/RecordingEntry.h"
#include "recordings/RecordingJournal.h"

#include <QCoroTask>
#include <QObject>
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

public:
    explicit RecordingController(const QUrl& customFolder, QObject* parent = nullptr);
    // Saves a running recording before it goes: stops it, waits for the file
    // and saves its entry.
    ~RecordingController() override;

    AudioRecordingService& recorder() const { return *m_recorder; }

    RecordingStore& store() const { return *m_store; }

    bool isRecording() const { return m_journal.has_value(); }

    const QList<RecordingEntry>& recordings() const { return m_recordings.rows(); }

    RecordingListModel* recordingModel() { return &m_recordings; }

    // Stopped recordings whose file is not yet moved into place and saved.
    int pendingSaves() const { return m_pendingSaves; }

    // False when the recorder or the files cannot start (logged).
    bool start(const QString& language);
    void stop(const QString& language);
    void remove(const RecordingEntry& entry);

    // Transcript of the running recording; ignored while not recording.
    void addLine(
        const QString& speaker, const QString& originalText, const QString& translatedText, const QString& language);
    void updateLastTranslation(const QString& translatedText);

    // Saves what an earlier run left unsaved (a crash, a kill), off this
    // thread; the list updates when it is done.
    QCoro::Task<> adoptLeftovers();

signals:
    void isRecordingChanged();
    void recordingsChanged();
    void pendingSavesChanged();

private:
    void finishSave(const QString& journalPath, const std::optional<RecordingEntry>& entry);
    void saveLeftovers(const QList<RecordingJournal::Leftover>& leftovers);
    void refreshList();

    std::unique_ptr<AudioRecordingService> m_recorder;
    std::unique_ptr<RecordingStore> m_store;
    RecordingListModel m_recordings;
    std::optional<RecordingJournal> m_journal;
    // Transcript offsets count from the recorder's start.
    QDateTime m_startDate;
    QList<TimedTranscriptLine> m_transcript;
    int m_pendingSaves = 0;
};

} // namespace tolvaran
