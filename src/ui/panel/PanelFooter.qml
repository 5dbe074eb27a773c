import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// The panel's last lines: an error, and settings, update and quit.
ColumnLayout {
    id: footer

    required property TranslationViewModel viewModel
    required property PanelModel model
    // Null where update checks are not offered.
    required property UpdaterService updater

    signal updateRequested

    objectName: "footer"
    spacing: 6

    RowLayout {
        objectName: "errorLabel"
        visible: footer.model.isError
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
            text: footer.model.errorDescription
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
            text: qsTr("Settings...")
            font: AppTheme.caption
            iconSize: AppTheme.captionSize
            color: AppTheme.secondary
            onClicked: footer.viewModel.showSettingsRequested = true
        }
        Item {
            Layout.fillWidth: true
        }
        GlassPlainButton {
            objectName: "updateButton"
            iconName: "arrow.triangle.2.circlepath"
            text: qsTr("Update")
            font: AppTheme.caption
            iconSize: AppTheme.captionSize
            color: AppTheme.secondary
            // Without a release feed the package manager brings updates.
            visible: footer.updater !== null && footer.updater.isFeedConfigured
            enabled: footer.updater !== null && footer.updater.canCheckForUpdates
            onClicked: footer.updateRequested()
        }
        GlassPlainButton {
            objectName: "quitButton"
            text: qsTr("Quit")
            font: AppTheme.caption
            color: AppTheme.secondary
            onClicked: footer.model.requestQuit()
        }
    }
}
