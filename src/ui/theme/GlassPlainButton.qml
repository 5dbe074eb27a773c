import QtQuick
import QtQuick.Templates as T
import Tolvaran.Ui

// A small icon (or text) button that shows a fill only under the mouse.
T.Button {
    id: control

    property string iconName
    property real iconSize: AppTheme.bodySize
    property color color: AppTheme.primary

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    padding: 4
    hoverEnabled: true
    font: AppTheme.body
    opacity: enabled ? 1 : 0.45

    contentItem: SymbolLabel {
        iconName: control.iconName
        iconSize: control.iconSize
        text: control.text
        font: control.font
        color: control.color
    }

    background: Rectangle {
        radius: 6
        color: control.hovered ? AppTheme.hoverBg : "transparent"

        Behavior on color {
            ColorAnimation {
                duration: AppTheme.hoverAnimationDuration
                easing.type: AppTheme.animationEasing
            }
        }
    }
}
