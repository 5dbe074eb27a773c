pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: the server, the target language and the speakers' languages,
// fixed while listening.
ColumnLayout {
    id: page

    required property AppSettings settings
    required property SettingsModel form

    objectName: "connectionPage"
    spacing: AppTheme.sectionSpacing

    SettingsSection {
        title: qsTr("Server")
        CardText {
            text: qsTr("WebSocket URL")
        }
        TextField {
            objectName: "serverURL"
            Layout.fillWidth: true
            text: page.settings.serverURL
            font.family: "DejaVu Sans Mono"
            font.pixelSize: AppTheme.bodySize
            enabled: page.form.canEditConnection
            selectByMouse: true
            onTextEdited: page.settings.serverURL = text
        }
        CardText {
            objectName: "invalidServerURL"
            visible: !page.settings.isServerURLValid
            text: qsTr("Invalid server URL")
            font.pixelSize: AppTheme.captionSize
            color: TextColors.readable(AppTheme.red, AppTheme.palette.base)
        }
        SwitchRow {
            objectName: "shareRoomsOnNetwork"
            label: qsTr("Share rooms on this network")
            help: qsTr("The local server lets others on this network open a room's link; speakers still connect from this computer only")
            checked: page.settings.shareRoomsOnNetwork
            onToggled: on => page.settings.shareRoomsOnNetwork = on
        }
    }
    SettingsSection {
        title: qsTr("Translation")
        RowLayout {
            CardText {
                Layout.fillWidth: true
                text: qsTr("Target Language")
            }
            ChoiceBox {
                objectName: "targetLanguage"
                Layout.preferredWidth: 220
                model: page.form.targetLanguageLabels
                currentIndex: page.form.selectedLanguageIndex
                enabled: page.form.canEditConnection
                onActivated: index => page.form.selectLanguage(index)
            }
        }
    }
    SettingsSection {
        title: qsTr("Speaker Languages")
        footer: qsTr("Hint which languages speakers will use for better recognition. Leave empty for auto-detection.")
        GridLayout {
            columns: 2
            columnSpacing: 8
            rowSpacing: 0
            Layout.fillWidth: true

            Repeater {
                model: page.form.languageLabels

                RowLayout {
                    id: speakerRow

                    required property int index
                    required property string modelData

                    Layout.fillWidth: true
                    Layout.preferredWidth: 1
                    spacing: 0

                    CheckBox {
                        id: speakerBox

                        objectName: "speaker_" + speakerRow.index
                        // Drawn here: the style's mark is an image Qt Quick
                        // keeps after the window closes.
                        indicator: Rectangle {
                            x: speakerBox.leftPadding
                            y: (speakerBox.height - height) / 2
                            implicitWidth: 16
                            implicitHeight: 16
                            radius: 3
                            color: speakerBox.checked ? AppTheme.palette.highlight : AppTheme.palette.base
                            border.width: 1
                            border.color: speakerBox.checked ? AppTheme.palette.highlight
                                                             : TextColors.label(AppTheme.palette.base, TextColors.Secondary)
                            opacity: speakerBox.enabled ? 1 : 0.5

                            SymbolImage {
                                anchors.centerIn: parent
                                visible: speakerBox.checked
                                name: "checkmark"
                                size: 9
                                color: AppTheme.palette.highlightedText
                            }
                        }
                        checked: page.form.speakerLanguageFlags[speakerRow.index] === true
                        enabled: page.form.canEditConnection
                        onToggled: {
                            page.form.setSpeakerLanguage(speakerRow.index, checked);
                            checked = Qt.binding(() => page.form.speakerLanguageFlags[speakerRow.index] === true);
                        }
                    }
                    CardText {
                        Layout.fillWidth: true
                        text: speakerRow.modelData
                        opacity: page.form.canEditConnection ? 1 : 0.75
                    }
                }
            }
        }
    }
}
