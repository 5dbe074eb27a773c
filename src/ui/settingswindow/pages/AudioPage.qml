import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: what listening captures, call detection and the microphone.
ColumnLayout {
    id: page

    required property TranslationViewModel viewModel
    required property AppSettings settings
    required property SettingsModel form

    // The programs playing are followed while this page is in view.
    readonly property bool isInView: visible && Window.window !== null && Window.window.visible

    objectName: "audioPage"
    spacing: AppTheme.sectionSpacing

    onIsInViewChanged: page.form.watchesApplications = page.isInView
    Component.onCompleted: page.form.watchesApplications = page.isInView
    Component.onDestruction: {
        // The window may be going as a whole, the model first.
        if (page.form)
            page.form.watchesApplications = false;
    }

    SettingsSection {
        RowLayout {
            objectName: "capturePicker"
            CardText {
                Layout.fillWidth: true
                text: qsTr("Capture")
            }
            ChoiceBox {
                objectName: "capture"
                Layout.preferredWidth: 200
                model: page.form.captureLabels
                currentIndex: page.form.selectedCaptureIndex
                onActivated: index => page.form.selectCapture(index)
            }
        }
    }
    SettingsSection {
        title: qsTr("Call Detection")
        SwitchRow {
            objectName: "autoDetect"
            iconName: "phone.connection.fill"
            label: qsTr("Auto-detect Teams calls")
            checked: page.settings.isAutoDetectEnabled
            enabled: page.form.canToggleAutoDetect
            onToggled: on => page.form.setAutoDetect(on)
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
        title: qsTr("Microphone")
        RowLayout {
            objectName: "micPicker"
            visible: page.viewModel.hasMicPermission
            CardText {
                Layout.fillWidth: true
                text: qsTr("Input Device")
            }
            ChoiceBox {
                objectName: "inputDevice"
                Layout.preferredWidth: 200
                model: page.form.micDeviceLabels
                currentIndex: page.form.selectedMicIndex
                onActivated: index => page.form.selectMic(index)
            }
        }
        RowLayout {
            objectName: "micWarning"
            visible: !page.viewModel.hasMicPermission
            SymbolLabel {
                Layout.fillWidth: true
                iconName: "mic.slash"
                text: qsTr("Microphone access not granted")
                font.pixelSize: AppTheme.calloutSize
                color: TextColors.label(AppTheme.palette.base, TextColors.Secondary)
            }
            Button {
                text: qsTr("Open System Settings")
                font.pixelSize: AppTheme.captionSize
                onClicked: page.form.openSoundSettings()
            }
        }
    }
}
