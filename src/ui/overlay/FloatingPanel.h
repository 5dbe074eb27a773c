#pragma once

#include <QQuickWindow>
#include <QRect>
#include <QSize>
#include <QtQml/qqml.h>

namespace tolvaran {

// A borderless panel that floats over other windows without taking the
// keyboard focus, with a translucent background. It is a utility window: no
// taskbar entry, and window managers keep it above the program's own windows
// (the settings window whose changes the preview shows). Levels: 0 (normal)
// and 3 (floating) let other programs' windows cover it; 1000 (pinned above
// all) keeps it above every ordinary window while the user works elsewhere.
// None of them bypasses the window manager, which still moves, resizes and
// stacks the panel.
class FloatingPanel : public QQuickWindow
{
    Q_OBJECT
    Q_PROPERTY(int level READ level NOTIFY levelChanged)
    // Named so that a view can ask its window for room (setIdealWidth).
    QML_ELEMENT
    QML_UNCREATABLE("The window managers make the panels")

public:
    static constexpr int normalLevel = 0;
    static constexpr int floatingLevel = 3;
    static constexpr int pinnedLevel = 1000;

    static Qt::WindowFlags flagsForLevel(int level);

    // frame: in bottom-left coordinates of the primary screen. Nullptr when
    // there is no screen to place it on.
    static FloatingPanel* titledTransparent(const QRect& frame, const QSize& minSize, const QString& title = {});

    int level() const { return m_level; }

    void setLevel(int level);

    // Moves and resizes the panel to frame (bottom-left coordinates) in a
    // short animation.
    void animateToFrame(const QRect& frame, int milliseconds = 250);

    // The width the content would like: a panel narrower than that widens,
    // keeping its right edge and staying on the screen; asked for less again,
    // it gives back what it took, unless it has been resized since. Animated
    // over `milliseconds`.
    Q_INVOKABLE void setIdealWidth(int width, int milliseconds);

    // The width last asked for; 0 when none.
    int idealWidth() const { return m_idealWidth; }

    // The panel was given width where its own would be baseWidth, for
    // content that asks for idealWidth: it gives the room back as if it
    // had widened itself.
    void setWidened(int baseWidth, int width, int idealWidth);

signals:
    void levelChanged();

protected:
    bool event(QEvent* event) override;

private:
    FloatingPanel();

    int m_level = floatingLevel;
    // The width before the last widening, and the width it set; 0 when none.
    int m_widthBeforeWidening = 0;
    int m_widenedTo = 0;
    int m_idealWidth = 0;
};

} // namespace tolvaran
