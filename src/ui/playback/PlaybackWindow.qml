import QtQuick
import QtQuick.Window
import Tolvaran.Ui

// The ordinary window around one recording's playback view. Its owner
// (PlaybackWindowManager) sets its title, size and place and hears it close.
Window {
    id: window

    required property PlaybackController playback
    required property AppSettings settings

    color: AppTheme.opaqueMaterial

    PlaybackView {
        anchors.fill: parent
        playback: window.playback
        settings: window.settings
    }
}
