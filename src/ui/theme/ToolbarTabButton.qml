import QtQuick
import QtQuick.Templates as T
import Tolvaran.Ui

// A segment of a tab bar; the active one keeps its grey fill.
T.Button {
    id: control

    property bool isActive: false

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: AppTheme.compactButtonPadding
    rightPadding: AppTheme.compactButtonPadding
    topPadding: 5
    bottomPadding: 5
    hoverEnabled: true
    font: Qt.font({ pixelSize: AppTheme.calloutSize })
    opacity: enabled ? 1 : 0.45

    contentItem: Text {
        text: control.text
        textFormat: Text.PlainText
        font: control.font
        color: AppTheme.primary
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }

    background: Rectangle {
        radius: AppTheme.capsuleRadius
        color: control.isActive ? AppTheme.grey : control.hovered ? AppTheme.alpha(AppTheme.grey, 0.3) : "transparent"

        Behavior on color {
            ColorAnimation {
                duration: AppTheme.hoverAnimationDuration
                easing.type: AppTheme.animationEasing
            }
        }
    }
}
