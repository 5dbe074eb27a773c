#pragma once

#include <QByteArray>
#include <QCoroTask>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

namespace tolvaran {

// One block of microphone input: interleaved 32-bit float frames.
struct AudioInputBlock
{
    const float* samples = nullptr;
    qsizetype frameLength = 0;
    int channels = 0;
    double sampleRate = 0;
};

class PulseEngine;

// The microphone engine: a record stream on the chosen source, whose blocks
// become 16 kHz mono PCM in a bounded, locked byte buffer that the system
// audio capture drains as it mixes. When the chosen source goes away, the
// engine goes on with the default input.
//
// startEngine, stopEngine and the device choice belong to the main thread;
// blocks arrive on the sound server connection's thread; take and append may
// be called from any thread.
class MicBuffer
{
public:
    // Two seconds of outgoing PCM; beyond it the oldest bytes go.
    static constexpr qsizetype maxBufferedBytes = 64000;
    static constexpr int blockFrames = 4096;

    // server = nullopt: the user's default sound server.
    explicit MicBuffer(std::optional<QString> server = std::nullopt);
    ~MicBuffer();

    MicBuffer(const MicBuffer&) = delete;
    MicBuffer& operator=(const MicBuffer&) = delete;

    bool isEnabled() const { return m_isEnabled.load(std::memory_order_relaxed); }

    void setEnabled(bool enabled) { m_isEnabled.store(enabled, std::memory_order_relaxed); }

    // A source name; nullopt means the server's default input. Used from the
    // next startEngine.
    std::optional<QString> selectedDeviceUID() const { return m_selectedDeviceUID; }

    void setSelectedDeviceUID(std::optional<QString> uid) { m_selectedDeviceUID = std::move(uid); }

    double targetSampleRate() const { return m_targetSampleRate; }

    // True once a stream runs; false when none could be opened. Does not
    // wait on the main thread.
    QCoro::Task<bool> startEngine();
    // Never waits for the sound server.
    void stopEngine();

    bool isEngineRunning() const;

    // The source the engine records from, empty while stopped. Any thread.
    QString engineSourceName() const;

    // Up to bytes bytes from the front of the buffer, removed from it.
    QByteArray take(qsizetype bytes);
    // Appends converted PCM, dropping the oldest bytes beyond the bound.
    void append(const QByteArray& data);
    qsizetype bufferedBytes() const;

    static std::optional<QByteArray> convertAVBufferToPCM16(const AudioInputBlock& buffer, double targetSampleRate);

private:
    struct Engine;

    void handleBlock(const AudioInputBlock& block);

    const std::optional<QString> m_server;
    mutable std::mutex m_lock;
    QByteArray m_buffer;
    bool m_hasLoggedOverflow = false;
    std::shared_ptr<PulseEngine> m_pulse;
    std::shared_ptr<Engine> m_engine;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
    const double m_targetSampleRate = 16000;
    qint64 m_tapCallCount = 0;
    std::atomic<bool> m_isEnabled{false};
    std::optional<QString> m_selectedDeviceUID;
};

} // namespace tolvaran
