#include "InterfaceDirection.h"

#include <QGuiApplication>

namespace tolvaran {

InterfaceDirection::InterfaceDirection(QObject* parent)
    : QObject(parent)
{
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        connect(application, &QGuiApplication::layoutDirectionChanged, this, &InterfaceDirection::isRightToLeftChanged);
}

bool InterfaceDirection::isRightToLeft()
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft;
}

} // namespace tolvaran
