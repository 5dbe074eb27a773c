#pragma once

#include "audio/AudioCapture.h"
#include "model/TranslationModels.h"
#include "recordings/RecordingEntry.h"
#include "translation/ServerMessages.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

namespace tolvaran {

class AppSettings;
class AudioPipeline;
class AudioRecordingService;
class CallMonitorService;
class RecordingStore;
class WebSocketService;

// The live state every window observes: it starts and stops listening, turns
// server results into lines and interim words, runs rooms and records.
// It lives on the main thread; every property notifies only on a change.
class TranslationViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(tolvaran::ConnectionState state READ state NOTIFY stateChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY stateChanged)
    Q_PROPERTY(bool isListening READ isListening NOTIFY stateChanged)
    Q_PROPERTY(QList<tolvaran::TranslationLine> translationLines READ translationLines NOTIFY translationLinesChanged)
    Q_PROPERTY(QString currentOriginal READ currentOriginal NOTIFY currentOriginalChanged)
    Q_PROPERTY(QString currentTranslation READ currentTranslation NOTIFY currentTranslationChanged)
    Q_PROPERTY(
        QList<tolvaran::InterimWord> currentOriginalWords READ currentOriginalWords NOTIFY currentOriginalWordsChanged)
    Q_PROPERTY(QList<tolvaran::InterimWord> currentTranslationWords READ currentTranslationWords NOTIFY
            currentTranslationWordsChanged)
    Q_PROPERTY(QString currentInterimSpeaker READ currentInterimSpeaker NOTIFY currentInterimSpeakerChanged)
    Q_PROPERTY(bool isOverlayVisible READ isOverlayVisible WRITE setIsOverlayVisible NOTIFY isOverlayVisibleChanged)
    Q_PROPERTY(bool isSubtitlePreviewVisible READ isSubtitlePreviewVisible WRITE setIsSubtitlePreviewVisible NOTIFY
            isSubtitlePreviewVisibleChanged)
    Q_PROPERTY(bool isTranslationPreviewVisible READ isTranslationPreviewVisible WRITE setIsTranslationPreviewVisible
            NOTIFY isTranslationPreviewVisibleChanged)
    Q_PROPERTY(bool showSettingsRequested READ showSettingsRequested WRITE setShowSettingsRequested NOTIFY
            showSettingsRequestedChanged)
    Q_PROPERTY(bool resetOverlayPositionRequested READ resetOverlayPositionRequested WRITE
            setResetOverlayPositionRequested NOTIFY resetOverlayPositionRequestedChanged)
    Q_PROPERTY(bool hasPermission READ hasPermission WRITE setHasPermission NOTIFY hasPermissionChanged)
    Q_PROPERTY(bool isMicEnabled READ isMicEnabled WRITE setIsMicEnabled NOTIFY isMicEnabledChanged)
    Q_PROPERTY(bool hasMicPermission READ hasMicPermission NOTIFY hasMicPermissionChanged)
    Q_PROPERTY(bool isRecording READ isRecording NOTIFY isRecordingChanged)
    Q_PROPERTY(bool isRoomMode READ isRoomMode WRITE setIsRoomMode NOTIFY isRoomModeChanged)
    Q_PROPERTY(qint64 roomSubscriberCount READ roomSubscriberCount NOTIFY roomSubscriberCountChanged)
    Q_PROPERTY(QString roomShareURL READ roomShareURLText NOTIFY roomShareURLChanged)

public:
    // capture: nullptr means the capture on the sound server.
    explicit TranslationViewModel(
        AppSettings& settings, std::unique_ptr<AudioCapture> capture = nullptr, QObject* parent = nullptr);
    ~TranslationViewModel() override;

    AppSettings& settings() const { return m_settings; }

    AudioCapture& audioService() const { return *m_audioService; }

    WebSocketService& webSocketService() const { return *m_webSocketService; }

    CallMonitorService& callMonitor() const { return *m_callMonitor; }

