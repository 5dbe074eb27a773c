import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// A setting on a scale: its label and value above a slider.
ColumnLayout {
    id: sliderRow

    property string label
    property string valueText
    property real from
    property real to
    property real step
    property real value
    readonly property alias control: slider
    signal moved(real value)

    Layout.fillWidth: true
    spacing: 0

    RowLayout {
        Layout.fillWidth: true
        CardText {
            Layout.fillWidth: true
            text: sliderRow.label
        }
        CardCaption {
            objectName: "valueText"
            text: sliderRow.valueText
            font.family: "DejaVu Sans Mono"
        }
    }
    Slider {
        id: slider
        objectName: "slider"
        Layout.fillWidth: true
        from: sliderRow.from
        to: sliderRow.to
        stepSize: sliderRow.step
        snapMode: Slider.SnapAlways
        value: sliderRow.value
        // Whole steps, so that the file holds 0.35 and not 0.35000000000000003.
        onMoved: sliderRow.moved(Number((sliderRow.from + Math.round((value - sliderRow.from) / sliderRow.step)
                                             * sliderRow.step).toFixed(6)))
    }
}
