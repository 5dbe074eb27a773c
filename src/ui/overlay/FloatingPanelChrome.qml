pragma ComponentBehavior: Bound
import QtQuick
import Tolvaran.Ui

// What a title bar would give a borderless panel: its background moves the
// window, its edges resize it, and a close button shows while the pointer is
// over it. Content goes on top of the moving background.
Item {
    id: chrome

    default property alias content: contentArea.data
    property bool isHovering: hover.hovered
    // Where the close button sits, clear of the content's own controls.
    property point closeButtonPosition: Qt.point(14, 12)

    signal closeRequested

    HoverHandler {
        id: hover
    }

    MouseArea {
        anchors.fill: parent
        onPressed: chrome.Window.window.startSystemMove()
    }

    Item {
        id: contentArea

        anchors.fill: parent
    }

    Repeater {
        model: [{
                "edges": Qt.LeftEdge,
                "shape": Qt.SizeHorCursor
            }, {
                "edges": Qt.RightEdge,
                "shape": Qt.SizeHorCursor
            }, {
                "edges": Qt.TopEdge,
                "shape": Qt.SizeVerCursor
            }, {
                "edges": Qt.BottomEdge,
                "shape": Qt.SizeVerCursor
            }, {
                "edges": Qt.LeftEdge | Qt.TopEdge,
                "shape": Qt.SizeFDiagCursor
            }, {
                "edges": Qt.RightEdge | Qt.BottomEdge,
                "shape": Qt.SizeFDiagCursor
            }, {
                "edges": Qt.RightEdge | Qt.TopEdge,
                "shape": Qt.SizeBDiagCursor
            }, {
                "edges": Qt.LeftEdge | Qt.BottomEdge,
                "shape": Qt.SizeBDiagCursor
            }]

        delegate: MouseArea {
            required property var modelData
            readonly property int grip: 6
            readonly property bool atLeft: modelData.edges & Qt.LeftEdge
            readonly property bool atRight: modelData.edges & Qt.RightEdge
            readonly property bool atTop: modelData.edges & Qt.TopEdge
            readonly property bool atBottom: modelData.edges & Qt.BottomEdge

            x: atRight ? chrome.width - grip : 0
            y: atBottom ? chrome.height - grip : 0
            width: atLeft || atRight ? grip : chrome.width
            height: atTop || atBottom ? grip : chrome.height
            cursorShape: modelData.shape
            onPressed: chrome.Window.window.startSystemResize(modelData.edges)
        }
    }

    ToolbarIconButton {
        x: chrome.closeButtonPosition.x
        y: chrome.closeButtonPosition.y
        iconName: "xmark.circle.fill"
        Accessible.name: qsTr("Close")
        opacity: chrome.isHovering ? 1 : 0
        visible: opacity > 0

        Behavior on opacity {
            NumberAnimation {
                duration: AppTheme.hoverAnimationDuration
                easing.type: Easing.InOutQuad
            }
        }

        onClicked: chrome.closeRequested()
    }
}
