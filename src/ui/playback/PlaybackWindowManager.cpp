#include "PlaybackWindowManager.h"

#include "PlaybackController.h"
#include "live/TranslationViewModel.h"
#include "model/LanguageChange.h"
#include "recordings/RecordingTimes.h"
#include "settings/AppSettings.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QScreen>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcPlayback)

namespace tolvaran {

WindowCloseDelegate& WindowCloseDelegate::shared()
{
    static WindowCloseDelegate delegate;
    return delegate;
}

void WindowCloseDelegate::windowWillClose()
{
    // Cleared before the call, so that it runs once even if it closes again.
    const std::function<void()> call = std::exchange(onClose, nullptr);
    if (call)
        call();
}

bool WindowCloseDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close)
        windowWillClose();
    return QObject::eventFilter(watched, event);
}

void PlaybackWindowManager::WindowDeleter::operator()(QQuickWindow* window) const
{
    window->deleteLater();
}

PlaybackWindowManager::PlaybackWindowManager(QQmlEngine& engine, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
{ }

PlaybackWindowManager::~PlaybackWindowManager()
{
    WindowCloseDelegate::shared().onClose = nullptr;
    // Not deferred: the event loop may not run again.
    delete m_window.release();
}

QString PlaybackWindowManager::windowTitle(const RecordingEntry& recording)
{
    return tr("Recording — %1").arg(RecordingTimes::formatStartDate(toDateTime(recording.date), recording.duration));
}

void PlaybackWindowManager::updateVisibility(TranslationViewModel& viewModel, AppSettings& settings)
{
    const std::optional<RecordingEntry>& wanted = viewModel.playbackRecording();
    if (!wanted) {
        hide();
        return;
    }
    // Another recording asked for while one plays takes its place: the user
    // clicked it to hear it.
    if (!m_window || !m_shownRecording || m_shownRecording->id != wanted->id)
        show(*wanted, viewModel, settings);
}

void PlaybackWindowManager::show(
    const RecordingEntry& recording, TranslationViewModel& viewModel, AppSettings& settings)
{
    m_viewModel = &viewModel;
    if (m_window) {
        // Replaced, not closed by the user: the field keeps the new recording.
        WindowCloseDelegate::shared().onClose = nullptr;
        m_window->close();
        dropWindow();
    }

    auto* view = new PlaybackController(recording, viewModel.audioURL(recording), settings.paragraphSilenceGap());
    QQmlComponent component(&m_engine, QUrl(QStringLiteral("qrc:/Tolvaran/Ui/playback/PlaybackWindow.qml")));
    // Qt 6.4 crashes when a component that is not ready is asked for an object.
    QObject* object = component.isReady()
        ? component.createWithInitialProperties({{QStringLiteral("playback"), QVariant::fromValue(view)},
            {QStringLiteral("settings"), QVariant::fromValue(&settings)}})
        : nullptr;
    auto* window = qobject_cast<QQuickWindow*>(object);
    if (!window) {
        qCCritical(lcPlayback, "The playback window could not be made: %s", qUtf8Printable(component.errorString()));
        delete object;
        delete view;
        return;
    }
    view->setParent(window);
    m_window.reset(window);
    m_view = view;
    m_shownRecording = recording;

    window->setTitle(windowTitle(recording));
    onLanguageChange(window, [shown = window, recording] { shown->setTitle(windowTitle(recording)); });
    window->setMinimumSize(minimumSize);
    QRect frame(QPoint(), contentSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.moveCenter(screen->availableGeometry().center());
    window->setGeometry(frame);

    QPointer<TranslationViewModel> weakViewModel(&viewModel);
    QPointer<PlaybackWindowManager> weakManager(this);
    window->installEventFilter(&WindowCloseDelegate::shared());
    WindowCloseDelegate::shared().onClose = [weakViewModel, weakManager] {
        if (weakManager)
            weakManager->dropWindow();
        if (weakViewModel)
            weakViewModel->closePlayback();
    };
    connect(view, &PlaybackController::closeRequested, this, [weakViewModel] {
        if (weakViewModel)
            weakViewModel->closePlayback();
    });

    // The audio is opened once the window is drawn: opening waits for the
    // sound server, and the transcript can be read meanwhile.
    connect(window, &QQuickWindow::frameSwapped, view, &PlaybackController::setupPlayer,
        Qt::ConnectionType(Qt::QueuedConnection | Qt::SingleShotConnection));
    // A window that is never drawn (minimised at once) still gets its audio.
    QTimer::singleShot(setupDelayMs, view, &PlaybackController::setupPlayer);
    window->show();
    window->raise();
    window->requestActivate();
}

void PlaybackWindowManager::hide()
{
    if (!m_window)
        return;
    // Its close notice drops it; when nothing closes (no platform window yet),
    // it is dropped here.
    m_window->close();
    dropWindow();
}

void PlaybackWindowManager::dropWindow()
{
    if (!m_window)
        return;
    m_window->removeEventFilter(&WindowCloseDelegate::shared());
    if (m_view)
        m_view->cleanup();
    m_window.reset();
    m_view = nullptr;
    m_shownRecording.reset();
}

} // namespace tolvaran
