#pragma once

#include "FrameTicker.h"

#include <QEasingCurve>
#include <QElapsedTimer>
#include <QMetaProperty>
#include <QObject>
#include <QPointer>
#include <QtQml/qqmlregistration.h>

namespace tolvaran {

// A number animation that steps on the overlay's shared frame ticker instead
// of the window's own animation clock, which on a display without vertical
// sync draws as fast as it can.
class TickedAnimation : public QObject, public FrameTicker::Client
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QObject* target MEMBER m_target NOTIFY changed)
    Q_PROPERTY(QString property MEMBER m_property NOTIFY changed)
    Q_PROPERTY(double to MEMBER m_to NOTIFY changed)
    Q_PROPERTY(int duration MEMBER m_duration NOTIFY changed)
    // A QEasingCurve type, as QML's Easing values are.
    Q_PROPERTY(int easing MEMBER m_easing NOTIFY changed)
    // Values are rounded to whole multiples of this; 0 keeps them as they are.
    // A scroll in whole pixels keeps text sharp, and the last steps of an
    // easing that move less than a pixel draw no frame.
    Q_PROPERTY(double snap MEMBER m_snap NOTIFY changed)
    Q_PROPERTY(bool running READ isRunning NOTIFY runningChanged)

public:
    using QObject::QObject;
    ~TickedAnimation() override;

    bool isRunning() const { return m_running; }

    // From the target's current value to `to`; a running one starts over.
    Q_INVOKABLE void start();
    Q_INVOKABLE void stop();

    void tick() override;

signals:
    void changed();
    void runningChanged();

private:
    void setRunning(bool running);

    QPointer<QObject> m_target;
    QString m_property;
    // What start() found: a change of target takes effect at the next start.
    QPointer<QObject> m_animated;
    QMetaProperty m_targetProperty;
    double m_to = 0;
    int m_duration = 250;
    int m_easing = QEasingCurve::InOutQuad;
    double m_snap = 0;
    double m_from = 0;
    QElapsedTimer m_started;
    bool m_running = false;
};

} // namespace tolvaran
