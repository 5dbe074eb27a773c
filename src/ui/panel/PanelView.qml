import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// The panel behind the tray item: status, listening and rooms, switches,
// recording, the newest recordings, and settings, updates and quit. It only
// shows state and calls the view model, the settings and the updater; each
// section is a file of its own (Panel*Section, PanelHeader, PanelFooter).
Item {
    id: panel

    // Right-to-left interface languages lay the view out from the right.
    LayoutMirroring.enabled: InterfaceDirection.isRightToLeft
    LayoutMirroring.childrenInherit: true

    required property TranslationViewModel viewModel
    required property AppSettings settings
    // Null where update checks are not offered.
    required property UpdaterService updater

    // Asks the program to quit in order (a running recording is saved).
    signal quitRequested
    // Asks the program to check for updates and show the result.
    signal updateRequested

    readonly property alias model: panelModel

    implicitWidth: 320
    implicitHeight: sections.implicitHeight

    // Each time the panel appears: permissions may have changed meanwhile.
    function appeared() {
        recordingsSection.appeared()
        panelModel.checkPermissions()
    }

    PanelModel {
        id: panelModel
        viewModel: panel.viewModel
        settings: panel.settings
        onQuitRequested: panel.quitRequested()
    }

    ColumnLayout {
        id: sections
        width: 320
        spacing: 0

        PanelHeader {
            Layout.fillWidth: true
            Layout.leftMargin: AppTheme.panelMargin
            Layout.rightMargin: AppTheme.panelMargin
            Layout.topMargin: 12
            Layout.bottomMargin: 12
            model: panelModel
        }

        Divider {}

        ColumnLayout {
            objectName: "controls"
            Layout.fillWidth: true
            Layout.leftMargin: AppTheme.panelMargin
            Layout.rightMargin: AppTheme.panelMargin
            Layout.topMargin: AppTheme.sectionPadding
            Layout.bottomMargin: AppTheme.sectionPadding
            spacing: 8

            PanelListeningSection {
                Layout.fillWidth: true
                viewModel: panel.viewModel
                settings: panel.settings
                model: panelModel
            }
            PanelSwitchesSection {
                Layout.fillWidth: true
                viewModel: panel.viewModel
                settings: panel.settings
                model: panelModel
            }
        }

        Divider {}

        PanelRecordingsSection {
            id: recordingsSection
            Layout.fillWidth: true
            Layout.leftMargin: AppTheme.panelMargin
            Layout.rightMargin: AppTheme.panelMargin
            Layout.topMargin: AppTheme.sectionPadding
            Layout.bottomMargin: AppTheme.sectionPadding
            viewModel: panel.viewModel
            model: panelModel
        }

        Divider {}

        PanelFooter {
            Layout.fillWidth: true
            Layout.leftMargin: AppTheme.panelMargin
            Layout.rightMargin: AppTheme.panelMargin
            Layout.topMargin: 8
            Layout.bottomMargin: 8
            viewModel: panel.viewModel
            model: panelModel
            updater: panel.updater
            onUpdateRequested: panel.updateRequested()
        }
    }

    component Divider: Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: AppTheme.divider
    }
}
