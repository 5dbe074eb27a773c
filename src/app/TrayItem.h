#pragma once

#include "desktop/UpdaterService.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <memory>

class QAction;
class QMenu;
class QQmlEngine;
class QQuickWindow;

namespace tolvaran {

class AppSettings;
class PanelModel;
class TranslationViewModel;

// The program's face: the tray item showing the state, and the panel it opens
// beside itself as a popup that closes when it loses focus. Where the desktop
// has no tray host, the panel opens at start as a small ordinary window, so
// the program is never invisible.
class TrayItem : public QObject
{
    Q_OBJECT

public:
    TrayItem(TranslationViewModel& viewModel, AppSettings& settings, UpdaterService& updater, QQmlEngine& engine,
        QObject* parent = nullptr);
    ~TrayItem() override;

    // Puts the item in the tray, or opens the panel where there is no tray.
    void start();
    // Shows the panel and brings it forward.
    void showPanel();

    bool isPanelVisible() const;

signals:
    // Quit was chosen; the program quits in order.
    void quitRequested();

private slots:
    void checkForUpdates();

private:
    void updateIcon();
    // The menu's texts and enablement follow the state.
    void updateMenu();
    void togglePanel();
    QQuickWindow* panel();
    void placePanel(QQuickWindow& window) const;
    void showUpdateResult(const UpdateCheckResult& result);
    QQuickWindow* createWindow(const QString& path, const QVariantMap& properties);

    TranslationViewModel& m_viewModel;
    AppSettings& m_settings;
    UpdaterService& m_updater;
    QQmlEngine& m_engine;
    std::unique_ptr<PanelModel> m_model;
    std::unique_ptr<QMenu> m_menu;
    QAction* m_openAction = nullptr;
    QAction* m_listeningAction = nullptr;
    QAction* m_quitAction = nullptr;
    QAction* m_overlayAction = nullptr;
    QAction* m_recordingAction = nullptr;
    QSystemTrayIcon m_tray;
    bool m_hasTray = false;
    std::unique_ptr<QQuickWindow> m_panel;
    QPointer<QQuickWindow> m_updateDialog;
    // When the popup last closed itself: a click on the tray item closes it
    // through the focus loss first, and must not open it again right away.
    QElapsedTimer m_sincePanelHidden;
};

} // namespace tolvaran
