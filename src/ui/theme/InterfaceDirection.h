#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tolvaran {

// Whether the interface's language is written right to left (Arabic), for the
// views' LayoutMirroring; it follows a change of language at once.
class InterfaceDirection : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(bool isRightToLeft READ isRightToLeft NOTIFY isRightToLeftChanged)

public:
    explicit InterfaceDirection(QObject* parent = nullptr);

    static bool isRightToLeft();

signals:
    void isRightToLeftChanged();
};

} // namespace tolvaran
