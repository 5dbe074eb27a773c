import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tolvaran.Ui

// The prominent full-width action button, filled with its tint.
T.Button {
    id: control

    property color tint: AppTheme.blue
    // The tint, deep enough for the white label to read on it.
    readonly property color fill: TextColors.fillUnderWhite(tint, 0.8, AppTheme.material)
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
            color: AppTheme.textOn(TextColors.over(AppTheme.alpha(control.fill, 0.8), AppTheme.material))
        }
    }

    background: Rectangle {
        radius: AppTheme.capsuleRadius
        color: AppTheme.alpha(control.fill, control.down ? 0.6 : 0.8)
    }
}
