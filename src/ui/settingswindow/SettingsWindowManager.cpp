#include "SettingsWindowManager.h"

#include "SettingsModel.h"
#include "desktop/UpdaterService.h"
#include "live/LiveServices.h"
#include "live/TranslationViewModel.h"
#include "model/LanguageChange.h"
#include "settings/AppSettings.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>

Q_LOGGING_CATEGORY(lcSettingsWindow, "com.tolvaran.app.Settings")

namespace tolvaran {

SettingsWindowManager::SettingsWindowManager(QQmlEngine& engine, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
{ }

SettingsWindowManager::~SettingsWindowManager() = default;

void SettingsWindowManager::setUpdater(UpdaterService* updater)
{
    m_updater = updater;
}

void SettingsWindowManager::updateVisibility(TranslationViewModel& viewModel, LiveServices& services)
{
    if (!viewModel.showSettingsRequested())
        return;
    viewModel.setShowSettingsRequested(false);
    show(viewModel, services);
}

void SettingsWindowManager::show(TranslationViewModel& viewModel, LiveServices& services)
{
    m_settings = &services.settings;
    if (!m_window || !m_window->isVisible()) {
        // A closed window is not reused: the new one starts on General.
        if (m_window)
            m_window.release()->deleteLater();
        m_window = create(viewModel, services);
        if (!m_window)
            return;
        qCInfo(lcSettingsWindow, "Settings window opened");
    }
    m_window->show();
    m_window->raise();
    m_window->requestActivate();
}

std::unique_ptr<QQuickWindow> SettingsWindowManager::create(TranslationViewModel& viewModel, LiveServices& services)
{
    AppSettings& settings = services.settings;
    auto window = std::make_unique<QQuickWindow>();
    window->setFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    window->setTitle(tr("Tolvaran Settings"));
    onLanguageChange(window.get(), [shown = window.get()] { shown->setTitle(tr("Tolvaran Settings")); });
    window->setIcon(QGuiApplication::windowIcon());
    window->setMinimumSize(windowSize);
    window->setMaximumSize(windowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), windowSize);
        frame.moveCenter(screen->availableGeometry().center());
        window->setGeometry(frame);
    } else {
        window->resize(windowSize);
    }

    QObject* updater = m_updater.data();
    if (!updater)
        updater = new UpdaterService(window.get());

    QQmlComponent component(&m_engine, QUrl(QStringLiteral("qrc:/Tolvaran/Ui/settingswindow/SettingsView.qml")));
    // Qt 6.4 crashes when a component that is not ready is asked for an object.
    if (!component.isReady()) {
        qCCritical(
            lcSettingsWindow, "The settings view could not be made: %s", qUtf8Printable(component.errorString()));
        return nullptr;
    }
    QObject* object
        = component.createWithInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)},
            {QStringLiteral("settings"), QVariant::fromValue(&settings)},
            {QStringLiteral("updater"), QVariant::fromValue(updater)}});
    auto* content = qobject_cast<QQuickItem*>(object);
    if (!content) {
        qCCritical(
            lcSettingsWindow, "The settings view could not be made: %s", qUtf8Printable(component.errorString()));
        delete object;
        return nullptr;
    }
    if (auto* model = content->property("model").value<SettingsModel*>()) {
        model->setServices(
            &settings, services.capture.get(), services.callMonitor.get(), services.recordingStore.get());
        model->setShortcutProblems(m_shortcutProblems);
    } else
        qCWarning(lcSettingsWindow, "The settings view has no model to hand the services to");
    content->setParentItem(window->contentItem());
    content->setParent(window.get());
    content->setSize(QSizeF(windowSize));
    window->installEventFilter(this);
    return window;
}

void SettingsWindowManager::setShortcutProblems(const QStringList& problems)
{
    m_shortcutProblems = problems;
    if (!m_window)
        return;
    if (auto* content = m_window->contentItem()->childItems().value(0)) {
        if (auto* model = content->property("model").value<SettingsModel*>())
            model->setShortcutProblems(problems);
    }
}

bool SettingsWindowManager::eventFilter(QObject* watched, QEvent* event)
{
    // What a slider drag left pending reaches the file now, not 250 ms later
    // when the program may be gone.
    if (event->type() == QEvent::Close && watched == m_window.get() && m_settings)
        m_settings->flush();
    return QObject::eventFilter(watched, event);
}

} // namespace tolvaran
