import QtQuick
import Tolvaran.Ui

// A caption of a paragraph that fades in and out with `shown`, the first
// time as well.
Text {
    property bool shown

    anchors.verticalCenter: parent.verticalCenter
    textFormat: Text.PlainText
    font: AppTheme.caption2
    // Left out of frames while faded out.
    visible: opacity > 0
    opacity: 0
    Component.onCompleted: opacity = Qt.binding(() => shown ? 1 : 0)

    Behavior on opacity {
        NumberAnimation {
            duration: AppTheme.hoverAnimationDuration
            easing.type: Easing.InOutQuad
        }
    }
}
