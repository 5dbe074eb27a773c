import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// The panel's first line: a dot in the state's colour, the name, and what
// the program is doing.
RowLayout {
    id: header

    required property PanelModel model

    readonly property color statusColor: model.isReconnecting ? AppTheme.orange : ({
            "listening": AppTheme.green,
            "connected": AppTheme.blue,
            "connecting": AppTheme.orange,
            "disconnected": AppTheme.grey,
            "error": AppTheme.red
        })[model.stateName]

    objectName: "header"
    spacing: 8

    Rectangle {
        objectName: "statusDot"
        implicitWidth: 8
        implicitHeight: 8
        radius: 4
        color: header.statusColor
    }
    Text {
        text: "Tolvaran"
        textFormat: Text.PlainText
        font: AppTheme.headline
        color: AppTheme.primary
    }
    Item {
        Layout.fillWidth: true
    }
    Text {
        objectName: "statusText"
        Accessible.role: Accessible.StaticText
        Accessible.name: text
        Layout.maximumWidth: 190
        text: header.model.statusText
        textFormat: Text.PlainText
        font: AppTheme.caption
        color: AppTheme.secondary
        elide: Text.ElideRight
        horizontalAlignment: Text.AlignRight
    }
}
