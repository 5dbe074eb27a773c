import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tolvaran.Ui

// A labelled switch of the panel: symbol and text on the left, the switch on
// the right (the other way round in a right-to-left language).
T.Switch {
    id: control

    property string iconName

    Layout.fillWidth: true
    implicitWidth: implicitContentWidth + implicitIndicatorWidth + leftPadding + rightPadding + spacing
    implicitHeight: Math.max(implicitContentHeight, implicitIndicatorHeight) + topPadding + bottomPadding
    // As the plain buttons below, so that the symbols line up.
    leftPadding: 4
    rightPadding: 2
    topPadding: 2
    bottomPadding: 2
    spacing: 8
    hoverEnabled: true
    font: AppTheme.body

    indicator: Rectangle {
        x: control.mirrored ? control.leftPadding : control.width - width - control.rightPadding
        y: control.topPadding + (control.availableHeight - height) / 2
        implicitWidth: 30
        implicitHeight: 18
        radius: height / 2
        color: control.checked ? AppTheme.blue : AppTheme.alpha(AppTheme.grey, control.hovered ? 0.45 : 0.35)

        Behavior on color {
            ColorAnimation {
                duration: AppTheme.hoverAnimationDuration
                easing.type: AppTheme.animationEasing
            }
        }

        Rectangle {
            width: parent.height - 4
            height: width
            radius: width / 2
            y: 2
            // On is towards the end of the line: the right, or the left
            // right to left.
            x: control.checked !== control.mirrored ? parent.width - width - 2 : 2
            color: "white"
            border.width: 0.5
            border.color: AppTheme.alpha("#000000", 0.15)

            Behavior on x {
                NumberAnimation {
                    duration: AppTheme.contentTransitionDuration
                    easing.type: AppTheme.animationEasing
                }
            }
        }
    }

    contentItem: SymbolLabel {
        leftPadding: control.mirrored ? control.indicator.width + control.spacing : 0
        rightPadding: control.mirrored ? 0 : control.indicator.width + control.spacing
        iconName: control.iconName
        iconSize: AppTheme.bodySize
        iconColor: AppTheme.secondary
        text: control.text
        font: control.font
        color: AppTheme.primary
    }
}
