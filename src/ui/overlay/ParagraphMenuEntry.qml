import QtQuick
import QtQuick.Controls
import Tolvaran.Ui

// An entry of a paragraph's context menu, in the program's colours.
MenuItem {
    id: menuItem

    leftPadding: AppTheme.compactButtonPadding
    rightPadding: AppTheme.compactButtonPadding

    contentItem: Text {
        text: menuItem.text
        textFormat: Text.PlainText
        font: AppTheme.body
        color: AppTheme.primary
    }
    background: Rectangle {
        radius: 4
        color: menuItem.highlighted ? AppTheme.hoverBg : "transparent"
    }
}
