#pragma once

#include "AudioCapture.h"
#include "AudioCaptureError.h"
#include "MicDevice.h"
#include "MicEngine.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace tolvaran {

class CaptureSession;
class MicrophoneList;
class PcmFramer;
class PlayingApplicationList;
class PulseEngine;

// Captures what the computer plays (the default sink's monitor, following the
// default sink when the user switches outputs; while this program plays a
// recording, every other stream on that sink instead; or one application's
// streams) and hands every 20 ms buffer on as one chunk of 16 kHz mono 16-bit
// PCM, optionally with the microphone mixed in. The first chunk after each
// start carries a WAV header for an endless stream. The stream keeps real
// time with silence while there is nothing to capture, also while the sound
// server restarts: capture and microphone open again where they were once it
// is back. The work is done by its parts (capture/): a session per scope
// with its monitor or application capture and its clock, the PCM framer and
// the device lists; this class starts, stops and changes them over.
//
// Everything is called on the main thread, except the callbacks, which run
// on the capture thread (the sound server connection's own thread) with its
// lock held: callbacks must not call back into the service, but hand their
// work over.
class AudioCaptureService final : public AudioCapture
{
public:
    // A sound server away for longer than this is told (onSoundServerAway).
    static constexpr std::chrono::milliseconds awayNoticeDelay = std::chrono::seconds(10);

    // server = nullopt: the user's default sound server.
    explicit AudioCaptureService(std::optional<QString> server = std::nullopt);
    ~AudioCaptureService() override;

    AudioCaptureService(const AudioCaptureService&) = delete;
    AudioCaptureService& operator=(const AudioCaptureService&) = delete;

    bool isCapturing() const { return m_isCapturing.load(); }

    QCoro::Task<std::optional<AudioCaptureError>> startCapture() override;
    // Never waits for the sound server.
    void stopCapture() override;
    // True when the sound server answers and its default sink has a monitor.
    QCoro::Task<bool> checkPermission() override;

    bool isMicEnabled() const override { return m_micEngine.isEnabled(); }

    void setMicEnabled(bool enabled) override { m_micEngine.setEnabled(enabled); }

    std::optional<QString> selectedMicDeviceUID() const { return m_micEngine.selectedDeviceUID(); }

    void setSelectedMicDeviceUID(std::optional<QString> uid) override
    {
        m_micEngine.setSelectedDeviceUID(std::move(uid));
    }

    void setCaptureScope(const QString& scope) override;

    QString captureScope() const { return m_captureScope; }

    void setCallApplications(const QSet<QString>& executableNames) override;

    // The executable names a scope captures alone; empty for all system
    // audio. "callApp" without a call names no program ({""}), so that
    // nothing is captured.
    QSet<QString> applicationsOf(const QString& scope) const;

    // From the next start; for tests that cannot wait ten seconds.
    void setAwayNoticeDelay(std::chrono::milliseconds delay) { m_awayNoticeDelay = delay; }

    void startMicEngine() override;
    void stopMicEngine() override;
    QCoro::Task<bool> checkMicPermission() override;
    // From the first refresh on, the list also follows the sound server by
    // itself: microphones plugged in or out while the program runs are
    // announced with micDevicesChanged.
    QCoro::Task<> refreshMicDevices() override;

    QList<MicDevice> availableMicDevices() const override;

    // While watched, the list follows the sound server: streams that start
    // or end are announced with playingApplicationsChanged, and after a
    // restart of the server the list is read again.
    void watchPlayingApplications() override;
    void unwatchPlayingApplications() override;

    QList<PlayingApplication> playingApplications() const override;

    MicEngine& micEngine() { return m_micEngine; }

    // The monitor source being captured, empty while none is. Any thread.
    QString capturedSourceName() const;

    // How long the lists wait for the rest of a burst of changes (a device
    // plug announces several) before they are read again once.
    static constexpr std::chrono::milliseconds micChangesSettleDelay{100};

private:
    // A session for the current scope, going on from the frames given or
    // starting afresh; nothing once it runs, or why not.
    // isServerAway: the panel says the sound server is away, until the new
    // session reaches it.
    QCoro::Task<std::optional<AudioCaptureError>> openSession(
        std::optional<quint64> continuedFrames, bool isServerAway = false);
    // The running capture goes over to the current scope.
    QCoro::Task<> changeScope();

    const std::optional<QString> m_server;
    std::atomic<bool> m_isCapturing{false};
    // Counts starts and stops, so a start that a stop overtook gives up.
    quint64 m_generation = 0;
    // Counts changes of scope, so an older change-over still opening gives up.
    quint64 m_scopeChanges = 0;
    std::shared_ptr<PulseEngine> m_pulse;
    std::shared_ptr<CaptureSession> m_session;
    // What a change-over still opening goes on from.
    std::optional<quint64> m_changeoverFrames;
    MicEngine m_micEngine;
    std::unique_ptr<PcmFramer> m_framer;
    std::chrono::milliseconds m_awayNoticeDelay = awayNoticeDelay;
    QString m_captureScope = QStringLiteral("system");
    QSet<QString> m_callApplications;
    std::unique_ptr<MicrophoneList> m_microphones;
    std::unique_ptr<PlayingApplicationList> m_applications;
    // Tells a suspended task whether this service still exists.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace tolvaran
