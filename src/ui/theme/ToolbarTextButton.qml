import QtQuick
import QtQuick.Templates as T
import Tolvaran.Ui

// A text button of a toolbar, in a capsule that shows under the mouse.
T.Button {
    id: control

    property string iconName
    property font iconFont: Qt.font({ pixelSize: 11, weight: Font.DemiBold })

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: AppTheme.compactButtonPadding
    rightPadding: AppTheme.compactButtonPadding
    topPadding: 5
    bottomPadding: 5
    hoverEnabled: true
    font: Qt.font({ pixelSize: AppTheme.calloutSize, weight: Font.Medium })
    opacity: enabled ? 1 : 0.45

    contentItem: SymbolLabel {
        iconName: control.iconName
        iconSize: control.iconFont.pixelSize
        text: control.text
        font: control.font
        color: AppTheme.primary
        spacing: 4
    }

    background: Rectangle {
        radius: height / 2
        color: control.hovered ? AppTheme.alpha(AppTheme.grey, 0.2) : "transparent"

        Behavior on color {
            ColorAnimation {
                duration: AppTheme.hoverAnimationDuration
                easing.type: AppTheme.animationEasing
            }
        }
    }
}
