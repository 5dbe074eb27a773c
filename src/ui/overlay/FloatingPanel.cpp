#include "FloatingPanel.h"

#include "OverlayGeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVariantAnimation>

namespace tolvaran {

FloatingPanel::FloatingPanel()
{
    setFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowStaysOnTopHint);
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
    setFlag(Qt::WindowStaysOnTopHint, level != normalLevel);
    emit levelChanged();
}

void FloatingPanel::animateToFrame(const QRect& frame)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    auto* animation = new QVariantAnimation(this);
    animation->setStartValue(geometry());
    animation->setEndValue(BottomLeftSpace(screen->geometry()).toQt(frame));
    animation->setDuration(250);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    connect(animation, &QVariantAnimation::valueChanged, this,
        [this](const QVariant& value) { setGeometry(value.toRect()); });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

} // namespace tolvaran
