#include "FloatingPanel.h"

#include "FrameTicker.h"
#include "OverlayGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariantAnimation>

#include <algorithm>

namespace tolvaran {

Qt::WindowFlags FloatingPanel::flagsForLevel(int level)
{
    Qt::WindowFlags flags = Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus;
    if (level >= pinnedLevel)
        flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

FloatingPanel::FloatingPanel()
{
    setFlags(flagsForLevel(m_level));
    QSurfaceFormat format = requestedFormat();
    format.setAlphaBufferSize(8);
    setFormat(format);
    setColor(Qt::transparent);
}

FloatingPanel* FloatingPanel::titledTransparent(const QRect& frame, const QSize& minSize, const QString& title)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return nullptr;
    auto* panel = new FloatingPanel;
    panel->setMinimumSize(minSize);
    panel->setGeometry(BottomLeftSpace(screen->geometry()).toQt(frame));
    if (!title.isEmpty())
        panel->setTitle(title);
    return panel;
}

void FloatingPanel::setLevel(int level)
{
    if (level == m_level)
        return;
    m_level = level;
    // Changing the hint on a hidden panel does not show it.
    setFlags(flagsForLevel(level));
    emit levelChanged();
}

bool FloatingPanel::event(QEvent* event)
{
    // While text types or the list scrolls, frames follow the overlay's
    // ticker: a change between two ticks (a new result, a size settling
    // after a frame) is drawn with the next tick rather than in a frame of
    // its own.
    if (event->type() == QEvent::UpdateRequest && !FrameTicker::instance().isInTick()) {
        FrameTicker::instance().updateWithNextTick(this);
        return true;
    }
    return QQuickWindow::event(event);
}

void FloatingPanel::setWidened(int baseWidth, int width, int idealWidth)
{
    m_idealWidth = idealWidth;
    m_widthBeforeWidening = width > baseWidth ? baseWidth : 0;
    m_widenedTo = width > baseWidth ? width : 0;
}

void FloatingPanel::setIdealWidth(int width, int milliseconds)
{
    m_idealWidth = width;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    int target = 0;
    if (width > this->width()) {
        target = std::min(width, screen->availableGeometry().width());
        m_widthBeforeWidening = this->width();
        m_widenedTo = target;
    } else if (m_widthBeforeWidening > 0 && this->width() == m_widenedTo) {
        target = std::max(width, m_widthBeforeWidening);
        m_widthBeforeWidening = 0;
    } else {
        m_widthBeforeWidening = 0;
        return;
    }
    QRect frame = geometry();
    frame.setLeft(frame.right() + 1 - target);
    const QRect available = screen->availableGeometry();
    if (frame.left() < available.left())
        frame.moveLeft(available.left());
    animateToFrame(BottomLeftSpace(screen->geometry()).fromQt(frame), milliseconds);
}

void FloatingPanel::animateToFrame(const QRect& frame, int milliseconds)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(geometry());
    animation->setEndValue(BottomLeftSpace(screen->geometry()).toQt(frame));
    animation->setDuration(milliseconds);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(animation, &QVariantAnimation::valueChanged, this,
        [this](const QVariant& value) { setGeometry(value.toRect()); });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace tolvaran
