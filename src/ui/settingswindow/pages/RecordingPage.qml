import QtQuick
import QtQuick.Controls
import Qt.labs.platform as Platform
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: recording with each session and where recordings go.
ColumnLayout {
    id: page

    required property AppSettings settings
    required property SettingsModel form

    objectName: "recordingPage"
    spacing: AppTheme.sectionSpacing

    SettingsSection {
        title: qsTr("Automatic Recording")
        SwitchRow {
            label: qsTr("Start recording when listening begins")
            help: qsTr("Automatically record audio and transcript whenever you start listening")
            checked: page.settings.autoRecordOnListen
            onToggled: on => page.settings.autoRecordOnListen = on
        }
    }
    SettingsSection {
        title: qsTr("Save Location")
        RowLayout {
            ColumnLayout {
                Layout.fillWidth: true
                spacing: 2
                CardText {
                    objectName: "folderName"
                    Layout.fillWidth: true
                    text: page.form.folderName
                }
                CardCaption {
                    objectName: "folderPath"
                    Layout.fillWidth: true
                    text: page.form.folderPath
                    elide: Text.ElideMiddle
                    maximumLineCount: 1
                }
            }
            Button {
                objectName: "chooseFolder"
                text: qsTr("Choose...")
                font.pixelSize: AppTheme.calloutSize
                onClicked: {
                    folderDialog.open();
                    // Qt's own dialog takes the folder to show once it exists.
                    folderDialog.currentFolder = page.form.folderURL;
                }
            }
        }
        RowLayout {
            Button {
                objectName: "resetFolder"
                visible: page.form.hasCustomFolder
                text: qsTr("Reset to Default")
                font.pixelSize: AppTheme.captionSize
                onClicked: page.form.resetFolder()
            }
        }
        Platform.FolderDialog {
            id: folderDialog
            title: qsTr("Choose a folder to save recordings")
            acceptLabel: qsTr("Select")
            folder: page.form.folderURL
            currentFolder: page.form.folderURL
            onAccepted: page.form.chooseFolder(folder)
        }
    }
}
