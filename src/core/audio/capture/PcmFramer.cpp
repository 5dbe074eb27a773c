#include "PcmFramer.h"

#include "audio/AudioCapture.h"
#include "audio/MicEngine.h"
#include "protocol/StreamHeader.h"

#include <QLoggingCategory>
#include <QtEndian>

#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcAudioCapture)

namespace tolvaran {

static_assert(AudioBlock::sampleRate == StreamHeader::sampleRate && AudioBlock::channels == StreamHeader::channels,
    "the capture delivers what the header announces");

PcmFramer::PcmFramer(AudioCapture& output, MicEngine& microphone)
    : m_output(output)
    , m_microphone(microphone)
{ }

void PcmFramer::frame(const AudioBlock& buffer)
{
    const auto system = toPCM16(buffer);
    if (!system) {
        qCDebug(lcAudioCapture, "Failed to convert sample buffer to PCM");
        return;
    }
    const QByteArray chunk = m_microphone.isEnabled() ? mixMicIntoSystemAudio(*system) : *system;
    if (m_output.onPCMDataForRecording)
        m_output.onPCMDataForRecording(chunk);
    QByteArray out;
    if (!m_hasSentHeader) {
        qCInfo(lcAudioCapture, "First audio chunk: %ld bytes", long(chunk.size()));
        out = StreamHeader::write() + chunk;
        m_hasSentHeader = true;
    } else {
        out = chunk;
    }
    if (m_output.onAudioData)
        m_output.onAudioData(out);
}

QByteArray PcmFramer::mixMicIntoSystemAudio(const QByteArray& system)
{
    const QByteArray mic = m_microphone.buffer().take(system.size());
    if (mic.isEmpty())
        return system;
    const qsizetype n = system.size() / 2;
    const qsizetype m = mic.size() / 2;
    QByteArray out(n * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < n; ++i) {
        const int systemSample = qFromLittleEndian<qint16>(system.constData() + 2 * i);
        const int micSample = i < m ? qFromLittleEndian<qint16>(mic.constData() + 2 * i) : 0;
        qToLittleEndian<qint16>(qint16(std::clamp(systemSample + micSample, -32768, 32767)), out.data() + 2 * i);
    }
    return out;
}

} // namespace tolvaran
