#pragma once

#include "AudioCaptureError.h"
#include "MicDevice.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace tolvaran {

// What the live view model needs of the capture of system audio and the
// microphone. AudioCaptureService is the one on the sound server; tests put a
// scripted one in its place. Operations belong to the main thread; the
// callbacks come on the capture thread.
class AudioCapture
{
public:
    virtual ~AudioCapture() = default;

    // Each chunk for the server, the first one after a start behind the WAV header.
    std::function<void(const QByteArray&)> onAudioData;
    // Each chunk without header, for the recorder.
    std::function<void(const QByteArray&)> onPCMDataForRecording;
    // A capture lost while running; capture has then stopped.
    std::function<void(const QString&)> onError;

    // Nothing on success; returns at once when already capturing.
    virtual std::optional<AudioCaptureError> startCapture() = 0;
    virtual void stopCapture() = 0;
    virtual bool checkPermission() const = 0;

    virtual bool isMicEnabled() const = 0;
    virtual void setMicEnabled(bool enabled) = 0;
    virtual void setSelectedMicDeviceUID(std::optional<QString> uid) = 0;
    virtual void startMicEngine() = 0;
    virtual void stopMicEngine() = 0;
    virtual bool checkMicPermission() const = 0;
    virtual void refreshMicDevices() = 0;
    virtual QList<MicDevice> availableMicDevices() const = 0;
};

} // namespace tolvaran
