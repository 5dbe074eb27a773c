import QtQuick
import QtQuick.Templates as T
import Tolvaran.Ui

// A round icon button of a toolbar.
T.Button {
    id: control

    property string iconName

    implicitWidth: 16 + leftPadding + rightPadding
    implicitHeight: 16 + topPadding + bottomPadding
    padding: 6
    hoverEnabled: true
    opacity: enabled ? 1 : 0.45

    contentItem: SymbolImage {
        name: control.iconName
        size: 12
        color: AppTheme.secondary
    }

    background: Rectangle {
        radius: AppTheme.capsuleRadius
        color: control.hovered ? AppTheme.alpha(AppTheme.grey, 0.3) : "transparent"

        Behavior on color {
            ColorAnimation {
                duration: AppTheme.hoverAnimationDuration
                easing.type: AppTheme.animationEasing
            }
        }
    }
}
