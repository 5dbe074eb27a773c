#pragma once

#include <QObject>
#include <QPointer>
#include <QQuickWindow>
#include <QRect>

#include <memory>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// Owns the subtitles panel and its preview: transparent strips across the
// bottom of the screen that stay above every window, on every workspace, and
// let clicks through to what lies below. Each is built the first time it is
// shown and then only ordered out and in. It watches nothing: its caller
// shows, hides and moves them. Main thread only.
class SubtitlesWindowManager : public QObject
{
    Q_OBJECT

public:
    static constexpr int panelHeight = 150;

    explicit SubtitlesWindowManager(QQmlEngine& engine, QObject* parent = nullptr);
    ~SubtitlesWindowManager() override;

    void show(TranslationViewModel& viewModel, AppSettings& settings);
    void hide();
    void showPreview(TranslationViewModel& viewModel, AppSettings& settings);
    void hidePreview();
    // Follow subtitleBottomOffset.
    void updatePosition();
    void updatePreviewPosition();

    QQuickWindow* panel() const { return m_panel.get(); }

    QQuickWindow* previewPanel() const { return m_previewPanel.get(); }

    // In bottom-left coordinates: the full width of the visible frame, 150
    // points high, bottomOffset above its bottom edge.
    static QRect panelFrame(const QRect& visibleFrame, double bottomOffset);
    static Qt::WindowFlags panelFlags();

private:
    std::unique_ptr<QQuickWindow> createPanel(TranslationViewModel& viewModel, AppSettings& settings, bool isPreview);
    void place(QQuickWindow* panel);

    QQmlEngine& m_engine;
    std::unique_ptr<QQuickWindow> m_panel;
    std::unique_ptr<QQuickWindow> m_previewPanel;
    QPointer<TranslationViewModel> m_viewModel;
    QPointer<AppSettings> m_settings;
};

} // namespace tolvaran
