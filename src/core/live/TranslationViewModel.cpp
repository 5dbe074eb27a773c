#include "TranslationViewModel.h"

#include "Assign.h"
#include "NetworkAddress.h"
#include "ResultText.h"
#include "audio/AudioPipeline.h"
#include "audio/AudioRecordingService.h"
#include "audio/CallMonitorService.h"
#include "model/LanguageChange.h"
#include "model/RandomUuid.h"
#include "recordings/RecordingStore.h"
#include "settings/AppSettings.h"
#include "translation/WebSocketService.h"

#include <QCoreApplication>
#include <QCoroTimer>
#include <QLoggingCategory>
#include <QPointer>

// Results are logged at debug level, off unless QT_LOGGING_RULES turns it on.
Q_LOGGING_CATEGORY(lcViewModel, "com.tolvaran.app.ViewModel", QtInfoMsg)

namespace tolvaran {

using namespace std::chrono_literals;

namespace {

const char* boolText(bool value)
{
    return value ? "true" : "false";
}

} // namespace

TranslationViewModel::TranslationViewModel(LiveServices& services, QObject* parent)
    : TranslationViewModel(nullptr, &services, parent)
{ }

TranslationViewModel::TranslationViewModel(
    AppSettings& settings, std::unique_ptr<AudioCapture> capture, QObject* parent)
    : TranslationViewModel(std::make_unique<LiveServices>(settings, std::move(capture)), nullptr, parent)
{ }

TranslationViewModel::TranslationViewModel(
    std::unique_ptr<LiveServices> ownServices, LiveServices* services, QObject* parent)
    : QObject(parent)
    , m_ownServices(std::move(ownServices))
    , m_services(services ? *services : *m_ownServices)
    , m_settings(m_services.settings)
    , m_audioService(*m_services.capture)
    , m_callMonitor(*m_services.callMonitor)
    , m_webSocketService(std::make_unique<WebSocketService>())
    , m_recording(std::make_unique<RecordingController>(*m_services.recordingStore))
    , m_results(std::make_unique<ResultProcessor>([this] { return m_settings.maxTranslationLines(); }))
    , m_room(std::make_unique<RoomState>())
    , m_pipeline(std::make_unique<AudioPipeline>(m_audioService, &m_recording->recorder()))
    , m_session(std::make_unique<ListeningSession>(m_audioService, *m_pipeline, *m_webSocketService))
{
    m_room->setServerURL(serverURL());
    updateNetworkAddress();
    setupCallbacks();
    followSettings();
    followCalls();
    // Microphones plugged in or out show at once in every list bound to the model.
    connect(&m_audioService, &AudioCapture::micDevicesChanged, this,
        [this] { m_micDevices.setRows(m_audioService.availableMicDevices()); });
    if (m_settings.isAutoDetectEnabled())
        m_callMonitor.startMonitoring();
    onLanguageChange(this, [this] { emit captureStatusChanged(); });
}

TranslationViewModel::~TranslationViewModel()
{
    // Nothing may come from the capture thread while the parts it feeds go.
    m_audioService.stopCapture();
    // The monitor outlives this view model.
    if (m_isFollowingCall)
        m_callMonitor.unfollowCallApplication();
}

void TranslationViewModel::setupCallbacks()
{
    // The pipeline reports on the main thread.
    connect(m_pipeline.get(), &AudioPipeline::captureFailed, this, [this](const QString& message) {
        m_session->setState(ConnectionState::error(TolvaranError::audioCaptureFailed(message)));
    });
    connect(
        m_pipeline.get(), &AudioPipeline::soundServerAwayChanged, this, &TranslationViewModel::setIsSoundServerAway);
    connect(m_pipeline.get(), &AudioPipeline::applicationPlayingChanged, this, [this](const QString& playingName) {
        const bool isPlaying = !playingName.isEmpty();
        const bool hasNewName = isPlaying && assign(m_capturedAppName, playingName);
        if (assign(m_isCapturedAppPlaying, isPlaying) || hasNewName)
            emit captureStatusChanged();
    });
    // A notice of a capture that has ended no longer holds.
    connect(m_session.get(), &ListeningSession::stateChanged, this, [this] {
        if (!isListening())
            setIsSoundServerAway(false);
        if (state().kind() == ConnectionState::Kind::disconnected)
            setServerNotice({});
        updateCallFollowing();
        emit captureStatusChanged();
    });

    // The WebSocket service signals on the main thread and dies with this object.
    connect(m_webSocketService.get(), &WebSocketService::resultReceived, this,
        &TranslationViewModel::handleTranslationResult);
    connect(
        m_webSocketService.get(), &WebSocketService::finishReceived, this, &TranslationViewModel::finalizeCurrentLine);
    connect(m_webSocketService.get(), &WebSocketService::errorOccurred, this, [this](const QString& text) {
        // A connection that fails while starting is reported by the start,
        // as a failed connection rather than as the server's error.
        if (state().kind() == ConnectionState::Kind::connecting && !m_webSocketService->isConnected())
            return;
        // A connection lost while listening is opened again, not an error;
        // a server never reached has ended the session already.
        if (m_session->isReconnecting()
            || (state().kind() == ConnectionState::Kind::error && !m_webSocketService->isConnected()))
            return;
        m_session->setState(ConnectionState::error(TolvaranError::serverError(text)));
    });
    connect(m_webSocketService.get(), &WebSocketService::noticeReceived, this, [this](const QString& text) {
        qCInfo(lcViewModel, "Server notice: %s", qUtf8Printable(text));
        setServerNotice(text);
    });
    connect(m_webSocketService.get(), &WebSocketService::roomCreated, this, [this](const QString& roomId) {
        // A reconnect asks for the room it had; a server that opens another
        // one instead has given the room a new link.
        const QString previous = m_session->roomId();
        m_session->setRoomId(roomId);
        // The machine may have moved to another network since.
        updateNetworkAddress();
        m_room->setRoomId(roomId);
        if (previous.isEmpty())
            m_room->setHasLinkChanged(false);
        else if (previous != roomId)
            m_room->setHasLinkChanged(true);
        qCInfo(lcViewModel, "Room created: %s", qUtf8Printable(roomId));
    });
    connect(m_webSocketService.get(), &WebSocketService::roomUpdated, m_room.get(), &RoomState::applyUpdate);

    // Queued: a change found inside a check acts after it.
    connect(&m_callMonitor, &CallMonitorService::callStateChanged, this, &TranslationViewModel::onCallStateChanged,
        Qt::QueuedConnection);

    // Finalized utterances go into the running recording's transcript.
    QObject::connect(m_results.get(), &ResultProcessor::utteranceFinalized, m_recording.get(),
        [this](const TranslationLine& line, const ResultText::SpokenTime& time) {
            m_recording->addLine(
                line.speaker, line.originalText, line.translatedText, line.language, time.startMs, time.endMs);
        });
    connect(m_pipeline.get(), &AudioPipeline::chunkReady, m_recording.get(), &RecordingController::streamed);
    // A new connection's clock starts at the audio it catches up with.
    connect(m_session.get(), &ListeningSession::streamRestarted, m_recording.get(),
        [this](qint64 replayedBytes) { m_recording->streamStarted(replayedBytes); });
    QObject::connect(m_results.get(), &ResultProcessor::lastTranslationUpdated, m_recording.get(),
        &RecordingController::updateLastTranslation);
    // A recording whose file cannot be written ends there; listening goes on.
    connect(m_recording.get(), &RecordingController::recordingInterrupted, this, &TranslationViewModel::stopRecording);
}

// Settings changed while the program runs count at once.
void TranslationViewModel::followSettings()
{
    connect(&m_settings, &AppSettings::serverURLChanged, this, [this] {
        m_serverURLForThisRun.reset();
        m_room->setServerURL(serverURL());
    });
    connect(&m_settings, &AppSettings::shareRoomsOnNetworkChanged, this, &TranslationViewModel::updateNetworkAddress);
    // A scope chosen while listening counts at once: the capture changes
    // over without a break, and the panel says what it captures now.
    connect(&m_settings, &AppSettings::captureScopeChanged, this, [this] {
        const auto kind = state().kind();
        if (kind == ConnectionState::Kind::disconnected || kind == ConnectionState::Kind::error)
            return;
        m_listeningScope = AppSettings::knownCaptureScope(m_settings.captureScope());
        m_isCapturedAppPlaying = false;
        m_capturedAppName.clear();
        m_audioService.setCaptureScope(m_listeningScope);
        updateCallFollowing();
        emit captureStatusChanged();
    });
    // A folder chosen in the settings is listed from then on.
    connect(&m_settings, &AppSettings::recordingsFolderChanged, this, [this] {
        m_services.recordingStore->setCustomDirectory(
            m_settings.recordingsFolder(), RecordingStore::Loading::inBackground);
    });
}

// What counts as a call is the settings'; the application that holds it
// is what "only the call" captures.
void TranslationViewModel::followCalls()
{
    const auto applySettings = [this] {
        m_callMonitor.setCallApplications(m_settings.callApplications());
        m_callMonitor.setExtraCallApplications(m_settings.extraCallApplications());
        updateCallApplication();
    };
    applySettings();
    connect(&m_settings, &AppSettings::callApplicationsChanged, this, applySettings);
    connect(&m_settings, &AppSettings::extraCallApplicationsChanged, this, applySettings);
    connect(&m_callMonitor, &CallMonitorService::callApplicationChanged, this,
        &TranslationViewModel::updateCallApplication);
}

bool TranslationViewModel::isTeamsOnly() const
{
    return m_settings.callApplications() == AppSettings::teamsCallApplications;
}

void TranslationViewModel::updateCallApplication()
{
    const QString binary = m_callMonitor.callApplication();
    if (isTeamsOnly())
        m_audioService.setCallApplications(CallMonitorService::teamsProcessNames);
    else
        m_audioService.setCallApplications(binary.isEmpty() ? QSet<QString>() : QSet<QString>{binary});
    updateCallFollowing();
    if (isListening() && m_listeningScope == AppSettings::callAppCaptureScope)
        emit captureStatusChanged();
}

void TranslationViewModel::updateCallFollowing()
{
    const auto kind = state().kind();
    const bool wanted = kind != ConnectionState::Kind::disconnected && kind != ConnectionState::Kind::error
        && m_listeningScope == AppSettings::callAppCaptureScope && !isTeamsOnly();
    if (wanted == m_isFollowingCall)
        return;
    m_isFollowingCall = wanted;
    if (wanted)
        m_callMonitor.followCallApplication();
    else
        m_callMonitor.unfollowCallApplication();
}

void TranslationViewModel::updateNetworkAddress()
{
    m_room->setNetworkAddress(m_settings.shareRoomsOnNetwork() ? defaultRouteAddress() : QString());
}

QCoro::Task<> TranslationViewModel::startListening()
{
    QPointer<TranslationViewModel> self(this);
    m_results->clear();
    setServerNotice({});
    ListeningSession::Request request{serverURL(), rawValue(m_settings.selectedLanguage()), m_room->isRoomMode(), {}};
    for (TargetLanguage language : m_settings.speakerLanguages())
        request.speakerLanguageHints.append(rawValue(language));

    const QString scope = AppSettings::knownCaptureScope(m_settings.captureScope());
    if (scope != m_listeningScope)
        m_capturedAppName.clear();
    m_listeningScope = scope;
    m_isCapturedAppPlaying = false;
    m_audioService.setCaptureScope(m_listeningScope);
    // The new connection's stream starts at 0 on the server's clock.
    m_recording->streamStarted();
    if (!co_await m_session->start(request) || !self)
        co_return;

    if (!isRoomMode()) {
        setIsOverlayVisible(true);
    } else {
        // A room is shown to its listeners through the subtitles.
        setIsOverlayVisible(false);
        m_settings.setIsSubtitlesMode(true);
    }
    if (m_settings.autoRecordOnListen())
        startRecording();
}

QCoro::Task<> TranslationViewModel::stopListening()
{
    QPointer<TranslationViewModel> self(this);
    if (isRecording())
        stopRecording();
    // Started again during the wait: the newer run owns the connection.
    if (!co_await m_session->stop() || !self)
        co_return;

    finalizeCurrentLine();
    m_session->close();
    if (isRoomMode())
        m_room->reset();
}

QCoro::Task<> TranslationViewModel::startRoom()
{
    setIsRoomMode(true);
    co_await startListening();
}

void TranslationViewModel::onCallStateChanged(bool isActive)
{
    if (isActive) {
        if (isListening())
            return;
        m_wasAutoStarted = true;
        startListening();
        return;
    }
    // Ended calls stop what they started, also after an error: capture and
    // the recorder would otherwise run on with nobody to send to.
    if (!m_wasAutoStarted || state().kind() == ConnectionState::Kind::disconnected)
        return;
    [](QPointer<TranslationViewModel> self) -> QCoro::Task<> {
        co_await self->stopListening();
        if (self)
            self->m_wasAutoStarted = false;
    }(this);
}

QCoro::Task<> TranslationViewModel::checkPermission()
{
    QPointer<TranslationViewModel> self(this);
    const bool permitted = co_await m_audioService.checkPermission();
    if (self)
        setHasPermission(permitted);
}

QCoro::Task<> TranslationViewModel::checkMicPermission()
{
    QPointer<TranslationViewModel> self(this);
    const bool permitted = co_await m_audioService.checkMicPermission();
    if (!self)
        co_return;
    if (assign(m_hasMicPermission, permitted))
        emit hasMicPermissionChanged();
    if (!permitted)
        co_return;
    co_await m_audioService.refreshMicDevices();
    if (self)
        m_micDevices.setRows(m_audioService.availableMicDevices());
}

void TranslationViewModel::setIsMicEnabled(bool enabled)
{
    m_audioService.setMicEnabled(enabled);
    if (enabled && isListening())
        m_audioService.startMicEngine();
    if (!enabled)
        m_audioService.stopMicEngine();
    if (assign(m_isMicEnabled, enabled))
        emit isMicEnabledChanged();
}

QString TranslationViewModel::captureStatus() const
{
    if (!isListening())
        return {};
    QString application;
    if (m_listeningScope == AppSettings::callAppCaptureScope) {
        application = isTeamsOnly() ? QStringLiteral("Teams") : m_callMonitor.callApplicationName();
        if (application.isEmpty())
            return QCoreApplication::translate("TranslationViewModel", "Waiting for a call…");
    } else if (m_listeningScope.startsWith(AppSettings::appCaptureScopePrefix))
        application = m_capturedAppName.isEmpty() ? m_listeningScope.mid(AppSettings::appCaptureScopePrefix.size())
                                                  : m_capturedAppName;
    else
        return QCoreApplication::translate("TranslationViewModel", "Capturing: all system audio");
    return m_isCapturedAppPlaying
        ? QCoreApplication::translate("TranslationViewModel", "Capturing: %1").arg(application)
        : QCoreApplication::translate("TranslationViewModel", "Waiting for %1…").arg(application);
}

void TranslationViewModel::setIsSoundServerAway(bool isAway)
{
    if (assign(m_isSoundServerAway, isAway))
        emit isSoundServerAwayChanged();
}

void TranslationViewModel::setServerNotice(const QString& text)
{
    if (assign(m_serverNotice, text))
        emit serverNoticeChanged();
}

void TranslationViewModel::setSelectedMicDeviceUID(const std::optional<QString>& uid)
{
    if (!assign(m_selectedMicDeviceUID, uid))
        return;
    m_audioService.setSelectedMicDeviceUID(uid);
    if (m_isMicEnabled && isListening()) {
        m_audioService.stopMicEngine();
        m_audioService.startMicEngine();
    }
    emit selectedMicDeviceUIDChanged();
}

void TranslationViewModel::openSettings()
{
    setShowSettingsRequested(true);
}

void TranslationViewModel::resetOverlayPosition()
{
    setResetOverlayPositionRequested(true);
}

// Results -------------------------------------------------------------------

void TranslationViewModel::handleTranslationResult(const TranslationResult& result)
{
    m_results->handleTranslationResult(result);
}

void TranslationViewModel::finalizeCurrentLine()
{
    m_results->finalizeCurrentLine();
}

// Recording -----------------------------------------------------------------

void TranslationViewModel::startRecording()
{
    if (!isListening() || isRecording()) {
        qCInfo(lcViewModel, "startRecording: guard failed, isListening=%s, isRecording=%s", boolText(isListening()),
            boolText(isRecording()));
        return;
    }
    m_recording->start(rawValue(m_settings.selectedLanguage()));
}

void TranslationViewModel::stopRecording()
{
    m_recording->stop(rawValue(m_settings.selectedLanguage()));
}

void TranslationViewModel::deleteRecording(const RecordingEntry& entry)
{
    m_recording->remove(entry);
    if (m_playbackRecording && m_playbackRecording->id == entry.id)
        setPlaybackRecording(std::nullopt);
}

void TranslationViewModel::openRecording(const RecordingEntry& entry)
{
    setPlaybackRecording(entry);
}

void TranslationViewModel::closePlayback()
{
    setPlaybackRecording(std::nullopt);
}

QUrl TranslationViewModel::audioURL(const RecordingEntry& entry) const
{
    return m_services.recordingStore->audioURL(entry);
}

// Rooms ---------------------------------------------------------------------

void TranslationViewModel::setServerURLForThisRun(const QString& url)
{
    m_serverURLForThisRun = url;
    m_room->setServerURL(serverURL());
}

QString TranslationViewModel::serverURL() const
{
    return m_serverURLForThisRun.value_or(m_settings.serverURL());
}

// Plain fields --------------------------------------------------------------

void TranslationViewModel::setPlaybackRecording(const std::optional<RecordingEntry>& recording)
{
    if (assign(m_playbackRecording, recording))
        emit playbackRecordingChanged();
}

void TranslationViewModel::setIsOverlayVisible(bool visible)
{
    if (assign(m_isOverlayVisible, visible))
        emit isOverlayVisibleChanged();
}

void TranslationViewModel::setIsSubtitlePreviewVisible(bool visible)
{
    if (assign(m_isSubtitlePreviewVisible, visible))
        emit isSubtitlePreviewVisibleChanged();
}

void TranslationViewModel::setIsTranslationPreviewVisible(bool visible)
{
    if (assign(m_isTranslationPreviewVisible, visible))
        emit isTranslationPreviewVisibleChanged();
}

void TranslationViewModel::setShowSettingsRequested(bool requested)
{
    if (assign(m_showSettingsRequested, requested))
        emit showSettingsRequestedChanged();
}

void TranslationViewModel::setResetOverlayPositionRequested(bool requested)
{
    if (assign(m_resetOverlayPositionRequested, requested))
        emit resetOverlayPositionRequestedChanged();
}

void TranslationViewModel::setHasPermission(bool permitted)
{
    if (assign(m_hasPermission, permitted))
        emit hasPermissionChanged();
}

} // namespace tolvaran
