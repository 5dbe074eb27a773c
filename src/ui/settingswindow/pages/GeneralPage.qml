import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: the interface's language, starting with the session, call
// detection, global shortcuts and updates.
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
        title: qsTr("Call Detection")
        SwitchRow {
            objectName: "autoDetect"
            iconName: "phone.connection.fill"
            label: qsTr("Auto-detect calls")
            help: qsTr("Start listening when a call begins and stop when it ends")
            checked: page.settings.isAutoDetectEnabled
            enabled: page.form.canToggleAutoDetect
            onToggled: on => page.form.setAutoDetect(on)
        }
        RowLayout {
            objectName: "callApplicationsPicker"
            CardText {
                Layout.fillWidth: true
                text: qsTr("Calls in")
            }
            ChoiceBox {
                objectName: "callApplications"
                Layout.preferredWidth: 200
                model: [qsTr("Teams only"), qsTr("Any call application")]
                currentIndex: page.settings.callApplications === "teams" ? 0 : 1
                onActivated: index => page.settings.callApplications = index === 0 ? "teams" : "any"
            }
        }
        RowLayout {
            objectName: "callStatus"
            visible: page.settings.isAutoDetectEnabled
            spacing: 6
            Rectangle {
                implicitWidth: 6
                implicitHeight: 6
                radius: 3
                color: page.form.isCallDetected ? AppTheme.green : AppTheme.orange
            }
            CardCaption {
                text: page.form.callStatusText
            }
        }
    }
    SettingsSection {
        title: qsTr("Shortcuts")
        ShortcutRow {
            objectName: "shortcut_0"
            label: qsTr("Start/stop listening")
            shortcutText: page.form.shortcutTexts[0] ?? ""
            problem: page.form.shortcutProblems[0] ?? ""
            onKeysPressed: (key, modifiers) => page.form.setShortcut(0, key, modifiers)
            onCleared: page.form.clearShortcut(0)
        }
        ShortcutRow {
            objectName: "shortcut_1"
            label: qsTr("Show/hide overlay")
            shortcutText: page.form.shortcutTexts[1] ?? ""
            problem: page.form.shortcutProblems[1] ?? ""
            onKeysPressed: (key, modifiers) => page.form.setShortcut(1, key, modifiers)
            onCleared: page.form.clearShortcut(1)
        }
        ShortcutRow {
            objectName: "shortcut_2"
            label: qsTr("Start/stop recording")
            shortcutText: page.form.shortcutTexts[2] ?? ""
            problem: page.form.shortcutProblems[2] ?? ""
            onKeysPressed: (key, modifiers) => page.form.setShortcut(2, key, modifiers)
            onCleared: page.form.clearShortcut(2)
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
