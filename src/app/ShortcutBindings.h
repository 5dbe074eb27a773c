#pragma once

#include "GlobalShortcuts.h"

#include <QObject>

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// The global shortcuts of the settings (listeningShortcut, overlayShortcut,
// recordingShortcut, each in QKeySequence's portable text; empty for none),
// kept grabbed as they change, and what each does: start or stop listening,
// show or hide the overlay, start or stop recording. Main thread.
class ShortcutBindings : public QObject
{
    Q_OBJECT

public:
    ShortcutBindings(
        GlobalShortcuts& shortcuts, AppSettings& settings, TranslationViewModel& viewModel, QObject* parent = nullptr);

    void perform(GlobalShortcuts::Action action);

private:
    void apply(GlobalShortcuts::Action action);

    GlobalShortcuts& m_shortcuts;
    AppSettings& m_settings;
    TranslationViewModel& m_viewModel;
};

} // namespace tolvaran
