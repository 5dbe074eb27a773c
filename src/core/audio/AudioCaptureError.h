#pragma once

#include <QString>

namespace tolvaran {

class AudioCaptureError
{
public:
    enum class Kind { captureFailure, noDefaultOutput };

    static AudioCaptureError captureFailure(const QString& message) { return {Kind::captureFailure, message}; }

    // The sound server has no default output whose sound could be captured.
    static AudioCaptureError noDefaultOutput() { return {Kind::noDefaultOutput, {}}; }

    Kind kind() const { return m_kind; }

    // Set only for captureFailure.
    QString message() const { return m_message; }

    QString errorDescription() const;

    bool operator==(const AudioCaptureError&) const = default;

private:
    AudioCaptureError(Kind kind, QString message)
        : m_kind(kind)
        , m_message(std::move(message))
    { }

    Kind m_kind;
    QString m_message;
};

} // namespace tolvaran
