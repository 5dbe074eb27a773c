#include "StreamHeader.h"

#include <QtEndian>

namespace tolvaran {

namespace {

quint32 uint32At(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.data() + offset);
}

quint16 uint16At(QByteArrayView bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.data() + offset);
}

void appendUInt32(QByteArray& bytes, quint32 value)
{
    char le[4];
    qToLittleEndian(value, le);
    bytes.append(le, 4);
}

void appendUInt16(QByteArray& bytes, quint16 value)
{
    char le[2];
    qToLittleEndian(value, le);
    bytes.append(le, 2);
}

const QString notWave = QStringLiteral("The stream must start with a WAV header");

} // namespace

std::variant<StreamHeader, QString> StreamHeader::parse(QByteArrayView frame)
{
    if (frame.size() < 12 || frame.first(4) != "RIFF" || frame.sliced(8, 4) != "WAVE")
        return notWave;
    bool hasFormat = false;
    // Chunks other than "fmt " and "data" (a LIST with tags, say) are skipped.
    qsizetype offset = 12;
    while (offset + 8 <= frame.size()) {
        const QByteArrayView id = frame.sliced(offset, 4);
        const quint32 size = uint32At(frame, offset + 4);
        const qsizetype body = offset + 8;
        if (id == "data") {
            if (!hasFormat)
                return notWave;
            return StreamHeader{body};
        }
        if (id == "fmt ") {
            if (size < 16 || body + 16 > frame.size())
                return notWave;
            const quint16 format = uint16At(frame, body);
            const quint16 channels = uint16At(frame, body + 2);
            const quint32 rate = uint32At(frame, body + 4);
            const quint16 bits = uint16At(frame, body + 14);
            if (format != 1 || channels != StreamHeader::channels || rate != sampleRate || bits != 16) {
                return QStringLiteral("Audio must be 16 kHz mono 16-bit PCM (got format %1, %2 channels, %3 Hz, "
                                      "%4 bits)")
                    .arg(format)
                    .arg(channels)
                    .arg(rate)
                    .arg(bits);
            }
            hasFormat = true;
        }
        // Chunks are padded to an even size.
        const qint64 next = qint64(body) + qint64(size) + qint64(size & 1u);
        if (next > frame.size())
            break;
        offset = qsizetype(next);
    }
    return notWave;
}

QByteArray StreamHeader::write(quint32 dataSize)
{
    constexpr quint16 bytesPerSample = 2;
    QByteArray header;
    header.reserve(44);
    header.append("RIFF", 4);
    appendUInt32(header, dataSize + 36);
    header.append("WAVE", 4);
    header.append("fmt ", 4);
    appendUInt32(header, 16);
    appendUInt16(header, 1);
    appendUInt16(header, channels);
    appendUInt32(header, sampleRate);
    appendUInt32(header, sampleRate * channels * bytesPerSample);
    appendUInt16(header, channels * bytesPerSample);
    appendUInt16(header, bytesPerSample * 8);
    header.append("data", 4);
    appendUInt32(header, dataSize);
    return header;
}

} // namespace tolvaran
