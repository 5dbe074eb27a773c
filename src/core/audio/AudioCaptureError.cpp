#include "AudioCaptureError.h"

namespace tolvaran {

QString AudioCaptureError::errorDescription() const
{
    switch (m_kind) {
    case Kind::captureFailure:
        return QStringLiteral("Audio capture failed: ") + m_message;
    case Kind::noDefaultOutput:
        return QStringLiteral("No sound output found for audio capture");
    }
    return {};
}

} // namespace tolvaran
