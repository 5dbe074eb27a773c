import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// What keeps the program from listening, and the buttons that start
// listening or a room, with the room's card while one is open.
ColumnLayout {
    id: section

    required property TranslationViewModel viewModel
    required property AppSettings settings
    required property PanelModel model

    spacing: 8

    SymbolLabel {
        objectName: "permissionWarning"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        visible: !section.viewModel.hasPermission
        Layout.topMargin: 4
        Layout.bottomMargin: 4
        iconName: "exclamationmark.triangle.fill"
        iconColor: AppTheme.orange
        text: qsTr("System audio capture unavailable")
        font: AppTheme.caption
        color: AppTheme.orangeText
    }
    GlassSecondaryButton {
        objectName: "openSoundSettingsButton"
        visible: !section.viewModel.hasPermission
        text: qsTr("Open Sound Settings")
        iconName: ""
        onClicked: section.model.openSoundSettings()
    }
    SymbolLabel {
        objectName: "captureStatus"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        visible: section.model.isListening && section.viewModel.captureStatus !== ""
        Layout.topMargin: 4
        Layout.bottomMargin: 4
        iconName: "waveform"
        text: section.viewModel.captureStatus
        font: AppTheme.caption
        color: AppTheme.secondary
    }
    NoticeLabel {
        objectName: "serverNotice"
        Layout.fillWidth: true
        text: section.viewModel.serverNotice
        color: AppTheme.orangeText
        iconColor: AppTheme.orange
    }
    SymbolLabel {
        objectName: "soundServerWarning"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        visible: section.viewModel.isSoundServerAway
        Layout.topMargin: 4
        Layout.bottomMargin: 4
        iconName: "exclamationmark.triangle.fill"
        iconColor: AppTheme.orange
        text: qsTr("Sound server unavailable, reconnecting…")
        font: AppTheme.caption
        color: AppTheme.orange
    }

    GlassActionButton {
        objectName: "listeningButton"
        visible: section.viewModel.hasPermission
        tint: section.model.isListening ? AppTheme.red : AppTheme.blue
        iconName: section.model.isListening ? "stop.circle.fill" : "mic.circle.fill"
        text: section.model.isListening ? qsTr("Stop Listening") : qsTr("Start Listening")
        enabled: !section.model.isConnecting && (section.model.isListening || section.settings.isServerURLValid)
        onClicked: section.model.toggleListening()
    }
    GlassSecondaryButton {
        objectName: "startRoomButton"
        visible: section.viewModel.hasPermission && !section.model.isListening
        iconName: "person.2.circle.fill"
        text: qsTr("Start Room")
        enabled: !section.model.isConnecting && section.settings.isServerURLValid
        onClicked: section.model.startRoom()
    }
    Text {
        objectName: "invalidServerURL"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        visible: section.viewModel.hasPermission && !section.model.isListening && !section.settings.isServerURLValid
        text: qsTr("Invalid server URL")
        textFormat: Text.PlainText
        font: AppTheme.caption
        color: AppTheme.red
    }

    RoomCard {
        objectName: "roomCard"
        visible: section.viewModel.hasPermission && section.model.isRoomCardVisible
        Layout.fillWidth: true
        viewModel: section.viewModel
        model: section.model
    }
}
