#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

struct xcb_connection_t;

namespace tolvaran::test {

// The X display in DISPLAY as a user meets it: what is on the screen, where
// the desktop's panels leave room, and a mouse whose presses, moves and
// releases arrive as real input (XTEST), through the window manager.
class XDesktop
{
public:
    XDesktop();
    ~XDesktop();
    XDesktop(const XDesktop&) = delete;
    XDesktop& operator=(const XDesktop&) = delete;

    bool isOpen() const { return m_connection != nullptr; }

    // The work area the window manager announces (_NET_WORKAREA): the
    // screen without docks such as the tray; the whole screen without one.
    QRect workArea() const;
    // The whole screen as it is shown, composited.
    QImage picture() const;
    // Whether a tray host holds the system tray of the screen.
    bool hasTrayHost() const;
    // The window of this X class embedded in the tray host's panel: an
    // application's tray item.
    std::optional<QRect> trayItem(const QString& windowClass) const;

    // Where the X server has a shown window of this X class and size now,
    // while the window manager moves it, before the program hears of it.
    std::optional<QRect> windowOf(const QString& windowClass, const QSize& size) const;

    void moveTo(const QPoint& point) const;
    void press() const;
    void release() const;
    void click(const QPoint& point) const;

private:
    xcb_connection_t* m_connection = nullptr;
    unsigned int m_root = 0;
    QRect m_screen;
};

} // namespace tolvaran::test
