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
    // Looked up once, not by name on every step.
    const QMetaObject* type = m_target->metaObject();
    m_targetProperty = type->property(type->indexOfProperty(m_property.toUtf8().constData()));
    if (!m_targetProperty.isValid())
        return;
    m_animated = m_target;
    m_from = m_targetProperty.read(m_animated).toDouble();
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
    if (!m_animated || !m_targetProperty.isValid()) {
        setRunning(false);
        return;
    }
    const double progress = m_duration > 0 ? std::min(1.0, double(m_started.elapsed()) / m_duration) : 1.0;
    const double eased = QEasingCurve(QEasingCurve::Type(m_easing)).valueForProgress(progress);
    double value = progress >= 1.0 ? m_to : m_from + (m_to - m_from) * eased;
    if (m_snap > 0 && progress < 1.0)
        value = std::round(value / m_snap) * m_snap;
    if (m_targetProperty.read(m_animated).toDouble() != value)
        m_targetProperty.write(m_animated, value);
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
