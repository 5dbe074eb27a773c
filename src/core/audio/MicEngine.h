#pragma once

#include "AudioBlock.h"
#include "MicBuffer.h"

#include <QByteArray>
#include <QCoroTask>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

namespace tolvaran {

class PulseEngine;

// The microphone engine: a record stream on the chosen source, which the
// sound server delivers at 16 kHz mono (its resampler filters and keeps
// state, so the microphone neither aliases nor drifts against the system
// audio) as 16-bit PCM, into the byte buffer that the system-audio capture
// drains as it mixes. When the chosen source goes away, the engine goes on
// with the default input; when the sound server restarts, it opens its
// stream again where it was.
//
// startEngine, stopEngine and the device choice belong to the main thread;
// blocks arrive on the sound server connection's thread.
class MicEngine
{
public:
    // What the server hands over at a time: 100 ms, as the capture.
    static constexpr int blockFrames = 1600;

    // server = nullopt: the user's default sound server.
    explicit MicEngine(std::optional<QString> server = std::nullopt);
    ~MicEngine();

    MicEngine(const MicEngine&) = delete;
    MicEngine& operator=(const MicEngine&) = delete;

    bool isEnabled() const { return m_isEnabled.load(std::memory_order_relaxed); }

    void setEnabled(bool enabled) { m_isEnabled.store(enabled, std::memory_order_relaxed); }

    // A source name; nullopt means the server's default input. Used from the
    // next startEngine.
    std::optional<QString> selectedDeviceUID() const { return m_selectedDeviceUID; }

    void setSelectedDeviceUID(std::optional<QString> uid) { m_selectedDeviceUID = std::move(uid); }

    // True once a stream runs; false when none could be opened. Does not
    // wait on the main thread.
    QCoro::Task<bool> startEngine();
    // Never waits for the sound server; empties the buffer.
    void stopEngine();

    bool isEngineRunning() const;

    // The source the engine records from, empty while stopped. Any thread.
    QString engineSourceName() const;

    MicBuffer& buffer() { return m_buffer; }

    // One block as the stream delivers it, already in the outgoing format:
    // appended while enabled. Sound server thread.
    void handleBlock(const AudioBlock& block);

private:
    struct Input;

    const std::optional<QString> m_server;
    MicBuffer m_buffer;
    std::shared_ptr<PulseEngine> m_pulse;
    std::shared_ptr<Input> m_input;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
    qint64 m_tapCallCount = 0;
    std::atomic<bool> m_isEnabled{false};
    std::optional<QString> m_selectedDeviceUID;
};

} // namespace tolvaran
