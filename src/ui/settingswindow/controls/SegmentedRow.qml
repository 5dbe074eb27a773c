pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// One of a few choices: its label and a button per option, the current one
// held down.
RowLayout {
    id: segmented

    property string label
    property var options: []
    property int current
    signal selected(int index)

    Layout.fillWidth: true

    CardText {
        Layout.fillWidth: true
        Layout.minimumWidth: implicitWidth
        text: segmented.label
    }
    Row {
        Repeater {
            model: segmented.options

            Button {
                required property int index
                required property string modelData
                objectName: "segment_" + modelData
                text: modelData
                checkable: true
                checked: index === segmented.current
                font.pixelSize: AppTheme.calloutSize
                leftPadding: 8
                rightPadding: 8
                // The chosen segment in the selection's colours, which
                // Fusion's pressed look barely tells apart in a dark palette.
                palette.button: checked ? AppTheme.palette.highlight : AppTheme.palette.button
                palette.buttonText: checked
                    ? TextColors.readable(AppTheme.palette.highlightedText, AppTheme.palette.highlight)
                    : TextColors.readable(AppTheme.palette.buttonText, AppTheme.palette.button)
                onClicked: {
                    segmented.selected(index);
                    checked = Qt.binding(() => index === segmented.current);
                }
            }
        }
    }
}
