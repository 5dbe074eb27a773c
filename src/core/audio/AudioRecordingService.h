#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace tolvaran {

// Writes the PCM of a listening run (16-bit little-endian, mono, 16 kHz) into
// an AAC file in an M4A container. Start and stop come from the main thread,
// data from the capture thread; encoding and writing run on a worker thread
// of their own, fed through a bounded queue, so a slow disk never holds up
// the capture. When the queue is full the recording loses audio (and says so
// once); the caller never waits. The file is written in fragments, so a file
// cut short by a crash stays playable up to its last fragment.
class AudioRecordingService
{
public:
    // The file location (none when nothing was recorded) and the recorded
    // length in seconds.
    using Completion = std::function<void(std::optional<QUrl> file, double duration)>;

    // How a recording ended. A file whose writing failed part way (a full
    // disk) is kept when it holds audio: it ends at its last whole fragment
    // and plays up to there.
    struct Outcome
    {
        std::optional<QUrl> file;
        double duration = 0;
        bool isComplete = false;
        QString failure;
    };

    using OutcomeCompletion = std::function<void(const Outcome& outcome)>;

    static constexpr int inputSampleRate = 16000;
    static constexpr int outputSampleRate = 44100;
    static constexpr int outputBitRate = 64000;
    // What the queue holds before the recording drops audio.
    static constexpr qint64 defaultQueueFrames = 10 * inputSampleRate;

    // Writes into QDir::tempPath().
    AudioRecordingService();
    explicit AudioRecordingService(const QString& outputDirectory, qint64 queueFrames = defaultQueueFrames);
    // Stops a running recording and waits until every file is finished. Must
    // not run inside a completion of this recorder.
    ~AudioRecordingService();

    AudioRecordingService(const AudioRecordingService&) = delete;
    AudioRecordingService& operator=(const AudioRecordingService&) = delete;

    // False when already recording or the file cannot be set up.
    bool startRecording();
    // Records into filePath, which must already exist (created by the caller,
    // so it chooses the name and the folder).
    bool startRecording(const QString& filePath);
    // Any thread; never waits for the disk. A chunk that cannot be queued is
    // dropped; an odd last byte is ignored.
    void appendPCMData(QByteArrayView data);
    // Calls completion exactly once: at once on this thread when nothing is
    // recording, otherwise on the worker thread once the file is finished.
    // Recording may start again at once.
    void stopRecording(Completion completion);
    // The same, telling a file kept in part from a finished one.
    void finishRecording(OutcomeCompletion completion);

    // Called once per recording, on the worker thread, when its file cannot
    // be written any more (the disk is full). The recording goes on taking
    // chunks and dropping them until it is stopped. Set before recording.
    std::function<void(const QString& filePath, const QString& reason)> onWriteFailed;

    bool isRecording() const;
    std::optional<QDateTime> recordingStartDate() const;
    // Frames taken into the running recording so far (dropped ones not counted).
    qint64 sampleOffset() const;

private:
    struct Encoder;
    struct Recording;
    struct Job;

    static Outcome finishFile(Recording& recording);
    void runWorker();
    void wakeWorker(std::unique_lock<std::mutex>& guard);

    const QString m_outputDirectory;
    const qint64 m_queueFrames;

    mutable std::mutex m_lock;
    std::condition_variable m_workAvailable;
    std::shared_ptr<Recording> m_recording;
    qint64 m_sampleOffset = 0;
    bool m_isRecording = false;
    std::optional<QDateTime> m_recordingStartDate;
    std::deque<Job> m_queue;
    qint64 m_queuedFrames = 0;
    bool m_isWorkerAwake = false;
    bool m_isStopping = false;
    std::thread m_worker;
};

} // namespace tolvaran
