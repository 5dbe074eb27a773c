#include "ListeningSession.h"

#include "audio/AudioCapture.h"
#include "audio/AudioPipeline.h"
#include "protocol/StreamHeader.h"
#include "translation/WebSocketService.h"

#include <QCoreApplication>
#include <QCoroTimer>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QPointer>

#include <algorithm>

Q_DECLARE_LOGGING_CATEGORY(lcViewModel)

namespace tolvaran {

using namespace std::chrono_literals;

namespace {

constexpr std::chrono::milliseconds earlyFailureCheck = 500ms;
constexpr qint64 pcmBytesPerMs = 32;

} // namespace

ListeningSession::ListeningSession(
    AudioCapture& capture, AudioPipeline& pipeline, WebSocketService& webSocket, QObject* parent)
    : QObject(parent)
    , m_capture(capture)
    , m_pipeline(pipeline)
    , m_webSocket(webSocket)
{
    connect(&m_pipeline, &AudioPipeline::chunkReady, this, &ListeningSession::takeChunk);
    connect(&m_webSocket, &WebSocketService::audioConfirmed, this, &ListeningSession::confirm);
    connect(&m_webSocket, &WebSocketService::connectionLost, this, &ListeningSession::connectionLost);
    connect(&m_webSocket, &WebSocketService::opened, this, &ListeningSession::opened);
    m_retryTimer.setSingleShot(true);
    connect(&m_retryTimer, &QTimer::timeout, this, &ListeningSession::attemptReconnect);
}

void ListeningSession::setState(const ConnectionState& state)
{
    if (m_state == state)
        return;
    m_state = state;
    // An error or the end of the run ends the attempts as well.
    if (!isListening())
        endReconnecting();
    emit stateChanged();
}

QString ListeningSession::statusText() const
{
    if (m_isReconnecting && isListening())
        return QCoreApplication::translate("ListeningSession", "Reconnecting…");
    return m_state.statusText();
}

void ListeningSession::setRetryDelays(std::chrono::milliseconds first, std::chrono::milliseconds last)
{
    m_firstRetryDelay = first;
    m_lastRetryDelay = last;
}

QCoro::Task<bool> ListeningSession::start(Request request)
{
    QPointer<ListeningSession> self(this);
    const quint64 run = ++m_run;
    setState(ConnectionState::connecting());
    endReconnecting();
    m_isStopping = false;
    m_hasOpened = false;
    m_request = request;
    m_roomId.clear();
    m_kept.clear();
    m_keptBytes = 0;
    m_needsHeader = true;
    m_isCaptureFresh = true;
    // Started again while capturing: the new connection must begin with the
    // stream header, not with the old stream's chunks still on their way.
    m_capture.stopCapture();
    m_pipeline.beginSession();

    m_webSocket.setServerURL(request.serverURL);
    m_webSocket.connect(request.language, request.createRoom, request.speakerLanguageHints);
    QElapsedTimer sinceConnect;
    sinceConnect.start();

    // Capture starts with the connection: what is said while the handshake
    // runs waits in the client and goes out once the socket is open.
    const std::optional<AudioCaptureError> failure = co_await m_capture.startCapture();
    if (!self || run != m_run)
        co_return false;
    if (failure) {
        setState(ConnectionState::error(TolvaranError::audioCaptureFailed(failure->errorDescription())));
        m_webSocket.disconnect();
        co_return false;
    }

    // The check for a connection that fails at once; it no longer holds up the audio.
    const auto left = earlyFailureCheck - std::chrono::milliseconds(sinceConnect.elapsed());
    if (left > 0ms)
        co_await QCoro::sleepFor(left);
    if (!self || run != m_run)
        co_return false;

    if (!m_webSocket.isConnected()) {
        m_capture.stopCapture();
        const QString message
            = m_webSocket.lastError().value_or(QCoreApplication::translate("ListeningSession", "Connection failed"));
        setState(ConnectionState::error(TolvaranError::connectionFailed(message)));
        co_return false;
    }
    // A server error that arrived during the wait stands: it is not hidden
    // behind "Listening".
    if (m_state.kind() == ConnectionState::Kind::error) {
        m_capture.stopCapture();
        m_webSocket.disconnect();
        co_return false;
    }
    setState(ConnectionState::connected());
    setState(ConnectionState::listening());
    co_return true;
}

QCoro::Task<bool> ListeningSession::stop()
{
    QPointer<ListeningSession> self(this);
    const quint64 run = ++m_run;
    m_isStopping = true;
    endReconnecting();
    m_capture.stopCapture();
    // Chunks captured before the stop still wait in this thread's queue: the
    // finish request goes out behind them.
    QMetaObject::invokeMethod(
        this, [this] { m_webSocket.sendFinish(); }, Qt::QueuedConnection);

    // The server's last results arrive meanwhile and are handled as usual.
    co_await QCoro::sleepFor(1s);
    co_return self&& run == m_run;
}

void ListeningSession::close()
{
    m_webSocket.disconnect();
    m_kept.clear();
    m_keptBytes = 0;
    setState(ConnectionState::disconnected());
}

void ListeningSession::takeChunk(const QByteArray& chunk)
{
    Kept kept{chunk, 0};
    if (m_isCaptureFresh) {
        m_isCaptureFresh = false;
        const auto header = StreamHeader::parse(chunk);
        if (const auto* parsed = std::get_if<StreamHeader>(&header))
            kept.pcm = chunk.sliced(parsed->dataOffset);
    }
    // Between attempts there is no socket to hand it to: it waits here.
    if (!m_isReconnecting || m_webSocket.isConnected())
        send(kept);
    const auto kind = m_state.kind();
    if (!m_isStopping && kind != ConnectionState::Kind::disconnected && kind != ConnectionState::Kind::error)
        keep(std::move(kept));
}

void ListeningSession::send(Kept& kept)
{
    if (m_needsHeader && m_webSocket.isConnected()) {
        m_needsHeader = false;
        m_webSocket.sendAudio(StreamHeader::write() + kept.pcm);
    } else {
        m_webSocket.sendAudio(kept.pcm);
    }
    kept.sendNumber = m_webSocket.isConnected() ? m_webSocket.sendCount() : 0;
}

void ListeningSession::keep(Kept kept)
{
    m_keptBytes += kept.pcm.size();
    m_kept.push_back(std::move(kept));
    while (m_keptBytes > maxReplayBytes && !m_kept.empty()) {
        m_keptBytes -= m_kept.front().pcm.size();
        if (m_isReconnecting)
            m_droppedBytes += m_kept.front().pcm.size();
        m_kept.pop_front();
    }
}

// The server answered a ping sent behind this audio: it has it.
void ListeningSession::confirm(qint64 sendNumber)
{
    while (!m_kept.empty() && m_kept.front().sendNumber != 0 && m_kept.front().sendNumber <= sendNumber) {
        m_keptBytes -= m_kept.front().pcm.size();
        m_kept.pop_front();
    }
}

void ListeningSession::connectionLost(const QString& description)
{
    // A first connection that fails is the start's to report; a stop ends
    // the connection anyway.
    if (m_isStopping || !isListening())
        return;
    // A server never reached is not a connection lost: the start failed.
    if (!m_hasOpened) {
        m_capture.stopCapture();
        setState(ConnectionState::error(TolvaranError::connectionFailed(description)));
        return;
    }
    if (!m_isReconnecting) {
        qCWarning(lcViewModel, "Connection lost while listening (%s); reconnecting", qUtf8Printable(description));
        m_droppedBytes = 0;
        m_retryDelay = m_firstRetryDelay;
        setIsReconnecting(true);
    } else {
        qCInfo(lcViewModel, "Reconnecting failed: %s", qUtf8Printable(description));
        m_retryDelay = std::min(m_retryDelay * 2, m_lastRetryDelay);
    }
    for (Kept& kept : m_kept)
        kept.sendNumber = 0;
    m_retryTimer.start(m_retryDelay);
}

void ListeningSession::attemptReconnect()
{
    if (!m_isReconnecting)
        return;
    m_webSocket.connect(m_request.language, m_request.createRoom, m_request.speakerLanguageHints,
        m_request.createRoom ? m_roomId : QString());
    if (!m_webSocket.isConnected()) {
        connectionLost(m_webSocket.lastErrorText());
        return;
    }
    // The new stream begins as a new session does, then catches up with
    // what the server may not have, as fast as the socket takes it.
    m_needsHeader = true;
    m_replayedBytes = m_keptBytes;
    for (Kept& kept : m_kept)
        send(kept);
    emit streamRestarted(m_replayedBytes);
}

void ListeningSession::opened()
{
    m_hasOpened = true;
    if (!m_isReconnecting)
        return;
    if (m_droppedBytes > 0) {
        qCWarning(lcViewModel, "Dropped %lld ms of audio from the outage; only its last %lld s were sent",
            m_droppedBytes / pcmBytesPerMs, maxReplayBytes / pcmBytesPerMs / 1000);
    }
    qCInfo(
        lcViewModel, "Reconnected; sent %lld ms of audio the server may not have had", m_replayedBytes / pcmBytesPerMs);
    setIsReconnecting(false);
}

void ListeningSession::endReconnecting()
{
    m_retryTimer.stop();
    setIsReconnecting(false);
}

void ListeningSession::setIsReconnecting(bool reconnecting)
{
    if (m_isReconnecting == reconnecting)
        return;
    m_isReconnecting = reconnecting;
    emit stateChanged();
}

} // namespace tolvaran
