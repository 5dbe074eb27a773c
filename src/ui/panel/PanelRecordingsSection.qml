pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls as Controls
import QtQuick.Layouts
import Tolvaran.Ui

// The newest recordings, each to open or move to the trash, and a button
// that opens their folder.
ColumnLayout {
    id: section

    required property TranslationViewModel viewModel
    required property PanelModel model

    // The section keeps the tallest height it had since the panel appeared:
    // deleting a row leaves room instead of moving the footer (and "Quit")
    // up under the pointer.
    property real heldHeight: 0

    // Each time the panel appears, it holds only what it needs now.
    function appeared() {
        heldHeight = implicitHeight
    }

    objectName: "recordings"
    Layout.preferredHeight: Math.max(implicitHeight, heldHeight)
    onImplicitHeightChanged: heldHeight = Math.max(heldHeight, implicitHeight)
    Component.onCompleted: heldHeight = implicitHeight
    spacing: 6

    RowLayout {
        Layout.fillWidth: true
        Text {
            text: qsTr("Recordings")
            textFormat: Text.PlainText
            font: AppTheme.subheadline
            color: AppTheme.secondary
        }
        Item {
            Layout.fillWidth: true
        }
        GlassPlainButton {
            objectName: "openFolderButton"
            iconName: "folder"
            iconSize: AppTheme.bodySize
            color: AppTheme.secondary
            Controls.ToolTip.visible: hovered
            Controls.ToolTip.delay: AppTheme.toolTipDelay
            Controls.ToolTip.text: qsTr("Open recordings folder")
            Accessible.name: Controls.ToolTip.text
            onClicked: section.model.openRecordingsFolder()
        }
    }

    // Where no file manager opened the folder: say so, and where
    // it is, to copy.
    TextEdit {
        objectName: "folderMessage"
        Layout.fillWidth: true
        visible: section.model.folderMessage !== ""
        text: section.model.folderMessage
        textFormat: TextEdit.PlainText
        readOnly: true
        selectByMouse: true
        wrapMode: TextEdit.Wrap
        font: AppTheme.caption
        color: AppTheme.orangeText
    }

    Text {
        objectName: "noRecordings"
        visible: section.model.recordingCount === 0
        text: qsTr("No recordings yet")
        textFormat: Text.PlainText
        font: AppTheme.caption
        color: AppTheme.tertiary
    }

    Repeater {
        objectName: "recordingRows"
        model: section.viewModel.recordings.recordingModel

        delegate: HoverCard {
            id: row
            required property int index
            required property string startText
            required property string durationText

            objectName: "recordingRow"
            visible: index < section.model.shownRecordings
            Layout.fillWidth: true
            onClicked: section.model.openRecording(index)
            Accessible.name: qsTr("Recording of %1, %2").arg(startText).arg(durationText)

            contentItem: RowLayout {
                spacing: 8
                SymbolImage {
                    name: "play.circle"
                    size: AppTheme.title3Size
                    color: AppTheme.blue
                }
                ColumnLayout {
                    spacing: 1
                    Text {
                        objectName: "recordingDate"
                        text: row.startText
                        textFormat: Text.PlainText
                        font: AppTheme.caption
                        color: AppTheme.primary
                    }
                    Text {
                        objectName: "recordingDuration"
                        text: row.durationText
                        textFormat: Text.PlainText
                        font: AppTheme.caption2
                        color: AppTheme.secondary
                    }
                }
                Item {
                    Layout.fillWidth: true
                }
                GlassPlainButton {
                    objectName: "deleteRecordingButton"
                    iconName: "trash"
                    Accessible.name: qsTr("Move to Trash")
                    iconSize: AppTheme.captionSize
                    color: AppTheme.secondary
                    background: null
                    onClicked: section.model.deleteRecording(row.index)
                }
            }
        }
    }

    // Takes up the held room at the bottom, below the rows.
    Item {
        Layout.fillHeight: true
    }
}
