#include "SettingsHook.h"

#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

namespace tolvaran {

SettingsHook::SettingsHook(TranslationViewModel& viewModel, AppSettings& settings, UpdaterService& updater,
    QQmlEngine& engine, QObject* parent)
    : QObject(parent)
    , m_windows(engine)
{
    m_windows.setUpdater(&updater);
    // Queued: the panel's click that raised the flag finishes first.
    connect(
        &viewModel, &TranslationViewModel::showSettingsRequestedChanged, this,
        [this, &viewModel, &settings] { m_windows.updateVisibility(viewModel, settings); }, Qt::QueuedConnection);
}

} // namespace tolvaran
