import QtQuick
import QtQuick.Controls as Controls
import QtQuick.Layouts
import Tolvaran.Ui

// The overlay, subtitles and microphone switches, the record button and
// what there is to tell about recording.
ColumnLayout {
    id: section

    required property TranslationViewModel viewModel
    required property AppSettings settings
    required property PanelModel model

    // Without the capture only the notice may show; an empty section would
    // still take the layout's spacing.
    visible: viewModel.hasPermission || viewModel.recordings.recordingNotice !== ""
    spacing: 8

    ColumnLayout {
        objectName: "switches"
        visible: section.viewModel.hasPermission
        Layout.fillWidth: true
        Layout.topMargin: 2
        spacing: 4

        PanelSwitch {
            objectName: "overlaySwitch"
            iconName: "rectangle.on.rectangle"
            text: qsTr("Show Overlay")
            checked: section.viewModel.isOverlayVisible
            onToggled: section.viewModel.isOverlayVisible = checked
        }
        PanelSwitch {
            objectName: "subtitlesSwitch"
            iconName: "captions.bubble"
            text: qsTr("Subtitles")
            checked: section.settings.isSubtitlesMode
            onToggled: section.settings.isSubtitlesMode = checked
        }
        PanelSwitch {
            objectName: "microphoneSwitch"
            visible: section.viewModel.hasMicPermission
            iconName: "mic.fill"
            text: qsTr("Microphone")
            checked: section.viewModel.isMicEnabled
            onToggled: section.viewModel.isMicEnabled = checked
        }
    }

    // A disabled button sees no pointer: its help follows this one.
    HoverHandler {
        id: controlsHover
    }

    GlassPlainButton {
        id: recordButton
        objectName: "recordButton"
        visible: section.viewModel.hasPermission
        enabled: section.model.canRecord
        Controls.ToolTip.visible: !enabled && controlsHover.hovered
                                  && recordButton.contains(recordButton.mapFromItem(controlsHover.parent,
                                                                                    controlsHover.point.position))
        Controls.ToolTip.delay: AppTheme.toolTipDelay
        Controls.ToolTip.text: qsTr("Start listening to record a session")
        Layout.fillWidth: true
        text: section.viewModel.recordings.isRecording ? qsTr("Stop Recording") : qsTr("Record Session")
        onClicked: section.viewModel.recordings.isRecording ? section.viewModel.stopRecording() : section.viewModel.startRecording()

        contentItem: RowLayout {
            spacing: 6
            SymbolImage {
                name: section.viewModel.recordings.isRecording ? "stop.circle.fill" : "record.circle"
                size: AppTheme.bodySize
                color: section.viewModel.recordings.isRecording ? AppTheme.red : AppTheme.primary
            }
            Text {
                text: recordButton.text
                textFormat: Text.PlainText
                font: AppTheme.body
                color: AppTheme.primary
            }
            Rectangle {
                objectName: "recordingDot"
                visible: section.viewModel.recordings.isRecording
                implicitWidth: 8
                implicitHeight: 8
                radius: 4
                color: AppTheme.red
            }
            Item {
                Layout.fillWidth: true
            }
        }
    }

    RecordingNotice {
        objectName: "recordingNotice"
        Layout.fillWidth: true
        viewModel: section.viewModel
    }
}
