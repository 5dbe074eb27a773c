import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: the interface's language, starting with the session and updates.
ColumnLayout {
    id: page

    required property AppSettings settings
    required property SettingsModel form
    // Null where update checks are not offered.
    required property UpdaterService updater

    objectName: "generalPage"
    spacing: AppTheme.sectionSpacing

    LoginItem {
        id: loginItem
    }

    SettingsSection {
        RowLayout {
            CardText {
                Layout.fillWidth: true
                text: qsTr("Language")
            }
            ChoiceBox {
                objectName: "interfaceLanguage"
                Layout.preferredWidth: 220
                model: page.form.interfaceLanguageLabels
                currentIndex: page.form.interfaceLanguageIndex
                onActivated: index => page.form.selectInterfaceLanguage(index)
            }
        }
    }
    SettingsSection {
        SwitchRow {
            objectName: "launchAtLogin"
            label: qsTr("Launch at Login")
            help: qsTr("Automatically start Tolvaran when you log in")
            checked: loginItem.isEnabled
            onToggled: on => loginItem.isEnabled = on
        }
        SwitchRow {
            objectName: "autoStartListening"
            label: qsTr("Auto-start listening on launch")
            help: qsTr("Begin capturing and translating as soon as the app starts")
            checked: page.settings.autoStartListening
            onToggled: on => page.settings.autoStartListening = on
        }
    }
    SettingsSection {
        title: qsTr("Updates")
        Text {
            objectName: "updatesFromPackageManager"
            // Without a release feed the package manager brings updates.
            visible: page.updater === null || !page.updater.isFeedConfigured
            text: qsTr("Updates come with your package manager")
            textFormat: Text.PlainText
            font: AppTheme.caption
            color: AppTheme.secondary
        }
        RowLayout {
            visible: page.updater !== null && page.updater.isFeedConfigured
            Button {
                objectName: "checkForUpdates"
                text: qsTr("Check for Updates...")
                enabled: page.updater !== null && page.updater.canCheckForUpdates
                onClicked: {
                    page.Window.window.requestActivate();
                    page.updater.checkForUpdates();
                }
            }
        }
    }
}
