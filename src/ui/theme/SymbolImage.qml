import QtQuick
import Tolvaran.Ui

// A system symbol by name, drawn from the icon font.
Text {
    id: symbol

    property string name
    property real size: AppTheme.bodySize

    text: Icons.glyph(name)
    textFormat: Text.PlainText
    font.family: Icons.fontFamily
    font.pixelSize: Math.round(size * 1.25)
    color: AppTheme.primary
    horizontalAlignment: Text.AlignHCenter
    verticalAlignment: Text.AlignVCenter
}
