import QtQuick
import Tolvaran.Ui

// A secondary line on a settings card.
Text {
    textFormat: Text.PlainText
    font.pixelSize: AppTheme.captionSize
    color: TextColors.label(AppTheme.palette.base, TextColors.Secondary)
    elide: Text.ElideRight
}
