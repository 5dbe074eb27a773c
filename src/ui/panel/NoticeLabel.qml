import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// A symbol and a text that wraps, for what the panel tells in sentences that
// may not fit one line. The text is always plain: it may come from a server.
RowLayout {
    id: notice

    property string iconName: "info.circle"
    property color iconColor: color
    property string text
    property color color: AppTheme.secondary

    visible: text !== ""
    spacing: 6
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    SymbolImage {
        // On the first line's middle, also when the text wraps.
        Layout.alignment: Qt.AlignTop
        Layout.topMargin: Math.max(0, Math.round((noticeText.font.pixelSize * 1.3 - AppTheme.captionSize) / 2))
        name: notice.iconName
        size: AppTheme.captionSize
        color: notice.iconColor
    }
    Text {
        id: noticeText
        Layout.fillWidth: true
        text: notice.text
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font: AppTheme.caption
        color: notice.color
    }
}
