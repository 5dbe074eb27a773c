import QtQuick
import Tolvaran.Ui

// A label on a settings card. A label longer than its room, as many are in
// other languages, goes on in a second line rather than being cut.
Text {
    textFormat: Text.PlainText
    wrapMode: Text.Wrap
    font.pixelSize: AppTheme.bodySize
    color: TextColors.readable(AppTheme.palette.text, AppTheme.palette.base)
    elide: Text.ElideRight
}
