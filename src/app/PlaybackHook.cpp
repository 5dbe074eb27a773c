#include "PlaybackHook.h"

#include "live/TranslationViewModel.h"

namespace tolvaran {

PlaybackHook::PlaybackHook(TranslationViewModel& viewModel, AppSettings& settings, QQmlEngine& engine, QObject* parent)
    : QObject(parent)
    , m_windows(engine)
{
    // Queued, as the coordinator's watches run after the change: a window
    // closing inside its own close notice is never closed again from there.
    connect(
        &viewModel, &TranslationViewModel::playbackRecordingChanged, this,
        [this, &viewModel, &settings] { m_windows.updateVisibility(viewModel, settings); }, Qt::QueuedConnection);
}

} // namespace tolvaran
