import QtQuick
import Tolvaran.Ui

// A label on a settings card, on one line: a text that wraps inside a row's
// layout can leave the row unarranged (Qt 6.4), so translations are kept
// short enough instead (the fit test measures each language).
Text {
    textFormat: Text.PlainText
    font.pixelSize: AppTheme.bodySize
    color: TextColors.readable(AppTheme.palette.text, AppTheme.palette.base)
    elide: Text.ElideRight
}
