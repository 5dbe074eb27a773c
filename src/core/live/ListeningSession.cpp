#include "ListeningSession.h"

#include "audio/AudioCapture.h"
#include "audio/AudioPipeline.h"
#include "translation/WebSocketService.h"

#include <QCoroTimer>
#include <QElapsedTimer>
#include <QPointer>

namespace tolvaran {

using namespace std::chrono_literals;

namespace {

constexpr std::chrono::milliseconds earlyFailureCheck = 500ms;

} // namespace

ListeningSession::ListeningSession(
    AudioCapture& capture, AudioPipeline& pipeline, WebSocketService& webSocket, QObject* parent)
    : QObject(parent)
    , m_capture(capture)
    , m_pipeline(pipeline)
    , m_webSocket(webSocket)
{
    connect(&m_pipeline, &AudioPipeline::chunkReady, &m_webSocket, &WebSocketService::sendAudio);
}

void ListeningSession::setState(const ConnectionState& state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged();
}

QCoro::Task<bool> ListeningSession::start(Request request)
{
    QPointer<ListeningSession> self(this);
    const quint64 run = ++m_run;
    setState(ConnectionState::connecting());
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
        const QString message = m_webSocket.lastError().value_or(QStringLiteral("Connection failed"));
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
    setState(ConnectionState::disconnected());
}

} // namespace tolvaran
