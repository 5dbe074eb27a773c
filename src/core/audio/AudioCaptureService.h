#pragma once

#include "AudioCapture.h"
#include "AudioCaptureError.h"
#include "MicDevice.h"
#include "MicEngine.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace tolvaran {

// One captured buffer: interleaved 32-bit float frames.
struct CapturedAudioBuffer
{
    const float* samples = nullptr;
    qsizetype sampleCount = 0;
    int channels = 0;
    double sampleRate = 0;
};

class PulseEngine;

// Captures what the computer plays (the default sink's monitor, following the
// default sink when the user switches outputs; while this program plays a
// recording, every other stream on that sink instead) and turns every 20 ms
// buffer into one chunk of 16 kHz mono 16-bit PCM, optionally with the
// microphone mixed in. The first chunk after each start carries a WAV header for an
// endless stream. The stream keeps real time with silence while there is
// nothing to capture, also while the sound server restarts: capture and
// microphone open again where they were once it is back.
//
// Everything is called on the main thread, except the callbacks and
// handleCapturedBuffer, which run on the capture thread (the sound server
// connection's own thread) with its lock held: callbacks must not call back
// into the service, but hand their work over.
class AudioCaptureService final : public AudioCapture
{
public:
    static constexpr double targetSampleRate = 16000;
    static constexpr quint32 targetChannels = 1;
    // The server hands over the stream already in the outgoing rate and
    // channel count: its resampler keeps state from one buffer to the next,
    // and this process then moves a sixth of the bytes.
    static constexpr double captureSampleRate = targetSampleRate;
    static constexpr int captureChannels = int(targetChannels);
    static constexpr int captureBufferFrames = int(captureSampleRate) / 50;
    static constexpr quint32 streamDataSize = 0x7FFFFFFF;
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

    // The executable names a scope captures alone; empty for all system audio.
    static QSet<QString> applicationsOf(const QString& scope);

    // From the next start; for tests that cannot wait ten seconds.
    void setAwayNoticeDelay(std::chrono::milliseconds delay) { m_awayNoticeDelay = delay; }

    void startMicEngine() override;
    void stopMicEngine() override;
    QCoro::Task<bool> checkMicPermission() override;
    // From the first refresh on, the list also follows the sound server by
    // itself: microphones plugged in or out while the program runs are
    // announced with micDevicesChanged.
    QCoro::Task<> refreshMicDevices() override;

    QList<MicDevice> availableMicDevices() const override { return m_availableMicDevices; }

    // While watched, the list follows the sound server: streams that start
    // or end are announced with playingApplicationsChanged, and after a
    // restart of the server the list is read again.
    void watchPlayingApplications() override;
    void unwatchPlayingApplications() override;

    QList<PlayingApplication> playingApplications() const override { return m_playingApplications; }

    MicEngine& micEngine() { return m_micEngine; }

    // The monitor source being captured, empty while none is. Any thread.
    QString capturedSourceName() const;

    // The per-buffer pipeline; runs on the capture thread.
    void handleCapturedBuffer(const CapturedAudioBuffer& buffer);
    static std::optional<QByteArray> convertToPCM16(const CapturedAudioBuffer& buffer);
    QByteArray mixMicIntoSystemAudio(const QByteArray& system);
    static QByteArray createWAVHeader(quint32 dataSize);

    // How long the list waits for the rest of a burst of source changes (a
    // device plug announces several) before it is read again once.
    static constexpr std::chrono::milliseconds micChangesSettleDelay{100};

private:
    struct Session;
    struct DeviceWatch;

    // Where a running stream stands, for the session that takes it over.
    struct StreamClock
    {
        quint64 deliveredFrames = 0;
    };

    // A session for the current scope, on the clock given or a new one;
    // nothing once it runs, or why not.
    // isServerAway: the panel says the sound server is away, until the new
    // session reaches it.
    QCoro::Task<std::optional<AudioCaptureError>> openSession(
        std::optional<StreamClock> clock, bool isServerAway = false);
    // The running capture goes over to the current scope.
    QCoro::Task<> changeScope();
    void watchMicDevices();
    // Event thread: a source came, went or changed.
    void micSourcesChanged();
    // Event thread: a playback stream started or ended, or the server went or came.
    void sinkInputsChanged();
    QCoro::Task<> refreshPlayingApplications();

    const std::optional<QString> m_server;
    std::atomic<bool> m_isCapturing{false};
    std::atomic<bool> m_hasSentHeader{false};
    // Counts starts and stops, so a start that a stop overtook gives up.
    quint64 m_generation = 0;
    // Counts changes of scope, so an older change-over still opening gives up.
    quint64 m_scopeChanges = 0;
    std::shared_ptr<PulseEngine> m_pulse;
    std::shared_ptr<Session> m_session;
    std::optional<StreamClock> m_changeoverClock;
    MicEngine m_micEngine;
    std::chrono::milliseconds m_awayNoticeDelay = awayNoticeDelay;
    QString m_captureScope = QStringLiteral("system");
    QList<MicDevice> m_availableMicDevices;
    std::unique_ptr<DeviceWatch> m_deviceWatch;
    QTimer m_micRefreshTimer;
    int m_applicationWatchers = 0;
    std::unique_ptr<DeviceWatch> m_applicationWatch;
    QTimer m_applicationRefreshTimer;
    // Only the answer to the latest question counts.
    quint64 m_applicationQueries = 0;
    QList<PlayingApplication> m_playingApplications;
    // Tells a suspended task whether this service still exists.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace tolvaran
