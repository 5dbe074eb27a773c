#pragma once

#include "playback/PlaybackWindowManager.h"

#include <QObject>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// Stands in for the coordinator's playback watch until it exists: after each
// change of the view model's playbackRecording, the window owner opens or
// closes the playback window.
class PlaybackHook : public QObject
{
    Q_OBJECT

public:
    PlaybackHook(TranslationViewModel& viewModel, AppSettings& settings, QQmlEngine& engine, QObject* parent = nullptr);

    PlaybackWindowManager& windows() { return m_windows; }

private:
    PlaybackWindowManager m_windows;
};

} // namespace tolvaran
