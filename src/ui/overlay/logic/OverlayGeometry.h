#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <optional>

namespace tolvaran {

// Window positions are reasoned about from the bottom-left corner of the
// primary screen, with y growing upwards; Qt places windows from the top-left
// with y growing downwards. Positions are converted here and nowhere else.
class BottomLeftSpace
{
public:
    // primaryScreen: the primary screen's full geometry in Qt's coordinates.
    explicit BottomLeftSpace(const QRect& primaryScreen)
        : m_bottom(primaryScreen.y() + primaryScreen.height())
    { }

    QRect fromQt(const QRect& rect) const
    {
        return {rect.x(), m_bottom - rect.y() - rect.height(), rect.width(), rect.height()};
    }

    QRect toQt(const QRect& rect) const
    {
        return {rect.x(), m_bottom - rect.y() - rect.height(), rect.width(), rect.height()};
    }

private:
    int m_bottom;
};

// The primary screen's area without panels and docks, from the bottom-left;
// none without a screen.
std::optional<QRect> mainVisibleFrame();

namespace OverlayGeometry {

inline constexpr QSize panelSize{500, 350};
inline constexpr QSize minimumSize{350, 200};
// The overlay's content grows to 600 tall, inside 5 points of margin above
// and below; it has no widest (Qt's largest window width).
inline constexpr QSize maximumSize{(1 << 24) - 1, 600 + 2 * 5};
// The preview's content, which fills its panel.
inline constexpr QSize previewMinimumSize{400, 200};
inline constexpr QSize previewMaximumSize{700, 600};
inline constexpr int margin = 20;
// The width the overlay's content would like, with both languages side by
// side and with one.
inline constexpr int idealWidthSideBySide = 800;
inline constexpr int idealWidthOneColumn = 500;

// Both take and give bottom-left coordinates. The overlay sits 20 points in
// from the bottom-right corner of the visible frame, as wide as asked within
// it; the preview is centred.
QRect overlayFrame(const QRect& visibleFrame, int width = panelSize.width());
QRect previewFrame(const QRect& visibleFrame);

// How much of a remembered overlay must lie on one screen for it to open
// there: enough to see it and drag it back.
inline constexpr QSize reachablePart{100, 50};

// Whether a panel at frame has at least reachablePart on one of the given
// available areas (frame and areas in Qt's coordinates). A frame left where
// a monitor was unplugged has none.
bool isReachable(const QRect& frame, const QList<QRect>& availableAreas);
// The same on the screens there are now.
bool isReachable(const QRect& frame);

} // namespace OverlayGeometry

} // namespace tolvaran
