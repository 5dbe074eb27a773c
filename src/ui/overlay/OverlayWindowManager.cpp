#include "OverlayWindowManager.h"

#include "OverlayGeometry.h"
#include "OverlayStyle.h"
#include "live/TranslationViewModel.h"
#include "model/LanguageChange.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>

Q_LOGGING_CATEGORY(lcOverlay, "com.tolvaran.app.Overlay")

namespace tolvaran {

namespace {

int levelFor(bool isPinned)
{
    return isPinned ? FloatingPanel::pinnedLevel : FloatingPanel::normalLevel;
}

void orderFront(QWindow& window)
{
    // The panel takes no focus, so showing it leaves the active window active.
    window.show();
    window.raise();
}

} // namespace

OverlayWindowManager::OverlayWindowManager(QQmlEngine& engine, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
{
    m_frameSaveTimer.setSingleShot(true);
    m_frameSaveTimer.setInterval(frameSaveDelay);
    connect(&m_frameSaveTimer, &QTimer::timeout, this, &OverlayWindowManager::saveFrame);
    // A move just before quitting is kept too.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &OverlayWindowManager::saveFrame);
}

OverlayWindowManager::~OverlayWindowManager()
{
    saveFrame();
}

QRect OverlayWindowManager::initialFrame(const QRect& visibleFrame, int width, const AppSettings& settings) const
{
    const QRect home = OverlayGeometry::overlayFrame(visibleFrame, width);
    const QRect remembered = settings.overlayFrame();
    if (!remembered.isValid() || !OverlayGeometry::isReachable(remembered))
        return home;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size
        = remembered.size().expandedTo(OverlayGeometry::minimumSize).boundedTo(OverlayGeometry::maximumSize);
    return BottomLeftSpace(screen->geometry()).fromQt(QRect(remembered.topLeft(), size));
}

void OverlayWindowManager::saveFrame()
{
    m_frameSaveTimer.stop();
    // Compared with what was last written rather than trusting the timer:
    // the news of a move may not have arrived yet when the program quits.
    if (!m_panel || !m_settings || m_panel->geometry() == m_savedFrame)
        return;
    m_savedFrame = m_panel->geometry();
    m_settings->setOverlayFrame(m_savedFrame);
}

std::unique_ptr<FloatingPanel> OverlayWindowManager::makePanel(const QRect& frame, const QSize& minimumSize,
    const QSize& maximumSize, const QString& title, const char* view, TranslationViewModel& viewModel,
    AppSettings& settings)
{
    std::unique_ptr<FloatingPanel> panel(FloatingPanel::titledTransparent(frame, minimumSize, title));
    if (!panel)
        return nullptr;
    panel->setMaximumSize(maximumSize);
    QQmlComponent component(&m_engine, QUrl(QStringLiteral("qrc:/Tolvaran/Ui/overlay/%1.qml").arg(view)));
    // Qt 6.4 crashes when a component that is not ready is asked for an object.
    if (!component.isReady()) {
        qCCritical(lcOverlay, "The view %s could not be made: %s", view, qUtf8Printable(component.errorString()));
        return panel;
    }
    QObject* object
        = component.createWithInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)},
            {QStringLiteral("settings"), QVariant::fromValue(&settings)}});
    auto* content = qobject_cast<QQuickItem*>(object);
    if (!content) {
        qCCritical(lcOverlay, "The view %s could not be made: %s", view, qUtf8Printable(component.errorString()));
        delete object;
        return panel;
    }
    content->setParentItem(panel->contentItem());
    content->setParent(panel.get());
    const auto fit = [item = content, window = panel.get()] { item->setSize(window->size()); };
    fit();
    connect(panel.get(), &QWindow::widthChanged, content, fit);
    connect(panel.get(), &QWindow::heightChanged, content, fit);
    return panel;
}

