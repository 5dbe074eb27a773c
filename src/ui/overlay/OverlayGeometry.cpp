#include "OverlayGeometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace tolvaran {

std::optional<QRect> mainVisibleFrame()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return std::nullopt;
    return BottomLeftSpace(screen->geometry()).fromQt(screen->availableGeometry());
}

} // namespace tolvaran

namespace tolvaran::OverlayGeometry {

QRect overlayFrame(const QRect& visibleFrame, int width)
{
    width = std::min(width, visibleFrame.width());
    const int right = visibleFrame.x() + visibleFrame.width();
    const int x = std::max(visibleFrame.x(), right - width - margin);
    return {QPoint(x, visibleFrame.y() + margin), QSize(width, panelSize.height())};
}

QRect previewFrame(const QRect& visibleFrame)
{
    const QPoint centre(visibleFrame.x() + visibleFrame.width() / 2, visibleFrame.y() + visibleFrame.height() / 2);
    return {centre - QPoint(panelSize.width() / 2, panelSize.height() / 2), panelSize};
}

} // namespace tolvaran::OverlayGeometry
