#pragma once

#include "audio/AudioCapture.h"
#include "protocol/StreamHeader.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

#include <thread>

namespace tolvaran::test {

// A scripted stand-in for the capture on the sound server: it records what
// it was asked to do, fails when told to, and delivers chunks from a thread
// of its own as the real capture does.
class FakeAudioCapture : public AudioCapture
{
public:
    // What the view model asked, in order ("startCapture", "startMicEngine", ...).
    QStringList calls;
    std::optional<AudioCaptureError> startFailure;
    bool permission = true;
    bool micPermission = true;
    QList<MicDevice> devices;
    bool capturing = false;
    bool micEnabled = false;
    std::optional<QString> selectedMicDeviceUID;
    QString captureScope = QStringLiteral("system");
    QSet<QString> callApplications;
    QList<PlayingApplication> applications;
    int applicationWatchers = 0;

    // Answers at once, as a sound server that is already connected does.
    QCoro::Task<std::optional<AudioCaptureError>> startCapture() override
    {
        calls.append(QStringLiteral("startCapture"));
        if (startFailure)
            co_return startFailure;
        capturing = true;
        m_hasSentHeader = false;
        co_return std::nullopt;
    }

    void stopCapture() override
    {
        calls.append(QStringLiteral("stopCapture"));
        capturing = false;
    }

    QCoro::Task<bool> checkPermission() override { co_return permission; }

    bool isMicEnabled() const override { return micEnabled; }

    void setMicEnabled(bool enabled) override { micEnabled = enabled; }

    void setSelectedMicDeviceUID(std::optional<QString> uid) override
    {
        calls.append(QStringLiteral("setSelectedMicDeviceUID:") + uid.value_or(QStringLiteral("none")));
        selectedMicDeviceUID = std::move(uid);
    }

    void setCaptureScope(const QString& scope) override { captureScope = scope; }

    void setCallApplications(const QSet<QString>& executableNames) override { callApplications = executableNames; }

    void startMicEngine() override { calls.append(QStringLiteral("startMicEngine")); }

    void stopMicEngine() override { calls.append(QStringLiteral("stopMicEngine")); }

    QCoro::Task<bool> checkMicPermission() override { co_return micPermission; }

    QCoro::Task<> refreshMicDevices() override
    {
        calls.append(QStringLiteral("refreshMicDevices"));
        co_return;
    }

    QList<MicDevice> availableMicDevices() const override { return devices; }

    void watchPlayingApplications() override { ++applicationWatchers; }

    void unwatchPlayingApplications() override { --applicationWatchers; }

    QList<PlayingApplication> playingApplications() const override { return applications; }

    // Programs start or stop playing.
    void setPlayingApplications(const QList<PlayingApplication>& playing)
    {
        applications = playing;
        emit playingApplicationsChanged();
    }

    // Delivers PCM chunks from another thread, the first one behind the
    // stream header, as the capture does while running.
    void deliver(const QList<QByteArray>& chunks)
    {
        std::thread captureThread([this, chunks] {
            for (const QByteArray& chunk : chunks) {
                if (onPCMDataForRecording)
                    onPCMDataForRecording(chunk);
                if (onAudioData)
                    onAudioData(m_hasSentHeader ? chunk : StreamHeader::write() + chunk);
                m_hasSentHeader = true;
            }
        });
        captureThread.join();
    }

    // From another thread, as the capture tells it.
    void reportApplicationPlaying(const QString& playingName)
    {
        std::thread captureThread([this, playingName] {
            if (onApplicationPlaying)
                onApplicationPlaying(playingName);
        });
        captureThread.join();
    }

    void reportSoundServerAway(bool isAway)
    {
        std::thread captureThread([this, isAway] {
            if (onSoundServerAway)
                onSoundServerAway(isAway);
        });
        captureThread.join();
    }

    void failWhileRunning(const QString& message)
    {
        capturing = false;
        std::thread captureThread([this, message] {
            if (onError)
                onError(message);
        });
        captureThread.join();
    }

private:
    bool m_hasSentHeader = false;
};

} // namespace tolvaran::test
