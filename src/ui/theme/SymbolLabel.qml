import QtQuick
import Tolvaran.Ui

// A symbol followed by a text, as buttons and labels show them. The text is
// always plain: it may come from a server or a file.
Row {
    id: label

    property string iconName
    property real iconSize: font.pixelSize
    property color iconColor: color
    property string text
    property font font: AppTheme.body
    property color color: AppTheme.primary

    spacing: 6

    SymbolImage {
        name: label.iconName
        size: label.iconSize
        color: label.iconColor
        visible: label.iconName !== ""
        anchors.verticalCenter: parent.verticalCenter
    }

    Text {
        text: label.text
        textFormat: Text.PlainText
        font: label.font
        color: label.color
        visible: label.text !== ""
        elide: Text.ElideRight
        anchors.verticalCenter: parent.verticalCenter
    }
}
