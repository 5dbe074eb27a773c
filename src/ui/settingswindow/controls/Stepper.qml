import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// A number changed in steps: its text and buttons to lower and raise it.
RowLayout {
    id: stepper

    property string text
    property string help
    property bool canDecrease
    property bool canIncrease
    signal decrease
    signal increase

    Layout.fillWidth: true

    CardText {
        objectName: "stepperText"
        Layout.fillWidth: true
        text: stepper.text
    }
    Button {
        objectName: "decrease"
        text: "\u2212"
        implicitWidth: 32
        enabled: stepper.canDecrease
        onClicked: stepper.decrease()
        ToolTip.visible: stepper.help !== "" && hovered
        ToolTip.text: stepper.help
        ToolTip.delay: AppTheme.helpToolTipDelay
    }
    Button {
        objectName: "increase"
        text: "+"
        implicitWidth: 32
        enabled: stepper.canIncrease
        onClicked: stepper.increase()
        ToolTip.visible: stepper.help !== "" && hovered
        ToolTip.text: stepper.help
        ToolTip.delay: AppTheme.helpToolTipDelay
    }
}
