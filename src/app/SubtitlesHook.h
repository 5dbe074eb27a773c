#pragma once

#include "subtitles/SubtitlesWindowManager.h"

#include <QObject>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// Stands in for the coordinator's subtitles watches until it exists: the
// subtitles are on screen while listening in subtitles mode (a room run
// included) and off otherwise; they follow the bottom offset, and the style
// preview follows its switch.
class SubtitlesHook : public QObject
{
    Q_OBJECT

public:
    SubtitlesHook(
        TranslationViewModel& viewModel, AppSettings& settings, QQmlEngine& engine, QObject* parent = nullptr);

    SubtitlesWindowManager& windows() { return m_windows; }

private:
    void update();

    TranslationViewModel& m_viewModel;
    AppSettings& m_settings;
    SubtitlesWindowManager m_windows;
};

} // namespace tolvaran
