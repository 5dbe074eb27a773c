#include "AudioCaptureError.h"

namespace tolvaran {

QString AudioCaptureError::errorDescription() const
{
    switch (m_kind) {
    case Kind::captureFailure:
        return QStringLiteral("Audio capture failed: ") + m_message;
    case Kind::noDisplayFound:
        // On Linux the missing thing is a sound output, not a display.
        return QStringLiteral("No sound output found for audio capture");
    case Kind::permissionDenied:
        return QStringLiteral("Screen recording permission is required for system audio capture");
    }
    return {};
}

} // namespace tolvaran
