#pragma once

#include "ListModels.h"
#include "ListeningSession.h"
#include "ResultProcessor.h"
#include "RoomState.h"
#include "audio/AudioCapture.h"
#include "audio/MicDeviceModel.h"
#include "model/TranslationModels.h"
#include "protocol/ServerMessages.h"
#include "recordings/RecordingController.h"
#include "recordings/RecordingEntry.h"

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

// The live state every window observes. Its parts do the work: the listening
// session (connection, capture, state), result processing (lines and interim
// words), the room, and the recording controller; this object wires them to
// the services and to each other, and shows their state as one set of
// properties. It lives on the main thread; every property notifies only on a
// change.
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
    // Listening goes on with silence while the sound server has been away
    // for a while; it resumes by itself.
    Q_PROPERTY(bool isSoundServerAway READ isSoundServerAway NOTIFY isSoundServerAwayChanged)
    // What the translation server told about this run ("cannot translate to
    // German…"); empty for nothing. Cleared when the run ends.
    Q_PROPERTY(QString serverNotice READ serverNotice NOTIFY serverNoticeChanged)
    // What listening captures, for the panel ("Capturing: Teams", "Waiting
    // for Teams…"); empty while not listening.
    Q_PROPERTY(QString captureStatus READ captureStatus NOTIFY captureStatusChanged)
    Q_PROPERTY(bool isRecording READ isRecording NOTIFY isRecordingChanged)
    // What the panel tells about recording in plain words; empty for nothing.
    Q_PROPERTY(QString recordingNotice READ recordingNotice NOTIFY recordingNoticeChanged)
    Q_PROPERTY(bool isRoomMode READ isRoomMode WRITE setIsRoomMode NOTIFY isRoomModeChanged)
    Q_PROPERTY(qint64 roomSubscriberCount READ roomSubscriberCount NOTIFY roomSubscriberCountChanged)
    Q_PROPERTY(QString roomShareURL READ roomShareURLText NOTIFY roomShareURLChanged)
    // The lists the views show, as models with named roles.
    Q_PROPERTY(QAbstractListModel* translationLineModel READ translationLineModel CONSTANT)
    Q_PROPERTY(QAbstractListModel* recordingModel READ recordingModel CONSTANT)
    Q_PROPERTY(QAbstractListModel* roomLanguageModel READ roomLanguageModel CONSTANT)
    Q_PROPERTY(QAbstractListModel* micDeviceModel READ micDeviceModel CONSTANT)

