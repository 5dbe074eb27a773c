#include "AudioBlock.h"

namespace tolvaran {

std::optional<QByteArray> toPCM16(const AudioBlock& block)
{
    if (!block.samples || block.sampleCount <= 0)
        return std::nullopt;
    // The server gives the wire's byte order already: a copy is the conversion.
    return QByteArray(reinterpret_cast<const char*>(block.samples), block.sampleCount * qsizetype(sizeof(qint16)));
}

} // namespace tolvaran
