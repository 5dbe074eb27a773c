pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls as Controls
import QtQuick.Layouts
import Qt.labs.platform as Platform
import Tolvaran.Ui

// One recording: a header with its date and the text toggles, the transcript
// following the audio, and the transport. State and operations live in
// PlaybackController; this only lays them out.
Item {
    id: root

    // Right-to-left interface languages lay the view out from the right.
    LayoutMirroring.enabled: InterfaceDirection.isRightToLeft
    LayoutMirroring.childrenInherit: true

    required property PlaybackController playback
    required property AppSettings settings

    ColumnLayout {
        anchors.fill: parent
        spacing: 0

        // Header
        RowLayout {
            objectName: "header"
            Layout.fillWidth: true
            Layout.margins: 12
            Layout.leftMargin: 16
            spacing: 6

            ColumnLayout {
                spacing: 2
                Layout.fillWidth: true
                Text {
                    objectName: "dateText"
                    Layout.fillWidth: true
                    text: root.playback.dateText
                    textFormat: Text.PlainText
                    font: AppTheme.headline
                    color: AppTheme.primary
                    elide: Text.ElideRight
                }
                Text {
                    objectName: "summaryText"
                    Layout.fillWidth: true
                    text: root.playback.summaryText
                    textFormat: Text.PlainText
                    font: AppTheme.caption
                    color: AppTheme.secondary
                    elide: Text.ElideRight
                }
            }
            PlaybackTabButton {
                objectName: "originalButton"
                text: qsTr("Original")
                isActive: root.playback.showsOriginal
                onClicked: root.playback.toggleOriginal()
            }
            PlaybackTabButton {
                objectName: "translateButton"
                text: qsTr("Translate")
                isActive: root.playback.showsTranslation
                onClicked: root.playback.toggleTranslate()
            }
            ToolbarTextButton {
                objectName: "exportButton"
                text: qsTr("Export…")
                focusPolicy: Qt.NoFocus
                onClicked: exportDialog.start()
            }
            GlassPlainButton {
                objectName: "fontSizeButton"
                iconName: "textformat.size"
                iconSize: AppTheme.title3Size
                color: AppTheme.secondary
                focusPolicy: Qt.NoFocus
                Controls.ToolTip.visible: hovered
                Controls.ToolTip.delay: AppTheme.toolTipDelay
                Controls.ToolTip.text: Texts.fontSizeHelp(root.settings.fontSizePreset)
                Accessible.name: Controls.ToolTip.text
                onClicked: root.settings.cycleFontSize()
            }
            GlassPlainButton {
                objectName: "closeButton"
                iconName: "xmark.circle.fill"
                Accessible.name: qsTr("Close")
                iconSize: AppTheme.title3Size
                color: AppTheme.secondary
                focusPolicy: Qt.NoFocus
                background: null
                onClicked: root.playback.close()
            }
        }

        Text {
            objectName: "exportMessage"
            visible: text !== ""
            Layout.fillWidth: true
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            Layout.bottomMargin: 6
            text: root.playback.exportMessage
            textFormat: Text.PlainText
            font: AppTheme.caption
            color: AppTheme.secondary
            elide: Text.ElideMiddle
        }

        Divider {}

        // Transcript
        ListView {
            id: transcript
            objectName: "transcript"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            topMargin: 16
            bottomMargin: 16
            spacing: 8
            boundsBehavior: Flickable.StopAtBounds
            // No current item: the list would keep that card alive and move
            // an invisible highlight after it, redrawing the window on every
            // frame for as long as the move lasts.
            currentIndex: -1
            model: root.playback.segments
            Controls.ScrollBar.vertical: Controls.ScrollBar {}

            delegate: TranscriptSegmentView {
                required property int index
                required property var offsetMs

                x: 16
                width: transcript.width - 32
                isActive: index === root.playback.activeSegmentIndex
                displayMode: root.playback.displayMode
                fontSize: root.settings.fontSize
                showSpeakerLabels: root.settings.showSpeakerLabels
                translatedColor: root.settings.overlayTranslatedColor
                originalColor: root.settings.overlayOriginalColor
                paragraphBgColor: root.settings.overlayParagraphBgColor
                paragraphRadius: root.settings.overlayParagraphRadius
                onClicked: root.playback.seekTo(offsetMs)
            }

            // The segment being heard moves to the middle. Laying the list out
            // again can move its coordinates (the places of cards not made yet
            // are estimates), so the scroll starts from where the card shows
            // now, not from the old contentY: that one can lie thousands of
            // pixels away, and the scroll would run through (and make) every
            // card between. A card not made yet is far away: the list jumps.
            function centre(index) {
                if (index < 0)
                    return
                const card = itemAtIndex(index)
                const shownAt = card ? card.y - contentY : 0
                positionViewAtIndex(index, ListView.Center)
                const to = contentY
                const from = card && itemAtIndex(index) === card ? card.y - shownAt : to
                if (Math.abs(to - from) >= 1)
                    contentY = from
                // Even when it does not move: it ends in the middle.
                scroll.to = to
                scroll.start()
            }

            // On the shared 25 Hz frame ticker, in whole pixels: the window's
            // own animation clock would redraw the list up to 60 times a
            // second for each segment change.
            TickedAnimation {
                id: scroll
                target: transcript
                property: "contentY"
                duration: 300
                easing: Easing.InOutQuad
                snap: 1
                // Cards made on the way are laid out a frame later and can
                // move the one being heard: it still ends in the middle.
                onRunningChanged: {
                    if (!running && root.playback.activeSegmentIndex >= 0)
                        transcript.positionViewAtIndex(root.playback.activeSegmentIndex, ListView.Center)
                }
            }

            Connections {
                target: root.playback
                function onActiveSegmentChanged() {
                    transcript.centre(root.playback.activeSegmentIndex)
                }
            }
        }

        Divider {}

        // Transport
        ColumnLayout {
            Layout.fillWidth: true
            Layout.leftMargin: 16
            Layout.rightMargin: 16
            Layout.topMargin: 8
            Layout.bottomMargin: 10
            spacing: 4

            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                Text {
                    objectName: "currentTimeText"
                    Layout.preferredWidth: 48
                    text: root.playback.currentTimeText
                    textFormat: Text.PlainText
                    font.pixelSize: AppTheme.captionSize
                    font.family: "monospace"
                    color: AppTheme.secondary
                    horizontalAlignment: Text.AlignLeft
                }
                Controls.Slider {
                    id: slider
                    objectName: "positionSlider"
                    Layout.fillWidth: true
                    focusPolicy: Qt.NoFocus
                    // Moved in whole pixels: over an hour a tick of the
                    // position moves it by less, and each move redraws it.
                    readonly property real step: (to - from) / Math.max(availableWidth, 1)
                    from: 0
                    to: Math.max(root.playback.duration, 0.01)
                    value: Math.round(root.playback.currentTime / step) * step
                    onPressedChanged: pressed ? root.playback.beginSliderDrag() : root.playback.endSliderDrag()
                    onMoved: root.playback.moveSlider(value)
                }
                Text {
                    objectName: "durationText"
                    Layout.preferredWidth: 48
                    text: root.playback.durationText
                    textFormat: Text.PlainText
                    font.pixelSize: AppTheme.captionSize
                    font.family: "monospace"
                    color: AppTheme.secondary
                    horizontalAlignment: Text.AlignRight
                }
            }

            RowLayout {
                Layout.fillWidth: true
                spacing: 8
                GlassPlainButton {
                    objectName: "backButton"
                    iconName: "gobackward.10"
                    Accessible.name: qsTr("Back 10 seconds")
                    iconSize: AppTheme.title3Size
                    focusPolicy: Qt.NoFocus
                    background: null
                    onClicked: root.playback.seekRelative(-10)
                }
                GlassPlainButton {
                    objectName: "playButton"
                    iconName: root.playback.isPlaying ? "pause.circle.fill" : "play.circle.fill"
                    Accessible.name: root.playback.isPlaying ? qsTr("Pause") : qsTr("Play")
                    iconSize: AppTheme.largeTitleSize
                    color: AppTheme.accent
                    focusPolicy: Qt.NoFocus
                    background: null
                    onClicked: root.playback.togglePlayback()
                }
                GlassPlainButton {
                    objectName: "forwardButton"
                    iconName: "goforward.10"
                    Accessible.name: qsTr("Forward 10 seconds")
                    iconSize: AppTheme.title3Size
                    focusPolicy: Qt.NoFocus
                    background: null
                    onClicked: root.playback.seekRelative(10)
                }
                Item {
                    Layout.fillWidth: true
                }
                Repeater {
                    model: root.playback.rates
                    delegate: PlaybackTabButton {
                        required property real modelData
                        objectName: "rateButton"
                        text: PlaybackStyle.rateLabel(modelData)
                        isActive: Math.abs(root.playback.playbackRate - modelData) < 0.001
                        onClicked: root.playback.playbackRate = modelData
                    }
                }
            }
        }
    }

    Shortcut {
        sequence: "Left"
        onActivated: root.playback.seekRelative(-10)
    }
    Shortcut {
        sequence: "Space"
        onActivated: root.playback.togglePlayback()
    }
    Shortcut {
        sequence: "Right"
        onActivated: root.playback.seekRelative(10)
    }

    // The desktop's own save dialog where there is one, else Qt's.
    Platform.FileDialog {
        id: exportDialog
        objectName: "exportDialog"
        title: qsTr("Export Transcript")
        fileMode: Platform.FileDialog.SaveFile
        acceptLabel: qsTr("Save")
        nameFilters: root.playback.exportNameFilters
        onAccepted: root.playback.exportChosen(file, selectedNameFilter.index)

        // Each time from the proposal: the last folder used and a new name.
        function start() {
            selectedNameFilter.index = 0
            folder = root.playback.exportFolder
            open()
            // Once open: a dialog that is not shown yet keeps only its folder.
            currentFile = root.playback.proposedExportFile
        }
    }

    component Divider: Rectangle {
        Layout.fillWidth: true
        implicitHeight: 1
        color: AppTheme.divider
    }
}
