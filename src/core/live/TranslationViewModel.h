#pragma once

#include "ListModels.h"
#include "ListeningSession.h"
#include "LiveServices.h"
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

// The live state every window observes. Its parts do the work and are shown
// as they are, each with its own properties: the listening session
// (connection, capture, state), the results (lines and interim words), the
// recordings and the room. This object wires them to the services and to each
// other, and holds what belongs to the windows and the capture as a whole. It
// lives on the main thread; every property notifies only on a change.
class TranslationViewModel : public QObject
{
    Q_OBJECT
    Q_PROPERTY(tolvaran::ListeningSession* session READ session CONSTANT)
    Q_PROPERTY(tolvaran::ResultProcessor* results READ results CONSTANT)
    Q_PROPERTY(tolvaran::RecordingController* recordings READ recordingController CONSTANT)
    Q_PROPERTY(tolvaran::RoomState* room READ room CONSTANT)
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
    // What listening captures, for the panel ("Capturing: Zoom", "Waiting
    // for a call…"); empty while not listening.
    Q_PROPERTY(QString captureStatus READ captureStatus NOTIFY captureStatusChanged)
    // The microphones, as a model with named roles.
    Q_PROPERTY(QAbstractListModel* micDeviceModel READ micDeviceModel CONSTANT)

public:
    // On the program's services, which outlive this object.
    explicit TranslationViewModel(LiveServices& services, QObject* parent = nullptr);
    // On services of its own (tests, benchmarks); capture: nullptr means the
    // capture on the sound server.
    explicit TranslationViewModel(
        AppSettings& settings, std::unique_ptr<AudioCapture> capture = nullptr, QObject* parent = nullptr);
    // Saves a running recording before it goes.
    ~TranslationViewModel() override;

    ListeningSession* session() const { return m_session.get(); }

    ResultProcessor* results() const { return m_results.get(); }

    RecordingController* recordingController() const { return m_recording.get(); }

    RoomState* room() const { return m_room.get(); }

    // The connection of this run, for tests that look at what it was told.
    const WebSocketService& webSocketService() const { return *m_webSocketService; }

    WebSocketService& webSocketService() { return *m_webSocketService; }

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

    void dismissRecordingNotice() { m_recording->dismissNotice(); }

    QUrl audioURL(const RecordingEntry& entry) const;

    // Stopped recordings whose file is not yet moved into place and saved.
    int pendingRecordingSaves() const { return m_recording->pendingSaves(); }

    const ConnectionState& state() const { return m_session->state(); }

    QString statusText() const { return m_session->statusText(); }

    bool isListening() const { return m_session->isListening(); }

    const QList<TranslationLine>& translationLines() const { return m_results->translationLines(); }

    const QString& currentOriginal() const { return m_results->currentOriginal(); }

    const QString& currentTranslation() const { return m_results->currentTranslation(); }

    const QList<InterimWord>& currentOriginalWords() const { return m_results->currentOriginalWords(); }

    const QList<InterimWord>& currentTranslationWords() const { return m_results->currentTranslationWords(); }

    const QString& currentInterimSpeaker() const { return m_results->currentInterimSpeaker(); }

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

    bool isRecording() const { return m_recording->isRecording(); }

    QString recordingNotice() const { return m_recording->notice(); }

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
    std::optional<QString> roomShareURL() const { return m_room->shareURL(); }

signals:
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
    void playbackRecordingChanged();

private:
    TranslationViewModel(std::unique_ptr<LiveServices> ownServices, LiveServices* services, QObject* parent);
    void setupCallbacks();
    void followSettings();
    void followCalls();
    // The capture's "only the call" takes the application that holds the call.
    void updateCallApplication();
    // Which application holds a call is followed while listening captures only the call.
    void updateCallFollowing();
    bool isTeamsOnly() const;
    void onCallStateChanged(bool isActive);
    void setIsSoundServerAway(bool isAway);
    void setServerNotice(const QString& text);
    // Where others reach this machine, while rooms are shared on its network.
    void updateNetworkAddress();

    // Services of its own, when it was not given the program's; they go last.
    std::unique_ptr<LiveServices> m_ownServices;
    LiveServices& m_services;
    AppSettings& m_settings;
    AudioCapture& m_audioService;
    CallMonitorService& m_callMonitor;
    // Declared so that they go in the reverse order: the pipeline (which
    // feeds the recorder) first, the recording controller (which saves a
    // running recording) after it. The capture is stopped before any goes.
    std::unique_ptr<WebSocketService> m_webSocketService;
    std::unique_ptr<RecordingController> m_recording;
    std::unique_ptr<ResultProcessor> m_results;
    std::unique_ptr<RoomState> m_room;
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
    bool m_isFollowingCall = false;
};

} // namespace tolvaran
