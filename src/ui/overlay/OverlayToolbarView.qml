import QtQuick
import QtQuick.Controls
import Tolvaran.Ui

// The overlay's controls at its top trailing edge: display mode, pin,
// subtitles mode and font size. Every label follows the settings.
Item {
    id: toolbar

    required property AppSettings settings

    implicitHeight: 10 + pill.height
    implicitWidth: pill.width + 20

    Rectangle {
        id: pill

        y: 10
        anchors.right: parent.right
        anchors.rightMargin: 20
        width: buttons.implicitWidth + 8
        height: buttons.implicitHeight + 6
        radius: height / 2
        color: AppTheme.material
        border.width: 0.5
        border.color: AppTheme.alpha(AppTheme.primary, 0.08)

        Row {
            id: buttons

            anchors.centerIn: parent
            spacing: 2

            ToolbarTextButton {
                anchors.verticalCenter: parent.verticalCenter
                iconName: "arrow.triangle.2.circlepath"
                text: Texts.displayModeLabel(toolbar.settings.displayMode)
                ToolTip.visible: hovered
                ToolTip.delay: AppTheme.toolTipDelay
                ToolTip.text: qsTr("Cycle display mode")
                onClicked: OverlayStyle.cycleDisplayMode(toolbar.settings)
            }

            ToolbarIconButton {
                anchors.verticalCenter: parent.verticalCenter
                iconName: toolbar.settings.isPinnedAboveAll ? "pin.fill" : "pin.slash"
                ToolTip.visible: hovered
                ToolTip.delay: AppTheme.toolTipDelay
                ToolTip.text: toolbar.settings.isPinnedAboveAll ? qsTr("Unpin from top") : qsTr("Pin above all windows")
                Accessible.name: ToolTip.text
                onClicked: toolbar.settings.isPinnedAboveAll = !toolbar.settings.isPinnedAboveAll
            }

            ToolbarIconButton {
                anchors.verticalCenter: parent.verticalCenter
                iconName: toolbar.settings.isSubtitlesMode ? "captions.bubble.fill" : "captions.bubble"
                ToolTip.visible: hovered
                ToolTip.delay: AppTheme.toolTipDelay
                ToolTip.text: toolbar.settings.isSubtitlesMode ? qsTr("Exit subtitles mode") : qsTr("Subtitles mode")
                Accessible.name: ToolTip.text
                onClicked: toolbar.settings.isSubtitlesMode = !toolbar.settings.isSubtitlesMode
            }

            ToolbarIconButton {
                readonly property string help: Texts.fontSizeHelp(toolbar.settings.fontSizePreset)

                objectName: "fontSizeButton"
                anchors.verticalCenter: parent.verticalCenter
                iconName: "textformat.size"
                Accessible.name: help
                ToolTip.visible: hovered
                ToolTip.delay: AppTheme.toolTipDelay
                ToolTip.text: help
                onClicked: toolbar.settings.cycleFontSize()
            }
        }
    }
}
