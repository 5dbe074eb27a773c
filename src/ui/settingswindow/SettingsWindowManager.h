#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <QStringList>

#include <memory>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;
struct LiveServices;
class UpdaterService;

// Owns the settings window. A request while it is open brings it forward as
// it is; after it was closed the next request builds a new one, starting on
// General. Closing it writes pending settings at once. Main thread only.
class SettingsWindowManager : public QObject
{
    Q_OBJECT

public:
    // Wide enough for the longest labels beside their choices in every
    // interface language (Italian "Lingua di destinazione").
    static constexpr QSize windowSize{580, 420};

    explicit SettingsWindowManager(QQmlEngine& engine, QObject* parent = nullptr);
    ~SettingsWindowManager() override;

    // The updater every window offers; without one each window makes its own.
    void setUpdater(UpdaterService* updater);

    // Shows the window when the view model asks for it, and lowers the flag.
    // The window changes the settings and works on the services.
    void updateVisibility(TranslationViewModel& viewModel, LiveServices& services);
    void show(TranslationViewModel& viewModel, LiveServices& services);

    QQuickWindow* window() const { return m_window.get(); }

    // What stands in the way of each global shortcut (listening, overlay,
    // recording), empty where nothing does; shown beside them.
    void setShortcutProblems(const QStringList& problems);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<QQuickWindow> create(TranslationViewModel& viewModel, LiveServices& services);

    QQmlEngine& m_engine;
    QPointer<UpdaterService> m_updater;
    QPointer<AppSettings> m_settings;
    std::unique_ptr<QQuickWindow> m_window;
    QStringList m_shortcutProblems;
};

} // namespace tolvaran
