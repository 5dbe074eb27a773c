#pragma once

#include "OverlayWindowManager.h"

#include <QObject>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// Stands in for the coordinator's overlay watches until it exists: the
// overlay shows when listening starts while it is wanted and hides when it is
// no longer wanted; the pin, the style preview and position resets are
// passed on to the window owner.
class OverlayHook : public QObject
{
    Q_OBJECT

public:
    OverlayHook(TranslationViewModel& viewModel, AppSettings& settings, QQmlEngine& engine, QObject* parent = nullptr);

private:
    TranslationViewModel& m_viewModel;
    AppSettings& m_settings;
    OverlayWindowManager m_windows;
    bool m_wasListening = false;
};

} // namespace tolvaran
