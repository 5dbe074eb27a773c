#include "AppCoordinator.h"

#include "PropertyWatch.h"
#include "live/LiveServices.h"
#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

namespace tolvaran {

AppCoordinator::AppCoordinator(
    LiveServices& services, TranslationViewModel& viewModel, QQmlEngine& engine, QObject* parent)
    : QObject(parent)
    , m_overlayManager(engine)
    , m_subtitlesManager(engine)
    , m_playbackManager(engine)
    , m_settingsManager(engine)
    , m_services(services)
    , m_settings(services.settings)
    , m_viewModel(viewModel)
{
    AppSettings& settings = m_settings;
    using VM = TranslationViewModel;
    watchProperty(this, &viewModel, &VM::isOverlayVisibleChanged, [this] { observeOverlayVisibility(); });
    watchProperty(this, viewModel.session(), &ListeningSession::stateChanged, [this] { observeListening(); });
    watchProperty(this, &settings, &AppSettings::isSubtitlesModeChanged, [this] { observeSubtitlesMode(); });
    watchProperty(this, &settings, &AppSettings::isPinnedAboveAllChanged, [this] { observePin(); });
    watchProperty(
        this, &settings, &AppSettings::subtitleBottomOffsetChanged, [this] { observeSubtitleBottomOffset(); });
    watchProperty(this, &viewModel, &VM::isSubtitlePreviewVisibleChanged, [this] { observeSubtitlePreview(); });
    watchProperty(this, &viewModel, &VM::isTranslationPreviewVisibleChanged, [this] { observeTranslationPreview(); });
    watchProperty(this, &viewModel, &VM::playbackRecordingChanged, [this] { observePlayback(); });
    watchProperty(this, &viewModel, &VM::showSettingsRequestedChanged, [this] { observeSettingsRequest(); });
    watchProperty(
        this, &viewModel, &VM::resetOverlayPositionRequestedChanged, [this] { observeResetOverlayPosition(); });
}

AppCoordinator::~AppCoordinator() = default;

bool AppCoordinator::wantsOverlay() const
{
    return m_viewModel.isOverlayVisible() && !m_settings.isSubtitlesMode() && m_showsLiveWindows;
}

void AppCoordinator::observeOverlayVisibility()
{
    if (wantsOverlay())
        m_overlayManager.show(m_viewModel, m_settings);
    else
        m_overlayManager.hide();
}

void AppCoordinator::observeListening()
{
    if (!m_viewModel.isListening()) {
        // The overlay stays, still showing the last lines.
        m_subtitlesManager.hide();
        return;
    }
    if (!m_showsLiveWindows)
        return;
    if (m_settings.isSubtitlesMode())
        m_subtitlesManager.show(m_viewModel, m_settings);
    if (wantsOverlay())
        m_overlayManager.show(m_viewModel, m_settings);
}

void AppCoordinator::observeSubtitlesMode()
{
    if (m_settings.isSubtitlesMode() && m_viewModel.isListening() && m_showsLiveWindows)
        m_subtitlesManager.show(m_viewModel, m_settings);
    else
        m_subtitlesManager.hide();
    // The overlay gives way to the subtitles and comes back after them: while
    // listening, or to the last lines it held when listening had stopped.
    if (m_settings.isSubtitlesMode())
        m_overlayManager.hide();
    else if (wantsOverlay() && (m_viewModel.isListening() || m_overlayManager.panel()))
        m_overlayManager.show(m_viewModel, m_settings);
}

void AppCoordinator::observePin()
{
    m_overlayManager.updateWindowLevel(m_settings.isPinnedAboveAll());
}

void AppCoordinator::observeSubtitleBottomOffset()
{
    m_subtitlesManager.updatePosition();
    m_subtitlesManager.updatePreviewPosition();
}

void AppCoordinator::observeSubtitlePreview()
{
    if (m_viewModel.isSubtitlePreviewVisible())
        m_subtitlesManager.showPreview(m_viewModel, m_settings);
    else
        m_subtitlesManager.hidePreview();
}

void AppCoordinator::observeTranslationPreview()
{
    if (m_viewModel.isTranslationPreviewVisible())
        m_overlayManager.showPreview(m_viewModel, m_settings);
    else
        m_overlayManager.hidePreview();
}

void AppCoordinator::observePlayback()
{
    m_playbackManager.updateVisibility(m_viewModel, m_settings);
}

void AppCoordinator::observeSettingsRequest()
{
    // updateVisibility lowers the flag itself; a lowered flag closes nothing.
    if (m_viewModel.showSettingsRequested())
        m_settingsManager.updateVisibility(m_viewModel, m_services);
}

void AppCoordinator::observeResetOverlayPosition()
{
    if (!m_viewModel.resetOverlayPositionRequested())
        return;
    // Lowered first, so that a request made while the panel moves is one
    // of its own.
    m_viewModel.setResetOverlayPositionRequested(false);
    m_overlayManager.resetPosition();
}

} // namespace tolvaran
