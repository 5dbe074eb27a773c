import QtQuick
import Tolvaran.Ui

// The tab button of the playback window. The active fill is a lighter grey
// than the toolbar's, so that its text reads at 4.5:1 on dark desktops too.
ToolbarTabButton {
    id: control

    focusPolicy: Qt.NoFocus

    background: Rectangle {
        radius: AppTheme.capsuleRadius
        color: control.isActive ? AppTheme.alpha(AppTheme.grey, 0.5)
                                : control.hovered ? AppTheme.alpha(AppTheme.grey, 0.3) : "transparent"

        Behavior on color {
            ColorAnimation {
                duration: AppTheme.hoverAnimationDuration
                easing.type: AppTheme.animationEasing
            }
        }
    }
}
