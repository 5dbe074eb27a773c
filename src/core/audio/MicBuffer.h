#pragma once

#include <QByteArray>

#include <mutex>

namespace tolvaran {

// The microphone's converted PCM on its way into the system-audio mix: the
// microphone engine appends on the sound server's thread, the capture takes
// from the front as it mixes. Bounded, and locked: any thread.
class MicBuffer
{
public:
    // Two seconds of outgoing PCM; beyond it the oldest bytes go.
    static constexpr qsizetype maxBufferedBytes = 64000;

    // Up to bytes bytes from the front of the buffer, removed from it.
    QByteArray take(qsizetype bytes);
    // Appends converted PCM, dropping the oldest bytes beyond the bound.
    void append(const QByteArray& data);
    void clear();
    qsizetype bufferedBytes() const;

private:
    mutable std::mutex m_lock;
    QByteArray m_buffer;
    bool m_hasLoggedOverflow = false;
};

} // namespace tolvaran
