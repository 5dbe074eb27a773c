#include "OverlayGeometry.h"

namespace tolvaran::OverlayGeometry {

QRect overlayFrame(const QRect& visibleFrame)
{
    const int right = visibleFrame.x() + visibleFrame.width();
    return {QPoint(right - panelSize.width() - margin, visibleFrame.y() + margin), panelSize};
}

QRect previewFrame(const QRect& visibleFrame)
{
    const QPoint centre(visibleFrame.x() + visibleFrame.width() / 2, visibleFrame.y() + visibleFrame.height() / 2);
    return {centre - QPoint(panelSize.width() / 2, panelSize.height() / 2), panelSize};
}

} // namespace tolvaran::OverlayGeometry
