#pragma once

#include "ShortcutService.h"

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
        ShortcutService& shortcuts, AppSettings& settings, TranslationViewModel& viewModel, QObject* parent = nullptr);

    void perform(ShortcutService::Action action);

private:
    void apply(ShortcutService::Action action);

    ShortcutService& m_shortcuts;
    AppSettings& m_settings;
    TranslationViewModel& m_viewModel;
};

} // namespace tolvaran
