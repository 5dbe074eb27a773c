pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls as Controls
import QtQuick.Layouts
import Tolvaran.Ui

// The panel behind the tray item: status, listening and rooms, switches,
// recording, the newest recordings, and settings, updates and quit. It only
// shows state and calls the view model, the settings and the updater.
Item {
    id: panel

    required property TranslationViewModel viewModel
    required property AppSettings settings
    // Null where update checks are not offered.
    required property UpdaterService updater

    // Asks the program to quit in order (a running recording is saved).
    signal quitRequested
    // Asks the program to check for updates and show the result.
    signal updateRequested

    readonly property alias model: panelModel
    readonly property color statusColor: ({
            "listening": AppTheme.green,
            "connected": AppTheme.blue,
            "connecting": AppTheme.orange,
            "disconnected": AppTheme.grey,
            "error": AppTheme.red
        })[panelModel.stateName]

    implicitWidth: 320
    implicitHeight: sections.implicitHeight

    // The recordings section keeps the tallest height it had since the panel
    // appeared: deleting a row leaves room instead of moving the footer (and
    // "Quit") up under the pointer.
    property real heldRecordingsHeight: 0

    // Each time the panel appears: permissions may have changed meanwhile.
    function appeared() {
        heldRecordingsHeight = recordingsSection.implicitHeight
        panelModel.checkPermissions()
    }

    PanelModel {
        id: panelModel
        viewModel: panel.viewModel
        onQuitRequested: panel.quitRequested()
    }

    ColumnLayout {
        id: sections
        width: 320
        spacing: 0

        // Header
        RowLayout {
            objectName: "header"
            Layout.fillWidth: true
            Layout.leftMargin: AppTheme.panelMargin
            Layout.rightMargin: AppTheme.panelMargin
            Layout.topMargin: 12
            Layout.bottomMargin: 12
            spacing: 8

            Rectangle {
                objectName: "statusDot"
                implicitWidth: 8
                implicitHeight: 8
                radius: 4
                color: panel.statusColor
            }
            Text {
                text: "Tolvaran"
                textFormat: Text.PlainText
                font: AppTheme.headline
                color: AppTheme.primary
            }
            Item {
                Layout.fillWidth: true
            }
            Text {
                objectName: "statusText"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                Layout.maximumWidth: 190
                text: panelModel.statusText
                textFormat: Text.PlainText
                font: AppTheme.caption
                color: AppTheme.secondary
                elide: Text.ElideRight
                horizontalAlignment: Text.AlignRight
            }
        }

        Divider {}

        // Controls
        ColumnLayout {
            objectName: "controls"
            Layout.fillWidth: true
            Layout.leftMargin: AppTheme.panelMargin
            Layout.rightMargin: AppTheme.panelMargin
            Layout.topMargin: AppTheme.sectionPadding
            Layout.bottomMargin: AppTheme.sectionPadding
            spacing: 8

            SymbolLabel {
                objectName: "permissionWarning"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: !panel.viewModel.hasPermission
                Layout.topMargin: 4
                Layout.bottomMargin: 4
                iconName: "exclamationmark.triangle.fill"
                iconColor: AppTheme.orange
                text: "System audio capture unavailable"
                font: AppTheme.caption
                color: AppTheme.orangeText
            }
            GlassSecondaryButton {
                objectName: "openSoundSettingsButton"
                visible: !panel.viewModel.hasPermission
                text: "Open Sound Settings"
                iconName: ""
                onClicked: panelModel.openSoundSettings()
            }
            SymbolLabel {
                objectName: "captureStatus"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: panelModel.isListening && panel.viewModel.captureStatus !== ""
                Layout.topMargin: 4
                Layout.bottomMargin: 4
                iconName: "waveform"
                text: panel.viewModel.captureStatus
                font: AppTheme.caption
                color: AppTheme.secondary
            }
            NoticeLabel {
                objectName: "serverNotice"
                Layout.fillWidth: true
                text: panel.viewModel.serverNotice
                color: AppTheme.orangeText
                iconColor: AppTheme.orange
            }
            SymbolLabel {
                objectName: "soundServerWarning"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: panel.viewModel.isSoundServerAway
                Layout.topMargin: 4
                Layout.bottomMargin: 4
                iconName: "exclamationmark.triangle.fill"
                iconColor: AppTheme.orange
                text: "Sound server unavailable, reconnecting…"
                font: AppTheme.caption
                color: AppTheme.orange
            }

            GlassActionButton {
                objectName: "listeningButton"
                visible: panel.viewModel.hasPermission
                tint: panelModel.isListening ? AppTheme.red : AppTheme.blue
                iconName: panelModel.isListening ? "stop.circle.fill" : "mic.circle.fill"
                text: panelModel.isListening ? "Stop Listening" : "Start Listening"
                enabled: !panelModel.isConnecting && (panelModel.isListening || panel.settings.isServerURLValid)
                onClicked: panelModel.toggleListening()
            }
            GlassSecondaryButton {
                objectName: "startRoomButton"
                visible: panel.viewModel.hasPermission && !panelModel.isListening
                iconName: "person.2.circle.fill"
                text: "Start Room"
                enabled: !panelModel.isConnecting && panel.settings.isServerURLValid
                onClicked: panelModel.startRoom()
            }
            Text {
                objectName: "invalidServerURL"
                Accessible.role: Accessible.StaticText
                Accessible.name: text
                visible: panel.viewModel.hasPermission && !panelModel.isListening && !panel.settings.isServerURLValid
                text: "Invalid server URL"
                textFormat: Text.PlainText
                font: AppTheme.caption
                color: AppTheme.red
            }

            RoomCard {
                objectName: "roomCard"
                visible: panel.viewModel.hasPermission && panelModel.isRoomCardVisible
                Layout.fillWidth: true
                viewModel: panel.viewModel
                model: panelModel
            }

            ColumnLayout {
                objectName: "switches"
                visible: panel.viewModel.hasPermission
                Layout.fillWidth: true
                Layout.topMargin: 2
                spacing: 4

                PanelSwitch {
                    objectName: "overlaySwitch"
                    iconName: "rectangle.on.rectangle"
                    text: "Show Overlay"
                    checked: panel.viewModel.isOverlayVisible
                    onToggled: panel.viewModel.isOverlayVisible = checked
                }
                PanelSwitch {
                    objectName: "subtitlesSwitch"
                    iconName: "captions.bubble"
                    text: "Subtitles"
                    checked: panel.settings.isSubtitlesMode
                    onToggled: panel.settings.isSubtitlesMode = checked
                }
                PanelSwitch {
                    objectName: "microphoneSwitch"
                    visible: panel.viewModel.hasMicPermission
                    iconName: "mic.fill"
                    text: "Microphone"
                    checked: panel.viewModel.isMicEnabled
                    onToggled: panel.viewModel.isMicEnabled = checked
                }
            }

            // A disabled button sees no pointer: its help follows this one.
            HoverHandler {
                id: controlsHover
            }

            GlassPlainButton {
                id: recordButton
                objectName: "recordButton"
                visible: panel.viewModel.hasPermission
                enabled: panelModel.canRecord
                Controls.ToolTip.visible: !enabled && controlsHover.hovered
                                          && recordButton.contains(recordButton.mapFromItem(controlsHover.parent,
                                                                                            controlsHover.point.position))
                Controls.ToolTip.delay: AppTheme.toolTipDelay
                Controls.ToolTip.text: "Start listening to record a session"
                Layout.fillWidth: true
                text: panel.viewModel.recordings.isRecording ? "Stop Recording" : "Record Session"
                onClicked: panel.viewModel.recordings.isRecording ? panel.viewModel.stopRecording() : panel.viewModel.startRecording()

                contentItem: RowLayout {
                    spacing: 6
                    SymbolImage {
                        name: panel.viewModel.recordings.isRecording ? "stop.circle.fill" : "record.circle"
                        size: AppTheme.bodySize
                        color: panel.viewModel.recordings.isRecording ? AppTheme.red : AppTheme.primary
                    }
                    Text {
                        text: recordButton.text
                        textFormat: Text.PlainText
                        font: AppTheme.body
                        color: AppTheme.primary
                    }
                    Rectangle {
                        objectName: "recordingDot"
                        visible: panel.viewModel.recordings.isRecording
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
                viewModel: panel.viewModel
            }
        }

        Divider {}

        // Recordings
        ColumnLayout {
            id: recordingsSection
            objectName: "recordings"
            Layout.fillWidth: true
            Layout.preferredHeight: Math.max(implicitHeight, panel.heldRecordingsHeight)
            onImplicitHeightChanged: panel.heldRecordingsHeight = Math.max(panel.heldRecordingsHeight, implicitHeight)
            Component.onCompleted: panel.heldRecordingsHeight = implicitHeight
            Layout.leftMargin: AppTheme.panelMargin
            Layout.rightMargin: AppTheme.panelMargin
            Layout.topMargin: AppTheme.sectionPadding
            Layout.bottomMargin: AppTheme.sectionPadding
            spacing: 6

            RowLayout {
                Layout.fillWidth: true
                Text {
                    text: "Recordings"
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
                    Controls.ToolTip.text: "Open recordings folder"
                    Accessible.name: Controls.ToolTip.text
                    onClicked: panelModel.openRecordingsFolder()
                }
            }

            // Where no file manager opened the folder: say so, and where
            // it is, to copy.
            TextEdit {
                objectName: "folderMessage"
                Layout.fillWidth: true
                visible: panelModel.folderMessage !== ""
                text: panelModel.folderMessage
                textFormat: TextEdit.PlainText
                readOnly: true
                selectByMouse: true
                wrapMode: TextEdit.Wrap
                font: AppTheme.caption
                color: AppTheme.orangeText
            }

            Text {
                objectName: "noRecordings"
                visible: panelModel.recordingCount === 0
                text: "No recordings yet"
                textFormat: Text.PlainText
                font: AppTheme.caption
                color: AppTheme.tertiary
            }

            Repeater {
                objectName: "recordingRows"
                model: panel.viewModel.recordings.recordingModel

                delegate: HoverCard {
                    id: row
                    required property int index
                    required property var date
                    required property real duration

                    objectName: "recordingRow"
                    visible: index < panelModel.shownRecordings
                    Layout.fillWidth: true
                    onClicked: panelModel.openRecording(index)
                    Accessible.name: "Recording of %1, %2".arg(panelModel.formatStartDate(date, duration)).arg(panelModel.formatDuration(duration))

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
                                text: panelModel.formatStartDate(row.date, row.duration)
                                textFormat: Text.PlainText
                                font: AppTheme.caption
                                color: AppTheme.primary
                            }
                            Text {
                                objectName: "recordingDuration"
                                text: panelModel.formatDuration(row.duration)
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
                            Accessible.name: "Move to Trash"
                            iconSize: AppTheme.captionSize
                            color: AppTheme.secondary
                            background: null
                            onClicked: panelModel.deleteRecording(row.index)
                        }
                    }
                }
            }

            // Takes up the held room at the bottom, below the rows.
            Item {
                Layout.fillHeight: true
            }
        }

        Divider {}

        // Footer
        ColumnLayout {
            objectName: "footer"
            Layout.fillWidth: true
            Layout.leftMargin: AppTheme.panelMargin
            Layout.rightMargin: AppTheme.panelMargin
            Layout.topMargin: 8
            Layout.bottomMargin: 8
            spacing: 6

            RowLayout {
                objectName: "errorLabel"
                visible: panelModel.isError
                Layout.fillWidth: true
                spacing: 6
                SymbolImage {
                    Layout.alignment: Qt.AlignTop
                    name: "exclamationmark.triangle"
                    size: AppTheme.captionSize
                    color: AppTheme.red
                }
                Text {
                    objectName: "errorText"
                    Accessible.role: Accessible.StaticText
                    Accessible.name: text
                    Layout.fillWidth: true
                    text: panelModel.errorDescription
                    textFormat: Text.PlainText
                    wrapMode: Text.Wrap
                    // Room for an address and where to change it; a server's
                    // own text may be any length.
                    maximumLineCount: 6
                    elide: Text.ElideRight
                    font: AppTheme.caption
                    color: AppTheme.redText
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 4
                GlassPlainButton {
                    objectName: "settingsButton"
                    iconName: "gear"
                    text: "Settings..."
                    font: AppTheme.caption
                    iconSize: AppTheme.captionSize
                    color: AppTheme.secondary
                    onClicked: panel.viewModel.showSettingsRequested = true
                }
                Item {
                    Layout.fillWidth: true
                }
                GlassPlainButton {
                    objectName: "updateButton"
                    iconName: "arrow.triangle.2.circlepath"
                    text: "Update"
                    font: AppTheme.caption
                    iconSize: AppTheme.captionSize
                    color: AppTheme.secondary
                    // Without a release feed the package manager brings updates.
                    visible: panel.updater !== null && panel.updater.isFeedConfigured
                    enabled: panel.updater !== null && panel.updater.canCheckForUpdates
                    onClicked: panel.updateRequested()
                }
                GlassPlainButton {
                    objectName: "quitButton"
                    text: "Quit"
                    font: AppTheme.caption
                    color: AppTheme.secondary
                    onClicked: panelModel.requestQuit()
                }
            }
        }
    }

    component Divider: Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: AppTheme.divider
    }
}
