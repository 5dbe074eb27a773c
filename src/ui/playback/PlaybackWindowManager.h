#pragma once

#include "PlaybackController.h"
#include "recordings/RecordingEntry.h"

#include <QObject>
#include <QPointer>
#include <QQuickWindow>

#include <functional>
#include <memory>

class QQmlEngine;

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// Hears that a playback window is about to close, whatever closed it. One
// instance serves every playback window; each new window sets its onClose,
// which runs once.
class WindowCloseDelegate : public QObject
{
    Q_OBJECT

public:
    static WindowCloseDelegate& shared();

    std::function<void()> onClose;

    void windowWillClose();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// The playback window of one recording, kept in step with the view model's
// playbackRecording: set, a window opens; cleared, it closes; closed by the
// user, the field is cleared. At most one window; each is built anew. Main
// thread only.
class PlaybackWindowManager : public QObject
{
    Q_OBJECT

public:
    static constexpr QSize contentSize{650, 500};
    static constexpr QSize minimumSize{450, 350};
    // The audio is opened at the latest this long after the window is shown.
    static constexpr int setupDelayMs = 1000;

    explicit PlaybackWindowManager(QQmlEngine& engine, QObject* parent = nullptr);
    ~PlaybackWindowManager() override;

    void updateVisibility(TranslationViewModel& viewModel, AppSettings& settings);
    void show(const RecordingEntry& recording, TranslationViewModel& viewModel, AppSettings& settings);
    void hide();

    QQuickWindow* window() const { return m_window.get(); }

    // The recording the open window plays.
    const std::optional<RecordingEntry>& shownRecording() const { return m_shownRecording; }

    PlaybackController* view() const { return m_view; }

    // "Recording — " and when the recording started.
    static QString windowTitle(const RecordingEntry& recording);

private:
    struct WindowDeleter
    {
        void operator()(QQuickWindow* window) const;
    };

    // Takes the window out; it goes once the event loop is back.
    void dropWindow();

    QQmlEngine& m_engine;
    std::unique_ptr<QQuickWindow, WindowDeleter> m_window;
    QPointer<PlaybackController> m_view;
    std::optional<RecordingEntry> m_shownRecording;
    QPointer<TranslationViewModel> m_viewModel;
};

} // namespace tolvaran
