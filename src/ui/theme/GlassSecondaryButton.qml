import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tolvaran.Ui

// The quieter full-width button: a light fill and a thin border.
T.Button {
    id: control

    property string iconName
    property real iconSize: AppTheme.title2Size

    Layout.fillWidth: true
    implicitWidth: implicitContentWidth + leftPadding + rightPadding
    implicitHeight: implicitContentHeight + topPadding + bottomPadding
    leftPadding: AppTheme.buttonPadding
    rightPadding: AppTheme.buttonPadding
    topPadding: 8
    bottomPadding: 8
    hoverEnabled: true
    font: AppTheme.headline
    opacity: enabled ? 1 : 0.45
    scale: down ? 0.98 : 1

    Behavior on scale {
        NumberAnimation {
            duration: AppTheme.pressAnimationDuration
            easing.type: AppTheme.animationEasing
        }
    }

    // No id inside: the item stays deferred, so a button that brings its own
    // contentItem never makes this one.
    contentItem: Item {
        // The label's own size: childrenRect would follow its centring and
        // loop back into this size.
        implicitWidth: children[0].implicitWidth
        implicitHeight: children[0].implicitHeight

        SymbolLabel {
            anchors.centerIn: parent
            iconName: control.iconName
            iconSize: control.iconSize
            text: control.text
            font: control.font
            color: AppTheme.primary
        }
    }

    background: Rectangle {
        radius: AppTheme.capsuleRadius
        color: control.hovered ? AppTheme.hoverBg : AppTheme.alpha(AppTheme.primary, 0.06)
        border.width: 1
        border.color: AppTheme.alpha(AppTheme.primary, 0.1)

        Behavior on color {
            ColorAnimation {
                duration: AppTheme.hoverAnimationDuration
                easing.type: AppTheme.animationEasing
            }
        }
    }
}
