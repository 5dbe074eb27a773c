#pragma once

#include "FloatingPanel.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// Owns the overlay panel and the style preview panel. Each is built the first
// time it is shown and then kept, only ordered out and in. It watches nothing:
// its caller shows, hides, pins and moves it. Closing the overlay by hand
// turns the view model's isOverlayVisible off. Main thread only.
class OverlayWindowManager : public QObject
{
    Q_OBJECT

public:
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

    QQmlEngine& m_engine;
    std::unique_ptr<FloatingPanel> m_panel;
    QPointer<TranslationViewModel> m_viewModel;
    std::unique_ptr<FloatingPanel> m_previewPanel;
};

} // namespace tolvaran
