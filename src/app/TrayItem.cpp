#include "TrayItem.h"

#include "live/TranslationViewModel.h"
#include "panel/PanelModel.h"
#include "settings/AppSettings.h"
#include "theme/IconTable.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLoggingCategory>
#include <QMenu>
#include <QPainter>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QScreen>

Q_DECLARE_LOGGING_CATEGORY(lcApp)

namespace tolvaran {
namespace {

// A tray may be light or dark: the symbol is drawn light with a dark rim,
// which reads on both.
QIcon trayIcon(const QString& name)
{
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64}) {
        const int inset = std::max(1, size / 16);
        const QImage glyph = IconTable::render(name, size - 2 * inset, QColor(0xF2, 0xF2, 0xF2));
        const QImage rim = IconTable::render(name, size - 2 * inset, QColor(0, 0, 0, 150));
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        for (const QPoint offset : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            painter.drawImage(QPoint(inset, inset) + offset, rim);
        painter.drawImage(QPoint(inset, inset), glyph);
        painter.end();
        icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

constexpr auto reopenGuard = std::chrono::milliseconds(300);

} // namespace

TrayItem::TrayItem(TranslationViewModel& viewModel, AppSettings& settings, UpdaterService& updater, QQmlEngine& engine,
    QObject* parent)
    : QObject(parent)
    , m_viewModel(viewModel)
    , m_settings(settings)
    , m_updater(updater)
    , m_engine(engine)
    , m_model(std::make_unique<PanelModel>())
    , m_menu(std::make_unique<QMenu>())
{
    m_model->setViewModel(&viewModel);
    m_model->setSettings(&settings);
    connect(m_model.get(), &PanelModel::stateChanged, this, &TrayItem::updateIcon);
    connect(&m_updater, &UpdaterService::checkFinished, this, &TrayItem::showUpdateResult);
    updateIcon();

    // Some trays offer only a menu: it opens the panel and does what a call
    // needs most without it.
    m_openAction = m_menu->addAction(QString(), this, &TrayItem::showPanel);
    m_menu->addSeparator();
    m_listeningAction = m_menu->addAction(QString(), m_model.get(), &PanelModel::toggleListening);
    m_overlayAction
        = m_menu->addAction(QString(), this, [this](bool checked) { m_viewModel.setIsOverlayVisible(checked); });
    m_overlayAction->setCheckable(true);
    m_recordingAction = m_menu->addAction(QString(), this, [this] {
        if (m_viewModel.isRecording())
            m_viewModel.stopRecording();
        else
            m_viewModel.startRecording();
    });
    m_menu->addSeparator();
    m_quitAction = m_menu->addAction(QString(), this, &TrayItem::quitRequested);
    for (auto signal : {&PanelModel::stateChanged, &PanelModel::canRecordChanged})
        connect(m_model.get(), signal, this, &TrayItem::updateMenu);
    connect(&viewModel, &TranslationViewModel::isOverlayVisibleChanged, this, &TrayItem::updateMenu);
    connect(&viewModel, &TranslationViewModel::hasPermissionChanged, this, &TrayItem::updateMenu);
    connect(&settings, &AppSettings::serverURLChanged, this, &TrayItem::updateMenu);
    updateMenu();
    // PanelModel announces its state anew when the language changes, which
    // renames these.
    m_tray.setContextMenu(m_menu.get());
    connect(&m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::MiddleClick)
            togglePanel();
    });
    m_sincePanelHidden.start();
}

TrayItem::~TrayItem()
{
    delete m_updateDialog.data();
}

void TrayItem::start()
{
    m_hasTray = QSystemTrayIcon::isSystemTrayAvailable();
    if (m_hasTray) {
        m_tray.show();
        qCInfo(lcApp, "Tray item shown");
    } else {
        qCInfo(lcApp, "No tray host; the panel opens as a window");
        showPanel();
    }
}

void TrayItem::updateIcon()
{
    const QString name = m_model->trayIcon();
    m_tray.setIcon(trayIcon(name));
    m_tray.setToolTip(tr("Tolvaran: %1").arg(m_model->statusText()));
}

void TrayItem::updateMenu()
{
    const bool isListening = m_viewModel.isListening();
    m_openAction->setText(tr("Open Tolvaran"));
    m_overlayAction->setText(tr("Show Overlay"));
    m_quitAction->setText(tr("Quit"));
    m_listeningAction->setText(isListening ? tr("Stop Listening") : tr("Start Listening"));
    m_listeningAction->setEnabled(
        !m_model->isConnecting() && (isListening || m_settings.isServerURLValid()) && m_viewModel.hasPermission());
    m_overlayAction->setChecked(m_viewModel.isOverlayVisible());
    m_recordingAction->setText(m_viewModel.isRecording() ? tr("Stop Recording") : tr("Start Recording"));
    m_recordingAction->setEnabled(m_model->canRecord());
}

