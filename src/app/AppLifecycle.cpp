#include "AppLifecycle.h"

#include "LocalServerLauncher.h"
#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QCoroSignal>
#include <QDeadlineTimer>
#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace tolvaran {

AppLifecycle::AppLifecycle(AppSettings& settings, TranslationViewModel& viewModel, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_viewModel(viewModel)
{
    connect(&m_settings, &AppSettings::shareRoomsOnNetworkChanged, this, [this] { restartLocalServer(); });
}

QCoro::Task<> AppLifecycle::restartLocalServer()
{
    if (!m_localServer || !m_localServer->hasStartedServer() || m_isQuitting || m_isStarting)
        co_return;
    qCInfo(lcApp, "Restarting the local server to %s rooms on the network",
        m_settings.shareRoomsOnNetwork() ? "share" : "stop sharing");
    // Listening meanwhile reconnects by itself once the server is back.
    m_localServer->stop();
    if (const auto url
        = co_await m_localServer->ensureRunning(m_settings.serverURL(), m_settings.shareRoomsOnNetwork()))
        m_viewModel.setServerURLForThisRun(*url);
}

QCoro::Task<> AppLifecycle::start(LocalServerLauncher& localServer, QString serverURL)
{
    if (m_isQuitting)
        co_return;
    m_isStarting = true;
    m_localServer = &localServer;
    // Runs beside everything else: a recording started now is never taken
    // for one an earlier run left.
    m_viewModel.adoptLeftoverRecordings();
    if (const auto url = co_await localServer.ensureRunning(serverURL, m_settings.shareRoomsOnNetwork()))
        m_viewModel.setServerURLForThisRun(*url);
    // Asked here, not only when the panel opens: otherwise the permission is
    // still unknown at launch and listening would never start by itself.
    if (!m_isQuitting)
        co_await m_viewModel.checkPermission();
    if (m_settings.autoStartListening() && m_viewModel.hasPermission() && !m_isQuitting) {
        qCInfo(lcApp, "Starting to listen at launch");
        co_await m_viewModel.startListening();
    }
    m_isStarting = false;
    emit startFinished();
}

QCoro::Task<> AppLifecycle::quit()
{
    if (m_isQuitting) {
        qCInfo(lcApp, "Already quitting");
        co_return;
    }
    m_isQuitting = true;
    if (m_localServer)
        m_localServer->abandonStart();

    if (m_viewModel.state() != ConnectionState::disconnected() || m_viewModel.isRecording())
        co_await m_viewModel.stopListening();

    const QDeadlineTimer deadline(maxSaveWait);
    while (m_viewModel.pendingRecordingSaves() > 0 && !deadline.hasExpired()) {
        co_await qCoro(m_viewModel.recordingController(), &RecordingController::pendingSavesChanged,
            std::chrono::milliseconds(deadline.remainingTime()));
    }
    if (m_viewModel.pendingRecordingSaves() > 0)
        qCCritical(lcApp, "Quitting before the last recording was saved");
    // What the start still waits for (the sound server's answer, a
    // connection being stopped) ends within seconds; leaving it suspended
    // would leave its work half done.
    const QDeadlineTimer startDeadline(maxStartWait);
    while (m_isStarting && !startDeadline.hasExpired()) {
        co_await qCoro(this, &AppLifecycle::startFinished, std::chrono::milliseconds(startDeadline.remainingTime()));
    }
    QCoreApplication::exit(0);
}

} // namespace tolvaran
