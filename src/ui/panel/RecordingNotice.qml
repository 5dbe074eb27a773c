import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// What the panel tells about recording (a folder it cannot write to, a full
// disk, a recording saved only in part), until the user dismisses it or the
// next recording starts well.
RowLayout {
    id: notice

    required property TranslationViewModel viewModel

    visible: viewModel.recordings.recordingNotice !== ""
    spacing: 6

    SymbolImage {
        // On the first line's middle, also when the text wraps.
        Layout.alignment: Qt.AlignTop
        Layout.topMargin: Math.max(0, Math.round((noticeText.font.pixelSize * 1.3 - AppTheme.captionSize) / 2))
        name: "exclamationmark.triangle.fill"
        size: AppTheme.captionSize
        color: AppTheme.orange
    }
    Text {
        id: noticeText
        objectName: "recordingNoticeText"
        Layout.fillWidth: true
        text: notice.viewModel.recordings.recordingNotice
        textFormat: Text.PlainText
        wrapMode: Text.Wrap
        font: AppTheme.caption
        color: AppTheme.orange
    }
    GlassPlainButton {
        objectName: "dismissRecordingNoticeButton"
        Layout.alignment: Qt.AlignTop
        iconName: "xmark.circle.fill"
        Accessible.name: qsTr("Dismiss")
        iconSize: AppTheme.captionSize
        color: AppTheme.secondary
        background: null
        onClicked: notice.viewModel.recordings.dismissNotice()
    }
}
