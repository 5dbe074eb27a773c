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

namespace tolvaran::OverlayGeometry {

bool isReachable(const QRect& frame, const QList<QRect>& availableAreas)
{
    return std::any_of(availableAreas.begin(), availableAreas.end(), [&frame](const QRect& area) {
        const QRect part = frame.intersected(area);
        return part.width() >= reachablePart.width() && part.height() >= reachablePart.height();
    });
}

bool isReachable(const QRect& frame)
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return isReachable(frame, areas);
}

} // namespace tolvaran::OverlayGeometry
