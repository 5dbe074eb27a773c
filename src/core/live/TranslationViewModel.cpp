#include "TranslationViewModel.h"

#include "ResultText.h"
#include "audio/AudioCaptureService.h"
#include "audio/AudioPipeline.h"
#include "audio/AudioRecordingService.h"
#include "audio/CallMonitorService.h"
#include "model/RandomUuid.h"
#include "recordings/RecordingStore.h"
#include "settings/AppSettings.h"
#include "translation/WebSocketService.h"

#include <QCoroTimer>
#include <QLoggingCategory>
#include <QPointer>

Q_LOGGING_CATEGORY(lcViewModel, "com.tolvaran.app.ViewModel")

namespace tolvaran {

using namespace std::chrono_literals;

namespace {

const char* boolText(bool value)
{
    return value ? "true" : "false";
}

// Assigns and tells whether anything changed.
template<typename T>
bool assign(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

TranslationViewModel::TranslationViewModel(
    AppSettings& settings, std::unique_ptr<AudioCapture> capture, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_audioService(capture ? std::move(capture) : std::make_unique<AudioCaptureService>())
    , m_webSocketService(std::make_unique<WebSocketService>())
    , m_callMonitor(std::make_unique<CallMonitorService>())
    , m_recordingService(std::make_unique<AudioRecordingService>())
    , m_recordingStore(std::make_unique<RecordingStore>())
{
    m_audioPipeline = std::make_unique<AudioPipeline>(*m_audioService, m_recordingService.get());
    m_recordingStore->setCustomDirectory(m_settings.recordingsFolder());
    setupCallbacks();
    m_recordings = m_recordingStore->recordings();
    if (m_settings.isAutoDetectEnabled())
        m_callMonitor->startMonitoring();
}

TranslationViewModel::~TranslationViewModel()
{
    // The capture thread feeds the recorder and posts here: it goes first.
    m_audioService->stopCapture();
    m_audioPipeline.reset();
    m_audioService.reset();
}

void TranslationViewModel::setupCallbacks()
{
    // The pipeline hands chunks and capture errors over on the main thread,
    // in capture order.
    m_audioPipeline->onChunk = [this](const QByteArray& chunk) { m_webSocketService->sendAudio(chunk); };
    m_audioPipeline->onError = [this](const QString& message) {
        setState(ConnectionState::error(TolvaranError::audioCaptureFailed(message)));
    };

    // The WebSocket service calls on the main thread and dies with this object.
    m_webSocketService->onResult = [this](const TranslationResult& result) { handleTranslationResult(result); };
    m_webSocketService->onFinished = [this] { finalizeCurrentLine(); };
    m_webSocketService->onError
        = [this](const QString& text) { setState(ConnectionState::error(TolvaranError::serverError(text))); };
    m_webSocketService->onRoomCreated = [this](const QString& roomId) {
        setRoomId(roomId);
        qCInfo(lcViewModel, "Room created: %s", qUtf8Printable(roomId));
    };
    m_webSocketService->onRoomUpdate = [this](qint64 count, const QList<LanguageSubscriberCount>& languages) {
        setRoomSubscriberCount(count);
        setRoomActiveLanguages(languages);
    };

    m_callMonitor->onCallStateChanged = [this](bool isActive) {
        QMetaObject::invokeMethod(
            this, [this, isActive] { onCallStateChanged(isActive); }, Qt::QueuedConnection);
    };
}

QCoro::Task<> TranslationViewModel::startListening()
{
    QPointer<TranslationViewModel> self(this);
    const quint64 run = ++m_listeningRun;
    setState(ConnectionState::connecting());
    // Started again while capturing: the new connection must begin with the
    // stream header, not with the old stream's chunks still on their way.
    m_audioService->stopCapture();
    m_audioPipeline->beginSession();
    if (!m_translationLines.isEmpty()) {
        m_translationLines.clear();
        emit translationLinesChanged();
    }
    clearInterim();

    m_webSocketService->setServerURL(m_settings.serverURL());
    QStringList hints;
    for (TargetLanguage language : m_settings.speakerLanguages())
        hints.append(rawValue(language));
    m_webSocketService->connect(rawValue(m_settings.selectedLanguage()), m_isRoomMode, hints);

    co_await QCoro::sleepFor(500ms);
    // Stopped (or started again) meanwhile: this start is over.
    if (!self || run != m_listeningRun)
        co_return;

    if (!m_webSocketService->isConnected()) {
        const QString message = m_webSocketService->lastError().value_or(QStringLiteral("Connection failed"));
        setState(ConnectionState::error(TolvaranError::connectionFailed(message)));
        co_return;
    }
    setState(ConnectionState::connected());

    const std::optional<AudioCaptureError> failure = co_await m_audioService->startCapture();
    if (!self || run != m_listeningRun)
        co_return;
    if (failure) {
        setState(ConnectionState::error(TolvaranError::audioCaptureFailed(failure->errorDescription())));
        m_webSocketService->disconnect();
        co_return;
    }
    setState(ConnectionState::listening());

    if (!m_isRoomMode) {
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
    ++m_listeningRun;
    if (m_isRecording)
        stopRecording();
    m_audioService->stopCapture();
    // Chunks captured before the stop still wait in this thread's queue: the
    // finish request goes out behind them.
    QMetaObject::invokeMethod(
        this, [this] { m_webSocketService->sendFinish(); }, Qt::QueuedConnection);

    // The server's last results arrive meanwhile and are handled as usual.
    co_await QCoro::sleepFor(1s);
    if (!self)
        co_return;

    finalizeCurrentLine();
    m_webSocketService->disconnect();
    setState(ConnectionState::disconnected());
    if (m_isRoomMode) {
        setIsRoomMode(false);
        setRoomId(std::nullopt);
        setRoomSubscriberCount(0);
        setRoomActiveLanguages({});
    }
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
    if (!isListening() || !m_wasAutoStarted)
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
    const bool permitted = co_await m_audioService->checkPermission();
    if (self)
        setHasPermission(permitted);
}

QCoro::Task<> TranslationViewModel::checkMicPermission()
{
    QPointer<TranslationViewModel> self(this);
    const bool permitted = co_await m_audioService->checkMicPermission();
    if (!self)
        co_return;
    if (assign(m_hasMicPermission, permitted))
        emit hasMicPermissionChanged();
    if (!permitted)
        co_return;
    co_await m_audioService->refreshMicDevices();
    if (self)
        emit availableMicDevicesChanged();
}

void TranslationViewModel::setIsMicEnabled(bool enabled)
{
    m_audioService->setMicEnabled(enabled);
    if (enabled && isListening())
        m_audioService->startMicEngine();
    if (!enabled)
        m_audioService->stopMicEngine();
    if (assign(m_isMicEnabled, enabled))
        emit isMicEnabledChanged();
}

void TranslationViewModel::setSelectedMicDeviceUID(const std::optional<QString>& uid)
{
    if (!assign(m_selectedMicDeviceUID, uid))
        return;
    m_audioService->setSelectedMicDeviceUID(uid);
    if (m_isMicEnabled && isListening()) {
        m_audioService->stopMicEngine();
        m_audioService->startMicEngine();
    }
    emit selectedMicDeviceUIDChanged();
}

QList<MicDevice> TranslationViewModel::availableMicDevices() const
{
    return m_audioService->availableMicDevices();
}

bool TranslationViewModel::isCallDetected() const
{
    return m_callMonitor->isCallActive();
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
    qCInfo(lcViewModel, "Result: original='%s' translation='%s' tokens=%lld", qUtf8Printable(result.original.left(80)),
        qUtf8Printable(result.translation.left(80)), qint64(result.tokens.size()));
    if (isTranslationOnlyMessage(result))
        applyTranslationUpdate(result);
    else if (isFinalized(result))
        finalizeUtterance(result);
    else
        updateInterim(result);
}

bool TranslationViewModel::isTranslationOnlyMessage(const TranslationResult& result) const
{
    return ResultText::isTranslationOnlyMessage(result);
}

bool TranslationViewModel::isFinalized(const TranslationResult& result) const
{
    return ResultText::isFinalized(result);
}

QString TranslationViewModel::detectSpeaker(const TranslationResult& result)
{
    m_lastSpeaker = ResultText::speakerIdentifier(result).value_or(m_lastSpeaker);
    return ResultText::speakerLabel(m_lastSpeaker);
}

QString TranslationViewModel::detectLanguage(const TranslationResult& result) const
{
    return ResultText::detectLanguage(result);
}

void TranslationViewModel::finalizeUtterance(const TranslationResult& result)
{
    const QString language = detectLanguage(result);
    const QString speaker = detectSpeaker(result);
    const QString originalText = ResultText::trimmed(result.original);
    const QString translatedText = ResultText::trimmed(result.translation);
    appendFinalLine(
        {randomUuid(), speaker, originalText, translatedText, language, QDateTime::currentDateTime(), true});

    if (m_isRecording && m_recordingStartDate) {
        const qint64 offsetMs = m_recordingStartDate->msecsTo(QDateTime::currentDateTime());
        m_recordingTranscript.append({randomUuid(), offsetMs, speaker, originalText, translatedText, language});
    }

    // One line at most per utterance: a lowered cap takes effect gradually.
    if (m_translationLines.size() > m_settings.maxTranslationLines()) {
        m_translationLines.removeFirst();
        emit translationLinesChanged();
    }
}

void TranslationViewModel::applyTranslationUpdate(const TranslationResult& result)
{
    const QString translated = ResultText::trimmed(result.translation);
    if (!m_translationLines.isEmpty()) {
        const TranslationLine& last = m_translationLines.last();
        // A new identity: views treat the line as new.
        m_translationLines.last()
            = {randomUuid(), last.speaker, last.originalText, translated, last.language, last.timestamp, true};
        emit translationLinesChanged();
    }
    if (m_isRecording && !m_recordingTranscript.isEmpty())
        m_recordingTranscript.last().translatedText = translated;
}

void TranslationViewModel::updateInterim(const TranslationResult& result)
{
    if (assign(m_currentOriginal, result.original))
        emit currentOriginalChanged();
    if (assign(m_currentTranslation, result.translation))
        emit currentTranslationChanged();
    if (assign(m_currentOriginalWords, ResultText::updateWords(m_currentOriginalWords, result.original)))
        emit currentOriginalWordsChanged();
    if (assign(m_currentTranslationWords, ResultText::updateWords(m_currentTranslationWords, result.translation)))
        emit currentTranslationWordsChanged();
    const QString speaker = ResultText::speakerLabel(ResultText::speakerIdentifier(result).value_or(m_lastSpeaker));
    if (assign(m_currentInterimSpeaker, speaker))
        emit currentInterimSpeakerChanged();
}

void TranslationViewModel::finalizeCurrentLine()
{
    const QString original = ResultText::trimmed(m_currentOriginal);
    if (original.isEmpty())
        return;
    appendFinalLine({randomUuid(), ResultText::speakerLabel(m_lastSpeaker), original,
        ResultText::trimmed(m_currentTranslation), QStringLiteral("?"), QDateTime::currentDateTime(), true});
}

void TranslationViewModel::appendFinalLine(const TranslationLine& line)
{
    m_translationLines.append(line);
    emit translationLinesChanged();
    clearInterim();
}

void TranslationViewModel::clearInterim()
{
    if (assign(m_currentOriginal, QString()))
        emit currentOriginalChanged();
    if (assign(m_currentTranslation, QString()))
        emit currentTranslationChanged();
    if (assign(m_currentOriginalWords, QList<InterimWord>()))
        emit currentOriginalWordsChanged();
    if (assign(m_currentTranslationWords, QList<InterimWord>()))
        emit currentTranslationWordsChanged();
    if (assign(m_currentInterimSpeaker, QString()))
        emit currentInterimSpeakerChanged();
}

// Recording -----------------------------------------------------------------

void TranslationViewModel::startRecording()
{
    if (!isListening() || m_isRecording) {
        qCInfo(lcViewModel, "startRecording: guard failed, isListening=%s, isRecording=%s", boolText(isListening()),
            boolText(m_isRecording));
        return;
    }
    m_recordingTranscript.clear();
    const bool ok = m_recordingService->startRecording();
    qCInfo(lcViewModel, "startRecording: service returned %s", boolText(ok));
    if (!ok)
        return;
    m_isRecording = true;
    emit isRecordingChanged();
    m_recordingStartDate = m_recordingService->recordingStartDate();
}

void TranslationViewModel::stopRecording()
{
    if (!m_isRecording) {
        qCInfo(lcViewModel, "stopRecording: not recording, skipping");
        return;
    }
    m_isRecording = false;
    emit isRecordingChanged();
    const QList<TimedTranscriptLine> transcript = m_recordingTranscript;
    const QString language = rawValue(m_settings.selectedLanguage());
    qCInfo(lcViewModel, "stopRecording: stopping with %lld transcript lines", qint64(transcript.size()));
    const QString folder = m_recordingStore->activeDirectory();

    ++m_pendingRecordingSaves;
    emit pendingRecordingSavesChanged();
    // The completion runs on the recorder's own thread: the file is moved
    // there, and only the save comes back to this thread.
    QPointer<TranslationViewModel> self(this);
    m_recordingService->stopRecording([self, folder, language, transcript](std::optional<QUrl> file, double duration) {
        std::optional<RecordingEntry> entry;
        if (!file) {
            qCCritical(lcViewModel, "stopRecording: no file URL returned");
        } else {
            const QString path = file->toLocalFile();
            qCInfo(lcViewModel, "stopRecording: temp file at %s, duration=%.1fs", qUtf8Printable(path), duration);
            QString error;
            if (const auto name = RecordingStore::moveIntoDirectory(path, folder, &error)) {
                qCInfo(lcViewModel, "stopRecording: moved to %s", qUtf8Printable(folder + QLatin1Char('/') + *name));
                entry = RecordingEntry{randomUuid(), recordingDateNow(), duration, language, *name, transcript};
            } else {
                qCCritical(lcViewModel, "stopRecording: failed to move file: %s", qUtf8Printable(error));
            }
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, entry] {
                if (!self) {
                    qCCritical(lcViewModel, "stopRecording: self was deallocated");
                    return;
                }
                self->finishRecordingSave(entry);
            },
            Qt::QueuedConnection);
    });
}

void TranslationViewModel::finishRecordingSave(const std::optional<RecordingEntry>& entry)
{
    if (entry) {
        qCInfo(lcViewModel, "stopRecording: saving entry and refreshing list");
        m_recordingStore->save(*entry);
        setRecordings(m_recordingStore->recordings());
        qCInfo(lcViewModel, "stopRecording: recordings count = %lld", qint64(m_recordings.size()));
    }
    --m_pendingRecordingSaves;
    emit pendingRecordingSavesChanged();
}

void TranslationViewModel::deleteRecording(const RecordingEntry& entry)
{
    m_recordingStore->remove(entry);
    setRecordings(m_recordingStore->recordings());
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
    return m_recordingStore->audioURL(entry);
}

// Rooms ---------------------------------------------------------------------

std::optional<QString> TranslationViewModel::roomShareURL() const
{
    if (!m_roomId || !m_isRoomMode)
        return std::nullopt;
    QString base = m_settings.serverURL();
    base.replace(QStringLiteral("ws://"), QStringLiteral("http://"));
    base.replace(QStringLiteral("wss://"), QStringLiteral("https://"));
    return base + QStringLiteral("/room/") + *m_roomId;
}

void TranslationViewModel::setRoomId(const std::optional<QString>& roomId)
{
    if (!assign(m_roomId, roomId))
        return;
    emit roomIdChanged();
    emit roomShareURLChanged();
}

void TranslationViewModel::setIsRoomMode(bool roomMode)
{
    if (!assign(m_isRoomMode, roomMode))
        return;
    emit isRoomModeChanged();
    emit roomShareURLChanged();
}

void TranslationViewModel::setRoomSubscriberCount(qint64 count)
{
    if (assign(m_roomSubscriberCount, count))
        emit roomSubscriberCountChanged();
}

// Replaced on every update, and always told.
void TranslationViewModel::setRoomActiveLanguages(const QList<LanguageSubscriberCount>& languages)
{
    m_roomActiveLanguages = languages;
    emit roomActiveLanguagesChanged();
}

// Plain fields --------------------------------------------------------------

void TranslationViewModel::setState(const ConnectionState& state)
{
    if (assign(m_state, state))
        emit stateChanged();
}

void TranslationViewModel::setRecordings(const QList<RecordingEntry>& recordings)
{
    if (assign(m_recordings, recordings))
        emit recordingsChanged();
}

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
