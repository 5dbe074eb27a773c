#include "SubtitlesHook.h"

#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

namespace tolvaran {

SubtitlesHook::SubtitlesHook(
    TranslationViewModel& viewModel, AppSettings& settings, QQmlEngine& engine, QObject* parent)
    : QObject(parent)
    , m_viewModel(viewModel)
    , m_settings(settings)
    , m_windows(engine)
{
    connect(&viewModel, &TranslationViewModel::stateChanged, this, &SubtitlesHook::update);
    connect(&settings, &AppSettings::isSubtitlesModeChanged, this, &SubtitlesHook::update);
    connect(&settings, &AppSettings::subtitleBottomOffsetChanged, this, [this] {
        m_windows.updatePosition();
        m_windows.updatePreviewPosition();
    });
    connect(&viewModel, &TranslationViewModel::isSubtitlePreviewVisibleChanged, this, [this] {
        if (m_viewModel.isSubtitlePreviewVisible())
            m_windows.showPreview(m_viewModel, m_settings);
        else
            m_windows.hidePreview();
    });
}

void SubtitlesHook::update()
{
    if (m_viewModel.isListening() && m_settings.isSubtitlesMode())
        m_windows.show(m_viewModel, m_settings);
    else
        m_windows.hide();
}

} // namespace tolvaran