    RecordingStore& recordingStore() const { return *m_recordingStore; }

    // Listening.
    QCoro::Task<> startListening();
    QCoro::Task<> stopListening();
    QCoro::Task<> startRoom();
    // Both finish once the sound server answered; callers need not wait.
    QCoro::Task<> checkPermission();
    QCoro::Task<> checkMicPermission();
    Q_INVOKABLE void openSettings();
    Q_INVOKABLE void resetOverlayPosition();

    // Results.
    void handleTranslationResult(const TranslationResult& result);
    void finalizeCurrentLine();

    // Recording.
    Q_INVOKABLE void startRecording();
    Q_INVOKABLE void stopRecording();
    void deleteRecording(const RecordingEntry& entry);
    void openRecording(const RecordingEntry& entry);
    Q_INVOKABLE void closePlayback();
    QUrl audioURL(const RecordingEntry& entry) const;

    // Stopped recordings whose file is not yet moved into place and saved.
    int pendingRecordingSaves() const { return m_pendingRecordingSaves; }

    const ConnectionState& state() const { return m_state; }

    QString statusText() const { return m_state.statusText(); }

    bool isListening() const { return m_state.kind() == ConnectionState::Kind::listening; }

    const QList<TranslationLine>& translationLines() const { return m_translationLines; }

    const QString& currentOriginal() const { return m_currentOriginal; }

    const QString& currentTranslation() const { return m_currentTranslation; }

    const QList<InterimWord>& currentOriginalWords() const { return m_currentOriginalWords; }

    const QList<InterimWord>& currentTranslationWords() const { return m_currentTranslationWords; }

    const QString& currentInterimSpeaker() const { return m_currentInterimSpeaker; }

    bool isOverlayVisible() const { return m_isOverlayVisible; }

    void setIsOverlayVisible(bool visible);

    bool isSubtitlePreviewVisible() const { return m_isSubtitlePreviewVisible; }

    void setIsSubtitlePreviewVisible(bool visible);

    bool isTranslationPreviewVisible() const { return m_isTranslationPreviewVisible; }

    void setIsTranslationPreviewVisible(bool visible);

    bool showSettingsRequested() const { return m_showSettingsRequested; }

    void setShowSettingsRequested(bool requested);

    bool resetOverlayPositionRequested() const { return m_resetOverlayPositionRequested; }

    void setResetOverlayPositionRequested(bool requested);

    bool hasPermission() const { return m_hasPermission; }

    void setHasPermission(bool permitted);

    bool isMicEnabled() const { return m_isMicEnabled; }

    // Every assignment reaches the capture, also an unchanged one.
    void setIsMicEnabled(bool enabled);

    bool hasMicPermission() const { return m_hasMicPermission; }

    const std::optional<QString>& selectedMicDeviceUID() const { return m_selectedMicDeviceUID; }

    void setSelectedMicDeviceUID(const std::optional<QString>& uid);
    QList<MicDevice> availableMicDevices() const;
    bool isCallDetected() const;

    bool isRecording() const { return m_isRecording; }

    const QList<RecordingEntry>& recordings() const { return m_recordings; }

    const std::optional<RecordingEntry>& playbackRecording() const { return m_playbackRecording; }

    void setPlaybackRecording(const std::optional<RecordingEntry>& recording);

    // Rooms.
    const std::optional<QString>& roomId() const { return m_roomId; }

    bool isRoomMode() const { return m_isRoomMode; }

    void setIsRoomMode(bool roomMode);

    qint64 roomSubscriberCount() const { return m_roomSubscriberCount; }

    const QList<LanguageSubscriberCount>& roomActiveLanguages() const { return m_roomActiveLanguages; }

    // The link others open to follow the room, while a room is open.
    std::optional<QString> roomShareURL() const;

