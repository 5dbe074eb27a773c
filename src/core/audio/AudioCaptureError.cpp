#include "AudioCaptureError.h"

#include <QCoreApplication>

namespace tolvaran {

QString AudioCaptureError::errorDescription() const
{
    switch (m_kind) {
    case Kind::captureFailure:
        return QCoreApplication::translate("AudioCaptureError", "Audio capture failed: %1").arg(m_message);
    case Kind::noDefaultOutput:
        return QCoreApplication::translate("AudioCaptureError", "No sound output found for audio capture");
    }
    return {};
}

} // namespace tolvaran
