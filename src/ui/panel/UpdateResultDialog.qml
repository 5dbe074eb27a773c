import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Tolvaran.Ui

// The outcome of an update check the user asked for.
Window {
    id: dialog

    required property string heading
    required property string message
    // The new version's page; empty when there is none to open.
    required property url pageURL

    title: qsTr("Tolvaran Software Update")
    flags: Qt.Dialog
    modality: Qt.NonModal
    color: AppTheme.opaqueMaterial
    width: 340
    height: content.implicitHeight + 40
    minimumWidth: width
    maximumWidth: width
    minimumHeight: height
    maximumHeight: height

    ColumnLayout {
        id: content

        LayoutMirroring.enabled: InterfaceDirection.isRightToLeft
        LayoutMirroring.childrenInherit: true
        anchors.fill: parent
        anchors.margins: 20
        spacing: 10

        Text {
            objectName: "heading"
            Layout.fillWidth: true
            text: dialog.heading
            textFormat: Text.PlainText
            font: AppTheme.headline
            color: AppTheme.primary
            wrapMode: Text.Wrap
        }
        Text {
            objectName: "message"
            Layout.fillWidth: true
            text: dialog.message
            textFormat: Text.PlainText
            font: AppTheme.body
            color: AppTheme.secondary
            wrapMode: Text.Wrap
        }
        RowLayout {
            Layout.fillWidth: true
            Layout.topMargin: 6
            spacing: 8
            Item {
                Layout.fillWidth: true
            }
            GlassSecondaryButton {
                Layout.fillWidth: false
                text: qsTr("OK")
                iconName: ""
                font: AppTheme.body
                onClicked: dialog.close()
            }
            GlassActionButton {
                objectName: "openPageButton"
                Layout.fillWidth: false
                visible: String(dialog.pageURL) !== ""
                text: qsTr("View Release")
                iconName: ""
                font: AppTheme.body
                onClicked: {
                    Qt.openUrlExternally(dialog.pageURL)
                    dialog.close()
                }
            }
        }
    }
}
