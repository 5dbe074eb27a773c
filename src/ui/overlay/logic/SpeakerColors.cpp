#include "SpeakerColors.h"

#include <array>
#include <cstdint>
#include <limits>

namespace tolvaran {

int speakerColorIndex(const QString& speaker)
{
    if (speaker.isEmpty())
        return 5;
    // Unsigned arithmetic wraps exactly as the signed 64-bit sum is meant to.
    std::uint64_t hash = 5381;
    for (const char byte : speaker.toUtf8())
        hash = hash * 33 + std::uint8_t(byte);
    const auto value = std::int64_t(hash);
    // -2^63 has no magnitude; the magnitude of its remainder serves.
    if (value == std::numeric_limits<std::int64_t>::min())
        return 2;
    return int((value < 0 ? -value : value) % 6);
}

QColor speakerColor(const QString& speaker)
{
    static const std::array<QColor, 6> colors{QColor::fromRgbF(0.3f, 0.6f, 0.95f), QColor::fromRgbF(0.95f, 0.3f, 0.55f),
        QColor::fromRgbF(0.3f, 0.75f, 0.5f), QColor::fromRgbF(0.95f, 0.6f, 0.25f), QColor::fromRgbF(0.65f, 0.4f, 0.9f),
        QColor::fromRgbF(0.25f, 0.75f, 0.8f)};
    return colors[speakerColorIndex(speaker)];
}

} // namespace tolvaran
