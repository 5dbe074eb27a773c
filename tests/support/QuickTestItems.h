#pragma once

#include "UiEngine.h"

#include <QQmlEngine>
#include <QQuickItem>

namespace tolvaran::test {

// An engine that finds the program's QML module, as the program's own does.
struct PreparedEngine : QQmlEngine
{
    PreparedEngine() { ui::prepareEngine(*this); }
};

// The first item in item's tree, item included, with this objectName.
inline QQuickItem* findNamed(QQuickItem* item, const QString& name)
{
    if (item->objectName() == name)
        return item;
    for (QQuickItem* child : item->childItems())
        if (QQuickItem* found = findNamed(child, name))
            return found;
    return nullptr;
}

} // namespace tolvaran::test