QQuickWindow* TrayItem::createWindow(const QString& path, const QVariantMap& properties)
{
    QQmlComponent component(&m_engine, QUrl(path));
    std::unique_ptr<QObject> object(component.createWithInitialProperties(properties));
    auto* window = qobject_cast<QQuickWindow*>(object.get());
    if (!window) {
        qCCritical(lcApp, "Cannot create %s: %s", qUtf8Printable(path), qUtf8Printable(component.errorString()));
        return nullptr;
    }
    object.release();
    window->setIcon(QGuiApplication::windowIcon());
    return window;
}

QQuickWindow* TrayItem::panel()
{
    if (m_panel)
        return m_panel.get();
    // Built with the kind of window the desktop allows: a popup beside the
    // tray item, or an ordinary window where there is no tray.
    QQuickWindow* window = createWindow(QStringLiteral("qrc:/Tolvaran/Ui/panel/PanelWindow.qml"),
        {{QStringLiteral("viewModel"), QVariant::fromValue(&m_viewModel)},
            {QStringLiteral("settings"), QVariant::fromValue(&m_settings)},
            {QStringLiteral("updater"), QVariant::fromValue(&m_updater)}, {QStringLiteral("isPopup"), m_hasTray}});
    if (!window)
        return nullptr;
    m_panel.reset(window);
    connect(window, SIGNAL(quitRequested()), this, SIGNAL(quitRequested()));
    connect(window, SIGNAL(updateRequested()), this, SLOT(checkForUpdates()));
    connect(window, &QWindow::visibleChanged, this, [this](bool visible) {
        if (!visible)
            m_sincePanelHidden.restart();
    });
    return window;
}

bool TrayItem::isPanelVisible() const
{
    return m_panel && m_panel->isVisible();
}

void TrayItem::togglePanel()
{
    if (isPanelVisible()) {
        m_panel->close();
        return;
    }
    if (m_hasTray && m_sincePanelHidden.elapsed() < reopenGuard.count())
        return;
    showPanel();
}

void TrayItem::showPanel()
{
    QQuickWindow* window = panel();
    if (!window)
        return;
    if (m_hasTray && !window->isVisible())
        placePanel(*window);
    window->show();
    window->raise();
    window->requestActivate();
}

void TrayItem::placePanel(QQuickWindow& window) const
{
    const QRect icon = m_tray.geometry();
    QScreen* screen = icon.isValid() ? QGuiApplication::screenAt(icon.center()) : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize size(window.width(), window.height());
    constexpr int gap = 4;
    QPoint at;
    if (icon.isValid()) {
        // Below an item in the upper half of the screen, above one in the lower.
        at.setX(icon.center().x() - size.width() / 2);
        at.setY(icon.center().y() < area.center().y() ? icon.bottom() + gap : icon.top() - gap - size.height());
    } else {
        // Where the tray's place is unknown: the top right corner.
        at = QPoint(area.right() - size.width() - gap, area.top() + gap);
    }
    at.setX(std::clamp(at.x(), area.left() + gap, std::max(area.left() + gap, area.right() - size.width() - gap)));
    at.setY(std::clamp(at.y(), area.top() + gap, std::max(area.top() + gap, area.bottom() - size.height() - gap)));
    window.setScreen(screen);
    window.setPosition(at);
}

void TrayItem::checkForUpdates()
{
    m_updater.checkForUpdates();
}

void TrayItem::showUpdateResult(const UpdateCheckResult& result)
{
    delete m_updateDialog.data();
    QQuickWindow* dialog = createWindow(QStringLiteral("qrc:/Tolvaran/Ui/panel/UpdateResultDialog.qml"),
        {{QStringLiteral("heading"), result.title()}, {QStringLiteral("message"), result.message()},
            {QStringLiteral("pageURL"), result.pageURL}});
    if (!dialog)
        return;
    m_updateDialog = dialog;
    connect(dialog, &QWindow::visibleChanged, dialog, [dialog](bool visible) {
        if (!visible)
            dialog->deleteLater();
    });
    dialog->show();
    dialog->raise();
    dialog->requestActivate();
}

} // namespace tolvaran
