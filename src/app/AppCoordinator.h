#pragma once

#include "overlay/OverlayWindowManager.h"
#include "playback/PlaybackWindowManager.h"
#include "settingswindow/SettingsWindowManager.h"
#include "subtitles/SubtitlesWindowManager.h"

#include <QObject>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;
struct LiveServices;

// Opens, closes and moves the program's windows in step with the view model
// and the settings, through one watch per property (watchProperty): a burst
// of changes is handled once, on the main thread, with the latest value.
// Nothing runs at start: the overlay first appears when listening starts.
// Subtitles mode takes the overlay's place while it is on.
// Lives on the main thread.
class AppCoordinator : public QObject
{
    Q_OBJECT

public:
    // The settings window works on services; the view model runs on them too.
    AppCoordinator(
        LiveServices& services, TranslationViewModel& viewModel, QQmlEngine& engine, QObject* parent = nullptr);
    ~AppCoordinator() override;

    // Without live windows (--no-overlay) neither the overlay nor the
    // subtitles are ever shown; previews and the other windows still are.
    void setShowsLiveWindows(bool shows) { m_showsLiveWindows = shows; }

    OverlayWindowManager& overlayManager() { return m_overlayManager; }

    SubtitlesWindowManager& subtitlesManager() { return m_subtitlesManager; }

    PlaybackWindowManager& playbackManager() { return m_playbackManager; }

    SettingsWindowManager& settingsManager() { return m_settingsManager; }

private:
    // The overlay is wanted and subtitles mode, which takes its place, is off.
    bool wantsOverlay() const;

    // The handlers, one per watch, in the order the watches are installed.
    void observeOverlayVisibility();
    void observeListening();
    void observeSubtitlesMode();
    void observePin();
    void observeSubtitleBottomOffset();
    void observeSubtitlePreview();
    void observeTranslationPreview();
    void observePlayback();
    void observeSettingsRequest();
    void observeResetOverlayPosition();

    OverlayWindowManager m_overlayManager;
    SubtitlesWindowManager m_subtitlesManager;
    PlaybackWindowManager m_playbackManager;
    SettingsWindowManager m_settingsManager;
    LiveServices& m_services;
    AppSettings& m_settings;
    TranslationViewModel& m_viewModel;
    bool m_showsLiveWindows = true;
};

} // namespace tolvaran
