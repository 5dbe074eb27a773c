import QtQuick
import Tolvaran.Ui

// A label on a settings card.
Text {
    textFormat: Text.PlainText
    font.pixelSize: AppTheme.bodySize
    color: TextColors.readable(AppTheme.palette.text, AppTheme.palette.base)
    elide: Text.ElideRight
}
