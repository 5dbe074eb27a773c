#include "TickedAnimation.h"

#include <QVariant>

#include <algorithm>
#include <cmath>

namespace tolvaran {

TickedAnimation::~TickedAnimation()
{
    FrameTicker::instance().remove(this);
}

void TickedAnimation::start()
{
    if (!m_target)
        return;
    m_from = m_target->property(m_property.toUtf8().constData()).toDouble();
    m_started.start();
    // The first step comes with the next tick, together with everything else
    // that moves.
    setRunning(true);
}

void TickedAnimation::stop()
{
    setRunning(false);
}

void TickedAnimation::tick()
{
    if (!m_target) {
        setRunning(false);
        return;
    }
    const double progress = m_duration > 0 ? std::min(1.0, double(m_started.elapsed()) / m_duration) : 1.0;
    const double eased = QEasingCurve(QEasingCurve::Type(m_easing)).valueForProgress(progress);
    double value = progress >= 1.0 ? m_to : m_from + (m_to - m_from) * eased;
    if (m_snap > 0 && progress < 1.0)
        value = std::round(value / m_snap) * m_snap;
    const QByteArray name = m_property.toUtf8();
    if (m_target->property(name.constData()).toDouble() != value)
        m_target->setProperty(name.constData(), value);
    if (progress >= 1.0)
        setRunning(false);
}

void TickedAnimation::setRunning(bool running)
{
    if (running)
        FrameTicker::instance().add(this);
    else
        FrameTicker::instance().remove(this);
    if (running == m_running)
        return;
    m_running = running;
    emit runningChanged();
}

} // namespace tolvaran
