import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// A setting that is on or off: an optional icon, its label and a switch.
RowLayout {
    id: switchRow

    property string label
    property string help
    property string iconName
    property bool checked
    readonly property alias control: toggle
    signal toggled(bool on)

    Layout.fillWidth: true
    spacing: 6

    SymbolImage {
        visible: switchRow.iconName !== ""
        name: switchRow.iconName
        size: 13
        color: TextColors.readable(AppTheme.palette.text, AppTheme.palette.base)
    }
    CardText {
        Layout.fillWidth: true
        text: switchRow.label
        opacity: switchRow.enabled ? 1 : 0.75
    }
    Switch {
        id: toggle
        objectName: "switch"
        checked: switchRow.checked
        // The style's own track is grey on grey in a dark palette; an
        // outline in the secondary text colour shows an off switch.
        indicator: Rectangle {
            objectName: "switchTrack"
            x: toggle.leftPadding
            y: (toggle.height - height) / 2
            implicitWidth: 34
            implicitHeight: 18
            radius: height / 2
            color: toggle.checked ? AppTheme.palette.highlight : AppTheme.palette.base
            border.width: 1
            border.color: toggle.checked ? AppTheme.palette.highlight : TextColors.label(AppTheme.palette.base, TextColors.Secondary)
            opacity: toggle.enabled ? 1 : 0.5

            Rectangle {
                // On is towards the end of the line, the left right to left.
                x: toggle.checked !== toggle.mirrored ? parent.width - width - 3 : 3
                anchors.verticalCenter: parent.verticalCenter
                width: parent.height - 6
                height: width
                radius: width / 2
                color: toggle.checked ? AppTheme.palette.highlightedText : parent.border.color
                Behavior on x {
                    NumberAnimation {
                        duration: 120
                    }
                }
            }
        }
        onToggled: {
            switchRow.toggled(checked);
            // What the setting really holds, also when it refused.
            checked = Qt.binding(() => switchRow.checked);
        }
        ToolTip.visible: switchRow.help !== "" && hovered
        ToolTip.text: switchRow.help
        ToolTip.delay: AppTheme.helpToolTipDelay
    }
}
