import QtQuick
import QtQuick.Window
import Tolvaran.Ui

// The window that hosts the panel: a frameless popup beside the tray item
// that goes away when it loses focus, or, where no tray host runs, a small
// ordinary window.
Window {
    id: window

    required property TranslationViewModel viewModel
    required property AppSettings settings
    required property UpdaterService updater
    required property bool isPopup

    signal quitRequested
    signal updateRequested

    // The content's height, which changes with the state.
    readonly property int contentHeight: Math.ceil(view.implicitHeight)

    title: "Tolvaran"
    width: view.implicitWidth
    minimumWidth: width
    maximumWidth: width
    Component.onCompleted: fitContent()
    onContentHeightChanged: fitContent()

    // The window is exactly as tall as its content. A window manager holds
    // a window to its size hints and refuses a resize outside them, so the
    // hints make room first, then the window is resized, then they are
    // fixed again; in any other order the panel keeps its old height.
    function fitContent() {
        const fitted = contentHeight
        if (fitted <= 0)
            return
        minimumHeight = Math.min(minimumHeight, fitted)
        maximumHeight = Math.max(maximumHeight, fitted)
        height = fitted
        minimumHeight = fitted
        maximumHeight = fitted
    }
    color: isPopup ? "transparent" : AppTheme.opaqueMaterial
    flags: isPopup ? (Qt.Tool | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint | Qt.NoDropShadowWindowHint) : Qt.Window

    onVisibleChanged: {
        if (visible)
            view.appeared()
    }
    // Without a tray this window is the program's only face: closing it
    // minimises it, so the running program stays in sight.
    onClosing: close => {
        if (!isPopup) {
            close.accepted = false
            showMinimized()
        }
    }
    onActiveChanged: {
        if (isPopup && !active && visible)
            close()
    }

    Rectangle {
        anchors.fill: parent
        visible: window.isPopup
        radius: 10
        color: AppTheme.material
        border.width: 1
        border.color: AppTheme.materialBorder
    }

    PanelView {
        id: view
        viewModel: window.viewModel
        settings: window.settings
        updater: window.updater
        onQuitRequested: window.quitRequested()
        onUpdateRequested: window.updateRequested()
    }

    Shortcut {
        sequence: "Esc"
        enabled: window.isPopup
        onActivated: window.close()
    }
}
