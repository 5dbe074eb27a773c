#pragma once

#include "AudioCaptureError.h"
#include "MicDevice.h"
#include "PlayingApplication.h"

#include <QByteArray>
#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

namespace tolvaran {

// What the live view model needs of the capture of system audio and the
// microphone. AudioCaptureService is the one on the sound server; tests put a
// scripted one in its place. Operations belong to the main thread and never
// wait there for the sound server: what needs its answer is a task. The
// callbacks come on the capture thread, the signals on the main thread.
class AudioCapture : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    ~AudioCapture() override = default;

    // Each chunk for the server, the first one after a start behind the WAV header.
    std::function<void(const QByteArray&)> onAudioData;
    // Each chunk without header, for the recorder.
    std::function<void(const QByteArray&)> onPCMDataForRecording;
    // A capture lost while running; capture has then stopped.
    std::function<void(const QString&)> onError;
    // True when the sound server has been away for a while (capture goes on
    // with silence and keeps trying), false once capture runs again.
    std::function<void(bool isAway)> onSoundServerAway;
    // While one application is captured: the name it gives itself (else its
    // executable's), as the settings list it, while any stream of it is
    // being recorded; empty while waiting for it, sending silence.
    std::function<void(const QString& playingName)> onApplicationPlaying;

    // What is captured: "system" (everything the default output plays but
    // this program's own playback), "callApp" (the streams of the
    // application that holds the call) or "app:<executable name>" (that application's streams alone,
    // never anything else). A running capture changes over at once, without
    // a break in the stream.
    virtual void setCaptureScope(const QString& scope) = 0;
    // The executable names of the application that holds the call, which
    // "callApp" captures; empty while there is no call, when "callApp"
    // captures nothing. A running capture follows at once.
    virtual void setCallApplications(const QSet<QString>& executableNames) = 0;

    // Nothing on success; at once when already capturing. A stopCapture
    // before it finishes ends it with a failure.
    virtual QCoro::Task<std::optional<AudioCaptureError>> startCapture() = 0;
    virtual void stopCapture() = 0;
    virtual QCoro::Task<bool> checkPermission() = 0;

    virtual bool isMicEnabled() const = 0;
    virtual void setMicEnabled(bool enabled) = 0;
    virtual void setSelectedMicDeviceUID(std::optional<QString> uid) = 0;
    // Starts the microphone in the background; returns at once.
    virtual void startMicEngine() = 0;
    virtual void stopMicEngine() = 0;
    virtual QCoro::Task<bool> checkMicPermission() = 0;
    virtual QCoro::Task<> refreshMicDevices() = 0;
    virtual QList<MicDevice> availableMicDevices() const = 0;

    // The programs playing sound now (other than this one and its local
    // server), one entry per program, followed while anyone watches: each
    // watch needs its unwatch.
    virtual void watchPlayingApplications() = 0;
    virtual void unwatchPlayingApplications() = 0;
    virtual QList<PlayingApplication> playingApplications() const = 0;

signals:
    // availableMicDevices changed: a microphone came, went or was renamed.
    void micDevicesChanged();
    void playingApplicationsChanged();
};

} // namespace tolvaran
