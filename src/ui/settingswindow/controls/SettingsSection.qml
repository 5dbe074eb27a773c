import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// A group of form rows on a card, with an optional header above and footer
// below. Texts on the card take the palette's text colours for its base;
// the header and footer, on the window, take the window's.
ColumnLayout {
    id: section

    property string title
    property string footer
    default property alias rows: card.data
    readonly property SystemPalette palette: SystemPalette {
        colorGroup: SystemPalette.Active
    }

    Layout.fillWidth: true
    spacing: 4

    Text {
        visible: section.title !== ""
        Layout.leftMargin: 4
        text: section.title
        textFormat: Text.PlainText
        font.pixelSize: AppTheme.captionSize
        font.weight: Font.DemiBold
        color: TextColors.label(section.palette.window, TextColors.Secondary)
    }
    Rectangle {
        Layout.fillWidth: true
        implicitHeight: card.implicitHeight + 16
        radius: 8
        color: section.palette.base
        border.width: 1
        border.color: Qt.rgba(section.palette.text.r, section.palette.text.g, section.palette.text.b, 0.12)

        ColumnLayout {
            id: card
            anchors.fill: parent
            anchors.margins: 8
            anchors.leftMargin: AppTheme.cardPadding
            anchors.rightMargin: AppTheme.cardPadding
            spacing: 6
        }
    }
    Text {
        visible: section.footer !== ""
        Layout.fillWidth: true
        Layout.leftMargin: 4
        text: section.footer
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font.pixelSize: AppTheme.captionSize
        color: TextColors.label(section.palette.window, TextColors.Secondary)
    }
}