void OverlayWindowManager::show(TranslationViewModel& viewModel, AppSettings& settings)
{
    m_viewModel = &viewModel;
    m_settings = &settings;
    if (!m_panel) {
        const auto frame = mainVisibleFrame();
        if (!frame)
            return;
        // As wide as the display mode wants, as after a change of mode: both
        // languages side by side get their room from the start.
        const int ideal = OverlayStyle::idealWidth(int(settings.displayMode()));
        const int width = std::max(ideal, OverlayGeometry::panelSize.width());
        const QRect at = initialFrame(*frame, width, settings);
        m_panel = makePanel(at, OverlayGeometry::minimumSize, OverlayGeometry::maximumSize, {},
            "TranslationOverlayView", viewModel, settings);
        if (!m_panel)
            return;
        // A width of its own choosing is given back when the content asks
        // for less; one the user chose is kept.
        const bool isOwnWidth = at.width() == OverlayGeometry::overlayFrame(*frame, width).width();
        m_panel->setWidened(isOwnWidth ? OverlayGeometry::panelSize.width() : at.width(), at.width(), ideal);
        m_panel->installEventFilter(this);
        m_savedFrame = m_panel->geometry();
        for (const auto changed :
            {&QWindow::xChanged, &QWindow::yChanged, &QWindow::widthChanged, &QWindow::heightChanged})
            connect(m_panel.get(), changed, &m_frameSaveTimer, qOverload<>(&QTimer::start));
    }
    m_panel->setLevel(levelFor(settings.isPinnedAboveAll()));
    orderFront(*m_panel);
}

void OverlayWindowManager::hide()
{
    if (m_panel)
        m_panel->hide();
}

void OverlayWindowManager::showPreview(TranslationViewModel& viewModel, AppSettings& settings)
{
    m_viewModel = &viewModel;
    if (!m_previewPanel) {
        const auto frame = mainVisibleFrame();
        if (!frame)
            return;
        m_previewPanel = makePanel(OverlayGeometry::previewFrame(*frame), OverlayGeometry::previewMinimumSize,
            OverlayGeometry::previewMaximumSize, tr("Translation Preview"), "TranslationOverlayPreviewView", viewModel,
            settings);
        if (!m_previewPanel)
            return;
        m_previewPanel->installEventFilter(this);
        onLanguageChange(
            m_previewPanel.get(), [shown = m_previewPanel.get()] { shown->setTitle(tr("Translation Preview")); });
    }
    orderFront(*m_previewPanel);
}

void OverlayWindowManager::hidePreview()
{
    if (m_previewPanel)
        m_previewPanel->hide();
}

void OverlayWindowManager::updateWindowLevel(bool isPinned)
{
    if (m_panel)
        m_panel->setLevel(levelFor(isPinned));
}

void OverlayWindowManager::resetPosition()
{
    const auto frame = mainVisibleFrame();
    if (!m_panel || !frame)
        return;
    const int ideal = m_panel->idealWidth();
    const QRect home = OverlayGeometry::overlayFrame(*frame, std::max(ideal, OverlayGeometry::panelSize.width()));
    m_panel->animateToFrame(home);
    m_panel->setWidened(OverlayGeometry::panelSize.width(), home.width(), ideal);
}

bool OverlayWindowManager::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched == m_panel.get())
        overlayWillClose();
    // The preview's close button ends the preview the way its switch does;
    // otherwise the switch would stay on with nothing on screen.
    if (event->type() == QEvent::Close && watched == m_previewPanel.get()) {
        QMetaObject::invokeMethod(
            this,
            [self = QPointer(this)] {
                if (self && self->m_viewModel && self->m_viewModel->isTranslationPreviewVisible())
                    self->m_viewModel->setIsTranslationPreviewVisible(false);
            },
            Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

void OverlayWindowManager::overlayWillClose()
{
    QMetaObject::invokeMethod(
        this,
        [self = QPointer(this)] {
            if (self && self->m_viewModel && self->m_viewModel->isOverlayVisible())
                self->m_viewModel->setIsOverlayVisible(false);
        },
        Qt::QueuedConnection);
}

} // namespace tolvaran