    QString roomShareURLText() const { return roomShareURL().value_or(QString()); }

signals:
    void stateChanged();
    void translationLinesChanged();
    void currentOriginalChanged();
    void currentTranslationChanged();
    void currentOriginalWordsChanged();
    void currentTranslationWordsChanged();
    void currentInterimSpeakerChanged();
    void isOverlayVisibleChanged();
    void isSubtitlePreviewVisibleChanged();
    void isTranslationPreviewVisibleChanged();
    void showSettingsRequestedChanged();
    void resetOverlayPositionRequestedChanged();
    void hasPermissionChanged();
    void isMicEnabledChanged();
    void hasMicPermissionChanged();
    // The microphone list arrives after checkMicPermission returned.
    void availableMicDevicesChanged();
    void selectedMicDeviceUIDChanged();
    void isRecordingChanged();
    void recordingsChanged();
    void playbackRecordingChanged();
    void roomIdChanged();
    void isRoomModeChanged();
    void roomSubscriberCountChanged();
    void roomActiveLanguagesChanged();
    void roomShareURLChanged();
    void pendingRecordingSavesChanged();

private:
    void setupCallbacks();
    void onCallStateChanged(bool isActive);
    void setState(const ConnectionState& state);
    void clearInterim();
    void appendFinalLine(const TranslationLine& line);

    bool isTranslationOnlyMessage(const TranslationResult& result) const;
    bool isFinalized(const TranslationResult& result) const;
    void applyTranslationUpdate(const TranslationResult& result);
    void finalizeUtterance(const TranslationResult& result);
    void updateInterim(const TranslationResult& result);
    QString detectSpeaker(const TranslationResult& result);
    QString detectLanguage(const TranslationResult& result) const;

    void finishRecordingSave(const std::optional<RecordingEntry>& entry);
    void setRecordings(const QList<RecordingEntry>& recordings);
    void setRoomId(const std::optional<QString>& roomId);
    void setRoomSubscriberCount(qint64 count);
    void setRoomActiveLanguages(const QList<LanguageSubscriberCount>& languages);

    AppSettings& m_settings;
    std::unique_ptr<AudioCapture> m_audioService;
    std::unique_ptr<WebSocketService> m_webSocketService;
    std::unique_ptr<CallMonitorService> m_callMonitor;
    ConnectionState m_state = ConnectionState::disconnected();
    QList<TranslationLine> m_translationLines;
    QString m_currentOriginal;
    QString m_currentTranslation;
    QList<InterimWord> m_currentOriginalWords;
    QList<InterimWord> m_currentTranslationWords;
    QString m_currentInterimSpeaker;
    QString m_lastSpeaker = QStringLiteral("1");
    bool m_isOverlayVisible = true;
    bool m_isSubtitlePreviewVisible = false;
    bool m_isTranslationPreviewVisible = false;
    bool m_showSettingsRequested = false;
    bool m_resetOverlayPositionRequested = false;
    bool m_hasPermission = false;
    bool m_isMicEnabled = false;
    bool m_hasMicPermission = false;
    std::optional<QString> m_selectedMicDeviceUID;
    bool m_isRecording = false;
    QList<RecordingEntry> m_recordings;
    std::optional<RecordingEntry> m_playbackRecording;
    std::unique_ptr<AudioRecordingService> m_recordingService;
    std::unique_ptr<RecordingStore> m_recordingStore;
    QList<TimedTranscriptLine> m_recordingTranscript;
    std::optional<QDateTime> m_recordingStartDate;
    std::optional<QString> m_roomId;
    bool m_isRoomMode = false;
    qint64 m_roomSubscriberCount = 0;
    QList<LanguageSubscriberCount> m_roomActiveLanguages;
    bool m_wasAutoStarted = false;
    // Each start and stop begins a new run; a start still waiting for its
    // connection gives up when the run it began is no longer the current one.
    quint64 m_listeningRun = 0;
    // Chunks from capture to the sender and the recorder.
    std::unique_ptr<AudioPipeline> m_audioPipeline;
    int m_pendingRecordingSaves = 0;
};

} // namespace tolvaran
