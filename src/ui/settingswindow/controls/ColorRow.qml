import QtQuick
import Qt.labs.platform as Platform
import QtQuick.Layouts
import Tolvaran.Ui

// A colour setting: its label and a well that opens a colour dialog.
RowLayout {
    id: colorRow

    property string label
    property color color
    signal picked(color color)

    Layout.fillWidth: true

    CardText {
        Layout.fillWidth: true
        text: colorRow.label
    }
    Rectangle {
        objectName: "colorWell"
        implicitWidth: 44
        implicitHeight: 22
        radius: 5
        color: colorRow.color
        border.width: 1
        border.color: TextColors.label(AppTheme.palette.base, TextColors.Secondary)

        TapHandler {
            onTapped: {
                dialog.currentColor = colorRow.color;
                dialog.open();
            }
        }
    }
    // Without an alpha channel: opacity has sliders of its own. The
    // platform's dialog, or Qt's own window where the desktop offers none
    // (Qt Quick's drawn one is cramped inside this window and draws no
    // colours with the software renderer).
    Platform.ColorDialog {
        id: dialog
        title: colorRow.label
        onAccepted: colorRow.picked(Qt.rgba(color.r, color.g, color.b, 1))
    }
}
