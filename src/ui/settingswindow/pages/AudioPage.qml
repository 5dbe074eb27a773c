import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: what listening captures and the microphone.
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
        CardCaption {
            objectName: "captureHelp"
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: qsTr("Only the call captures the application that holds the call; for a call in a browser, all the browser plays.")
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
