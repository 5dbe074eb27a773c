#pragma once

#include "settings/SettingsWindowManager.h"

#include <QObject>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;
class UpdaterService;

// Stands in for the coordinator's settings watch until it exists: a raised
// showSettingsRequested opens the settings window (or brings it forward).
class SettingsHook : public QObject
{
    Q_OBJECT

public:
    SettingsHook(TranslationViewModel& viewModel, AppSettings& settings, UpdaterService& updater, QQmlEngine& engine,
        QObject* parent = nullptr);

    SettingsWindowManager& windows() { return m_windows; }

private:
    SettingsWindowManager m_windows;
};

} // namespace tolvaran
