#include "SubtitlesWindowManager.h"

#include "OverlayGeometry.h"
#include "live/TranslationViewModel.h"
#include "model/LanguageChange.h"
#include "settings/AppSettings.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QScreen>
#include <QtGui/qguiapplication_platform.h>

#include <cmath>
#include <xcb/xcb.h>

Q_LOGGING_CATEGORY(lcSubtitles, "com.tolvaran.app.Subtitles")

namespace tolvaran {

namespace {

// Asks the window manager to show the window on every workspace
// (_NET_WM_DESKTOP 0xFFFFFFFF before it is mapped); Qt has no flag for it.
void putOnAllWorkspaces(QWindow& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || !x11->connection())
        return;
    xcb_connection_t* connection = x11->connection();
    constexpr char name[] = "_NET_WM_DESKTOP";
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, sizeof(name) - 1, name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    if (!reply)
        return;
    const quint32 allDesktops = 0xFFFFFFFF;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()), reply->atom,
        XCB_ATOM_CARDINAL, 32, 1, &allDesktops);
    free(reply); // NOLINT(cppcoreguidelines-no-malloc): xcb's replies are malloc'd
    xcb_flush(connection);
}

} // namespace

SubtitlesWindowManager::SubtitlesWindowManager(QQmlEngine& engine, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
{ }

SubtitlesWindowManager::~SubtitlesWindowManager() = default;

QRect SubtitlesWindowManager::panelFrame(const QRect& visibleFrame, double bottomOffset)
{
    const int offset = static_cast<int>(std::lround(bottomOffset));
    return {visibleFrame.x(), visibleFrame.y() + offset, visibleFrame.width(), panelHeight};
}

Qt::WindowFlags SubtitlesWindowManager::panelFlags()
{
    // Above everything (the window manager's "above" layer), no focus, no
    // taskbar entry, and no input: clicks reach the window below.
    return Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint
        | Qt::WindowTransparentForInput;
}

std::unique_ptr<QQuickWindow> SubtitlesWindowManager::createPanel(
    TranslationViewModel& viewModel, AppSettings& settings, bool isPreview)
{
    if (!mainVisibleFrame())
        return nullptr;
    auto panel = std::make_unique<QQuickWindow>();
    panel->setFlags(panelFlags());
    QSurfaceFormat format = panel->requestedFormat();
    format.setAlphaBufferSize(8);
    panel->setFormat(format);
    panel->setColor(Qt::transparent);
    const auto retitle
        = [shown = panel.get(), isPreview] { shown->setTitle(isPreview ? tr("Subtitles Preview") : tr("Subtitles")); };
    retitle();
    onLanguageChange(panel.get(), retitle);
    panel->create();
    putOnAllWorkspaces(*panel);

    QQmlComponent component(&m_engine, QUrl(QStringLiteral("qrc:/Tolvaran/Ui/subtitles/SubtitlesView.qml")));
    // Qt 6.4 crashes when a component that is not ready is asked for an object.
    if (!component.isReady()) {
        qCCritical(lcSubtitles, "The subtitles view could not be made: %s", qUtf8Printable(component.errorString()));
        return panel;
    }
    QObject* object
        = component.createWithInitialProperties({{QStringLiteral("viewModel"), QVariant::fromValue(&viewModel)},
            {QStringLiteral("settings"), QVariant::fromValue(&settings)}, {QStringLiteral("isPreview"), isPreview}});
    auto* content = qobject_cast<QQuickItem*>(object);
    if (!content) {
        qCCritical(lcSubtitles, "The subtitles view could not be made: %s", qUtf8Printable(component.errorString()));
        delete object;
        return panel;
    }
    content->setParentItem(panel->contentItem());
    content->setParent(panel.get());
    const auto fit = [item = content, window = panel.get()] { item->setSize(window->size()); };
    connect(panel.get(), &QWindow::widthChanged, content, fit);
    connect(panel.get(), &QWindow::heightChanged, content, fit);
    fit();
    return panel;
}

void SubtitlesWindowManager::place(QQuickWindow* panel)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!panel || !m_settings || !screen)
        return;
    const BottomLeftSpace space(screen->geometry());
    const QRect frame = panelFrame(space.fromQt(screen->availableGeometry()), m_settings->subtitleBottomOffset());
    panel->setGeometry(space.toQt(frame));
}

void SubtitlesWindowManager::show(TranslationViewModel& viewModel, AppSettings& settings)
{
    m_viewModel = &viewModel;
    m_settings = &settings;
    if (!m_panel)
        m_panel = createPanel(viewModel, settings, false);
    if (!m_panel)
        return;
    updatePosition();
    m_panel->show();
    m_panel->raise();
}

void SubtitlesWindowManager::hide()
{
    if (m_panel)
        m_panel->hide();
}

void SubtitlesWindowManager::showPreview(TranslationViewModel& viewModel, AppSettings& settings)
{
    m_viewModel = &viewModel;
    m_settings = &settings;
    if (!m_previewPanel)
        m_previewPanel = createPanel(viewModel, settings, true);
    if (!m_previewPanel)
        return;
    updatePreviewPosition();
    m_previewPanel->show();
    m_previewPanel->raise();
}

void SubtitlesWindowManager::hidePreview()
{
    if (m_previewPanel)
        m_previewPanel->hide();
}

void SubtitlesWindowManager::updatePosition()
{
    place(m_panel.get());
}

void SubtitlesWindowManager::updatePreviewPosition()
{
    place(m_previewPanel.get());
}

} // namespace tolvaran
