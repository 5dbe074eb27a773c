import QtQuick
import QtQuick.Controls
import Tolvaran.Ui

// A combo box in the settings' type size, its arrow drawn from the icon font:
// Qt Quick 6.4 never frees the style's own arrow image.
ComboBox {
    id: box

    font.pixelSize: AppTheme.bodySize
    // The list opens on the window's overlay and would take the desktop's
    // font size instead.
    popup.font.pixelSize: AppTheme.bodySize

    indicator: SymbolImage {
        x: box.mirrored ? box.padding : box.width - width - box.padding
        y: box.topPadding + (box.availableHeight - height) / 2
        name: "chevron.down"
        color: box.palette.buttonText
        opacity: box.enabled ? 1 : 0.5
    }
}
