#pragma once

#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QUrl>

#include <atomic>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace tolvaran {

// Writes the PCM of a listening run (16-bit little-endian, mono, 16 kHz) into
// an AAC file in an M4A container in the temporary folder. Start and stop come
// from the main thread, data from the capture thread: one lock covers the
// whole state. The file is written in fragments, so a file cut short by a
// crash stays playable up to its last fragment.
class AudioRecordingService
{
public:
    // The file location (none when nothing was recorded) and the recorded
    // length in seconds.
    using Completion = std::function<void(std::optional<QUrl> file, double duration)>;

    static constexpr int inputSampleRate = 16000;
    static constexpr int outputSampleRate = 44100;
    static constexpr int outputBitRate = 64000;

    // Writes into QDir::tempPath().
    AudioRecordingService();
    explicit AudioRecordingService(const QString& outputDirectory);
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
    // Any thread. A chunk that cannot be written is dropped; an odd last byte
    // is ignored.
    void appendPCMData(QByteArrayView data);
    // Calls completion exactly once: at once on this thread when nothing is
    // recording, otherwise on a thread of its own once the file is finished.
    // Recording may start again at once.
    void stopRecording(Completion completion);

    bool isRecording() const;
    std::optional<QDateTime> recordingStartDate() const;
    // Frames written so far in the running recording.
    qint64 sampleOffset() const;

private:
    struct Encoder;

    struct Finisher
    {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };

    void finishInBackground(std::unique_ptr<Encoder> encoder, QString path, double duration, Completion completion);

    const QString m_outputDirectory;

    mutable std::mutex m_lock;
    std::unique_ptr<Encoder> m_encoder;
    std::optional<QString> m_outputPath;
    qint64 m_sampleOffset = 0;
    bool m_isRecording = false;
    std::optional<QDateTime> m_recordingStartDate;

    std::mutex m_finishersLock;
    std::list<Finisher> m_finishers;
};

} // namespace tolvaran
