#pragma once

#include <QQuickWindow>
#include <QRect>
#include <QSize>

namespace tolvaran {

// A borderless panel that floats over other windows without taking the
// keyboard focus, with a translucent background. Levels: 0 is an ordinary
// window, 3 (floating) and 1000 (pinned above all) stay on top.
class FloatingPanel : public QQuickWindow
{
    Q_OBJECT
    Q_PROPERTY(int level READ level NOTIFY levelChanged)

public:
    static constexpr int normalLevel = 0;
    static constexpr int floatingLevel = 3;
    static constexpr int pinnedLevel = 1000;

    // frame: in bottom-left coordinates of the primary screen. Nullptr when
    // there is no screen to place it on.
    static FloatingPanel* titledTransparent(const QRect& frame, const QSize& minSize, const QString& title = {});

    int level() const { return m_level; }

    void setLevel(int level);

    // Moves and resizes the panel to frame (bottom-left coordinates) in a
    // short animation.
    void animateToFrame(const QRect& frame);

signals:
    void levelChanged();

private:
    FloatingPanel();

    int m_level = floatingLevel;
};

} // namespace tolvaran