public:
    // capture: nullptr means the capture on the sound server.
    explicit TranslationViewModel(
        AppSettings& settings, std::unique_ptr<AudioCapture> capture = nullptr, QObject* parent = nullptr);
    // Saves a running recording before it goes.
    ~TranslationViewModel() override;

    AppSettings& settings() const { return m_settings; }

    AudioCapture& audioService() const { return *m_audioService; }

    WebSocketService& webSocketService() const { return *m_webSocketService; }

    CallMonitorService& callMonitor() const { return *m_callMonitor; }

    RecordingStore& recordingStore() const { return m_recording->store(); }

    // Saves recordings an earlier run left unsaved; called once at start-up.
    QCoro::Task<> adoptLeftoverRecordings() { return m_recording->adoptLeftovers(); }

    // The server address for this run when it is not the serverURL setting
    // (the local server had to take another port); the setting is kept, and
    // a change of it ends the replacement.
    void setServerURLForThisRun(const QString& url);
    // What listening connects to: that address, or else the setting.
    QString serverURL() const;

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

    Q_INVOKABLE void dismissRecordingNotice() { m_recording->dismissNotice(); }

    QUrl audioURL(const RecordingEntry& entry) const;

    // Stopped recordings whose file is not yet moved into place and saved.
    int pendingRecordingSaves() const { return m_recording->pendingSaves(); }

    const ConnectionState& state() const { return m_session->state(); }

    QString statusText() const { return state().statusText(); }

    bool isListening() const { return m_session->isListening(); }

    const QList<TranslationLine>& translationLines() const { return m_results->translationLines(); }

    const QString& currentOriginal() const { return m_results->currentOriginal(); }

    const QString& currentTranslation() const { return m_results->currentTranslation(); }

    const QList<InterimWord>& currentOriginalWords() const { return m_results->currentOriginalWords(); }

    const QList<InterimWord>& currentTranslationWords() const { return m_results->currentTranslationWords(); }

    const QString& currentInterimSpeaker() const { return m_results->currentInterimSpeaker(); }

    QAbstractListModel* translationLineModel() const { return m_results->lineModel(); }

    QAbstractListModel* recordingModel() const { return m_recording->recordingModel(); }

    QAbstractListModel* roomLanguageModel() const { return m_room->languageModel(); }

    QAbstractListModel* micDeviceModel() const { return &m_micDevices; }

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

    bool isSoundServerAway() const { return m_isSoundServerAway; }

    const QString& serverNotice() const { return m_serverNotice; }

    QString captureStatus() const;

    const std::optional<QString>& selectedMicDeviceUID() const { return m_selectedMicDeviceUID; }

    void setSelectedMicDeviceUID(const std::optional<QString>& uid);
    QList<MicDevice> availableMicDevices() const;
    bool isCallDetected() const;

    bool isRecording() const { return m_recording->isRecording(); }

    const QString& recordingNotice() const { return m_recording->notice(); }

    const QList<RecordingEntry>& recordings() const { return m_recording->recordings(); }

    const std::optional<RecordingEntry>& playbackRecording() const { return m_playbackRecording; }

    void setPlaybackRecording(const std::optional<RecordingEntry>& recording);

    // Rooms.
    const std::optional<QString>& roomId() const { return m_room->roomId(); }

    bool isRoomMode() const { return m_room->isRoomMode(); }

    void setIsRoomMode(bool roomMode) { m_room->setIsRoomMode(roomMode); }

    qint64 roomSubscriberCount() const { return m_room->roomSubscriberCount(); }

    const QList<LanguageSubscriberCount>& roomActiveLanguages() const { return m_room->roomActiveLanguages(); }

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
    void isSoundServerAwayChanged();
    void serverNoticeChanged();
    void captureStatusChanged();
    void selectedMicDeviceUIDChanged();
    void isRecordingChanged();
    void recordingNoticeChanged();
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
    void forwardSignals();
    void onCallStateChanged(bool isActive);
    void setIsSoundServerAway(bool isAway);
    void setServerNotice(const QString& text);

    AppSettings& m_settings;
    // Declared so that they go in the reverse order: the capture (whose
    // thread feeds the recorder and posts to the session) first, the
    // recording controller (which saves a running recording) after it.
    std::unique_ptr<WebSocketService> m_webSocketService;
    std::unique_ptr<CallMonitorService> m_callMonitor;
    std::unique_ptr<RecordingController> m_recording;
    std::unique_ptr<ResultProcessor> m_results;
    std::unique_ptr<RoomState> m_room;
    std::unique_ptr<AudioCapture> m_audioService;
    // Chunks from capture to the sender and the recorder.
    std::unique_ptr<AudioPipeline> m_pipeline;
    std::unique_ptr<ListeningSession> m_session;
    mutable MicDeviceModel m_micDevices;
    bool m_isOverlayVisible = true;
    bool m_isSubtitlePreviewVisible = false;
    bool m_isTranslationPreviewVisible = false;
    bool m_showSettingsRequested = false;
    bool m_resetOverlayPositionRequested = false;
    bool m_hasPermission = false;
    bool m_isMicEnabled = false;
    bool m_hasMicPermission = false;
    bool m_isSoundServerAway = false;
    QString m_serverNotice;
    // The capture scope of the running listening, and whether its
    // application is heard.
    QString m_listeningScope;
    bool m_isCapturedAppPlaying = false;
    // The captured application's own name, once heard ("Spotify" for
    // "app:spotify"), as the settings list it.
    QString m_capturedAppName;
    std::optional<QString> m_selectedMicDeviceUID;
    std::optional<RecordingEntry> m_playbackRecording;
    std::optional<QString> m_serverURLForThisRun;
    bool m_wasAutoStarted = false;
};

} // namespace tolvaran
