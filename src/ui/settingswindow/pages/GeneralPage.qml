import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: starting with the session and updates.
ColumnLayout {
    id: page

    required property AppSettings settings
    // Null where update checks are not offered.
    required property UpdaterService updater

    objectName: "generalPage"
    spacing: AppTheme.sectionSpacing

    LoginItem {
        id: loginItem
    }

    SettingsSection {
        SwitchRow {
            objectName: "launchAtLogin"
            label: "Launch at Login"
            help: "Automatically start Tolvaran when you log in"
            checked: loginItem.isEnabled
            onToggled: on => loginItem.isEnabled = on
        }
        SwitchRow {
            objectName: "autoStartListening"
            label: "Auto-start listening on launch"
            help: "Begin capturing and translating as soon as the app starts"
            checked: page.settings.autoStartListening
            onToggled: on => page.settings.autoStartListening = on
        }
    }
    SettingsSection {
        title: "Updates"
        Text {
            objectName: "updatesFromPackageManager"
            // Without a release feed the package manager brings updates.
            visible: page.updater === null || !page.updater.isFeedConfigured
            text: "Updates come with your package manager"
            textFormat: Text.PlainText
            font: AppTheme.caption
            color: AppTheme.secondary
        }
        RowLayout {
            visible: page.updater !== null && page.updater.isFeedConfigured
            Button {
                objectName: "checkForUpdates"
                text: "Check for Updates..."
                enabled: page.updater !== null && page.updater.canCheckForUpdates
                onClicked: {
                    page.Window.window.requestActivate();
                    page.updater.checkForUpdates();
                }
            }
        }
    }
}
