#pragma once

#include "audio/AudioBlock.h"

#include <QByteArray>

#include <atomic>

namespace tolvaran {

class AudioCapture;
class MicEngine;

// Turns each 20 ms buffer of system audio into the chunks the capture hands
// out: PCM, with the microphone mixed in while it is enabled, and the first
// chunk after each start behind a WAV header for an endless stream.
//
// frame runs on the capture thread; restart belongs to the main thread.
class PcmFramer
{
public:
    // Hands the chunks to output's callbacks.
    PcmFramer(AudioCapture& output, MicEngine& microphone);

    // The next chunk carries the header again.
    void restart() { m_hasSentHeader = false; }

    void frame(const AudioBlock& buffer);
    // Adds what the microphone buffered (up to the chunk's length) to the
    // chunk, saturating.
    QByteArray mixMicIntoSystemAudio(const QByteArray& system);

private:
    AudioCapture& m_output;
    MicEngine& m_microphone;
    std::atomic<bool> m_hasSentHeader{false};
};

} // namespace tolvaran
