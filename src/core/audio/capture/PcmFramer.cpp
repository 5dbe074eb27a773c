#include "PcmFramer.h"

#include "audio/AudioCapture.h"
#include "audio/MicEngine.h"

#include <QLoggingCategory>
#include <QtEndian>

#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcAudioCapture)

namespace tolvaran {

namespace {

void appendUInt32(QByteArray& bytes, quint32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(char((value >> shift) & 0xFF));
}

void appendUInt16(QByteArray& bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char((value >> 8) & 0xFF));
}

} // namespace

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
        out = createWAVHeader(streamDataSize) + chunk;
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

QByteArray PcmFramer::createWAVHeader(quint32 dataSize)
{
    QByteArray header;
    header.reserve(44);
    header.append("RIFF", 4);
    appendUInt32(header, dataSize + 36);
    header.append("WAVE", 4);
    header.append("fmt ", 4);
    appendUInt32(header, 16);
    appendUInt16(header, 1);
    appendUInt16(header, quint16(targetChannels));
    appendUInt32(header, targetSampleRate);
    appendUInt32(header, targetSampleRate * targetChannels * 2);
    appendUInt16(header, quint16(targetChannels * 2));
    appendUInt16(header, 16);
    header.append("data", 4);
    appendUInt32(header, dataSize);
    return header;
}

} // namespace tolvaran
