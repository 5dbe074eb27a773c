#pragma once

#include "FloatingPanel.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>
#include <memory>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// Owns the overlay panel and the style preview panel. Each is built the first
// time it is shown and then kept, only ordered out and in. It watches nothing:
// its caller shows, hides, pins and moves it. Closing the overlay by hand
// turns the view model's isOverlayVisible off. The overlay opens where the
// user left it in an earlier run (the setting overlayFrame) while a good part
// of that place is on a screen, else at its home corner; where it is moved
// or resized to is written back once it has come to rest, and on quit. Main
// thread only.
class OverlayWindowManager : public QObject
{
    Q_OBJECT

public:
    // A drag moves the panel by many small steps: its frame is written once
    // it has rested this long.
    static constexpr std::chrono::milliseconds frameSaveDelay{500};

    explicit OverlayWindowManager(QQmlEngine& engine, QObject* parent = nullptr);
    ~OverlayWindowManager() override;

    void show(TranslationViewModel& viewModel, AppSettings& settings);
    void hide();
    void showPreview(TranslationViewModel& viewModel, AppSettings& settings);
    void hidePreview();
    void updateWindowLevel(bool isPinned);
    void resetPosition();

    FloatingPanel* panel() const { return m_panel.get(); }

    FloatingPanel* previewPanel() const { return m_previewPanel.get(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<FloatingPanel> makePanel(const QRect& frame, const QSize& minimumSize, const QSize& maximumSize,
        const QString& title, const char* view, TranslationViewModel& viewModel, AppSettings& settings);
    void overlayWillClose();
    // The frame the overlay is created with: the remembered one while it can
    // be reached, otherwise home. In bottom-left coordinates.
    QRect initialFrame(const QRect& visibleFrame, int width, const AppSettings& settings) const;
    // Writes the overlay's frame to the settings when it has changed.
    void saveFrame();

    QQmlEngine& m_engine;
    std::unique_ptr<FloatingPanel> m_panel;
    QPointer<TranslationViewModel> m_viewModel;
    std::unique_ptr<FloatingPanel> m_previewPanel;
    QPointer<AppSettings> m_settings;
    QTimer m_frameSaveTimer;
    // Where the overlay was created or last written to the settings.
    QRect m_savedFrame;
};

} // namespace tolvaran
