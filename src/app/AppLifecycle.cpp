#include "AppLifecycle.h"

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
{ }

QCoro::Task<> AppLifecycle::start()
{
    // Runs beside everything else: a recording started now is never taken
    // for one an earlier run left.
    m_viewModel.adoptLeftoverRecordings();
    // Asked here, not only when the panel opens: otherwise the permission is
    // still unknown at launch and listening would never start by itself.
    co_await m_viewModel.checkPermission();
    if (m_settings.autoStartListening() && m_viewModel.hasPermission() && !m_isQuitting) {
        qCInfo(lcApp, "Starting to listen at launch");
        co_await m_viewModel.startListening();
    }
}

QCoro::Task<> AppLifecycle::quit()
{
    if (m_isQuitting) {
        qCInfo(lcApp, "Already quitting");
        co_return;
    }
    m_isQuitting = true;

    if (m_viewModel.state() != ConnectionState::disconnected() || m_viewModel.isRecording())
        co_await m_viewModel.stopListening();

    const QDeadlineTimer deadline(maxSaveWait);
    while (m_viewModel.pendingRecordingSaves() > 0 && !deadline.hasExpired()) {
        co_await qCoro(&m_viewModel, &TranslationViewModel::pendingRecordingSavesChanged,
            std::chrono::milliseconds(deadline.remainingTime()));
    }
    if (m_viewModel.pendingRecordingSaves() > 0)
        qCCritical(lcApp, "Quitting before the last recording was saved");
    QCoreApplication::exit(0);
}

} // namespace tolvaran
