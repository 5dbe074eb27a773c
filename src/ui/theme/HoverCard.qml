import QtQuick
import QtQuick.Templates as T
import Tolvaran.Ui

// A list row on a card that lights up under the mouse; clickable as a
// button. Put the row's content into contentItem.
T.AbstractButton {
    id: card

    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    padding: 8
    hoverEnabled: true

    background: Rectangle {
        radius: 8
        color: card.hovered ? AppTheme.alpha(AppTheme.hoverBg, AppTheme.hoverBg.a * 0.5) : AppTheme.cardBg

        Behavior on color {
            ColorAnimation {
                duration: AppTheme.hoverAnimationDuration
                easing.type: AppTheme.animationEasing
            }
        }
    }
}
