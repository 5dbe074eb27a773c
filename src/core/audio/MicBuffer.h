#pragma once

#include <QByteArray>
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

// The microphone engine: a record stream on the chosen source, whose blocks
// become 16 kHz mono PCM in a bounded, locked byte buffer that the system
// audio capture drains as it mixes.
//
// startEngine, stopEngine and the device choice belong to the main thread;
// blocks arrive on the engine's own sound-server thread; take and append may
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

    void startEngine();
    void stopEngine();

    bool isEngineRunning() const { return m_engine != nullptr; }

    // The source the engine records from, empty while stopped.
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
    std::unique_ptr<Engine> m_engine;
    const double m_targetSampleRate = 16000;
    qint64 m_tapCallCount = 0;
    std::atomic<bool> m_isEnabled{false};
    std::optional<QString> m_selectedDeviceUID;
};

} // namespace tolvaran
