pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Tolvaran.Ui

// The live translation: the toolbar, then the paragraphs of the conversation,
// following the latest one unless the reader has scrolled back.
FloatingPanelChrome {
    id: overlay

    required property TranslationViewModel viewModel
    required property AppSettings settings

    // Follows the newest text; off while the reader looks at older text.
    property bool followsLatest: true

    onCloseRequested: Window.window.close()

    OverlayParagraphs {
        id: feed

        viewModel: overlay.viewModel
        settings: overlay.settings
    }

    Rectangle {
        id: material

        anchors.fill: parent
        anchors.topMargin: 5
        anchors.bottomMargin: 5
        anchors.leftMargin: 10
        anchors.rightMargin: 10
        radius: 12
        color: AppTheme.material
        border.width: 0.5
        border.color: AppTheme.materialBorder
        opacity: overlay.settings.overlayOpacity
    }

    Item {
        id: stack

        anchors.fill: material

        OverlayToolbarView {
            id: toolbar

            width: parent.width
            settings: overlay.settings
        }

        Item {
            id: listArea

            anchors.top: notice.visible ? notice.bottom : toolbar.bottom
            anchors.topMargin: notice.visible ? 4 : 0
            anchors.bottom: parent.bottom
            // Room of its own for "Jump to latest" below the text.
            anchors.bottomMargin: jump.visible ? jump.height + 12 : 0
            width: parent.width
            clip: true

            Flickable {
                id: flick

                // Read afresh: in a change handler a binding may still hold
                // the old value.
                function end() {
                    return Math.max(0, contentHeight - height);
                }

                // Paragraphs above this line are culled. It moves in steps, so
                // that a scroll does not ask every paragraph on every frame.
                readonly property real cullLine: Math.floor(contentY / 200) * 200

                anchors.fill: parent
                interactive: false
                contentWidth: width
                contentHeight: column.height

                onContentHeightChanged: overlay.scrollToLatest()
                onContentYChanged: {
                    if (!scroll.running)
                        overlay.followsLatest = contentY >= end() - 2;
                }

                Column {
                    id: column

                    width: flick.width
                    padding: 16
                    spacing: 12

                    Repeater {
                        id: repeater

                        model: feed.model

                        delegate: TranslationParagraphView {
                            width: column.width - 32
                            isCulled: y + height < flick.cullLine
                            displayMode: overlay.settings.displayMode
                            fontSize: overlay.settings.fontSize
                            showSpeakerLabels: overlay.settings.showSpeakerLabels
                            translatedColor: overlay.settings.overlayTranslatedColor
                            originalColor: overlay.settings.overlayOriginalColor
                            paragraphBgColor: overlay.settings.overlayParagraphBgColor
                            paragraphRadius: overlay.settings.overlayParagraphRadius
                            targetLanguage: overlay.settings.selectedLanguage
                        }
                    }
                }

                // Always shown while there is more than fits: a bar that fades
                // in and out on every scroll would keep the window drawing.
                ScrollBar.vertical: ScrollBar {
                    policy: flick.contentHeight > flick.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
                }
            }

            // The top edge fades into the background. A mask would need the
            // list drawn into a layer of its own on every frame, which more
            // than doubles the frames drawn; a gradient of the background
            // colour costs nothing.
            Rectangle {
                width: parent.width
                height: 32
                // Only over text scrolled up under it: at rest it would veil
                // the first paragraph's header.
                visible: flick.contentY > 0
                gradient: Gradient {
                    GradientStop {
                        position: 0
                        color: AppTheme.alpha(AppTheme.material, overlay.settings.overlayOpacity * AppTheme.material.a)
                    }
                    GradientStop {
                        position: 1
                        color: AppTheme.alpha(AppTheme.material, 0)
                    }
                }
            }

            WheelHandler {
                acceptedDevices: PointerDevice.Mouse | PointerDevice.TouchPad
                onWheel: event => {
                    scroll.stop();
                    const step = event.pixelDelta.y !== 0 ? event.pixelDelta.y : event.angleDelta.y / 120 * 60;
                    flick.contentY = Math.max(0, Math.min(flick.end(), flick.contentY - step));
                }
            }

            // Until the first words arrive, a sign that it listens.
            Text {
                objectName: "listeningHint"
                anchors.centerIn: parent
                visible: repeater.count === 0 && overlay.viewModel.session.isListening
                text: qsTr("Listening…")
                textFormat: Text.PlainText
                font: AppTheme.body
                color: AppTheme.secondary
            }
        }

        ToolbarTextButton {
            id: jump

            objectName: "jumpToLatest"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.bottom
            anchors.bottomMargin: 6
            visible: !overlay.followsLatest
            text: qsTr("Jump to latest")
            background: Rectangle {
                radius: height / 2
                color: AppTheme.material
                border.width: 0.5
                border.color: AppTheme.materialBorder
            }
            onClicked: {
                overlay.followsLatest = true;
                overlay.scrollToLatest();
            }
        }

        // What the server said about this run ("cannot translate to
        // German…"), or that the connection is being opened again, between
        // the toolbar and the paragraphs; the paragraphs stay.
        Rectangle {
            id: notice

            objectName: "serverNotice"
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.top: toolbar.bottom
            anchors.topMargin: 4
            width: Math.min(parent.width - 32, noticeText.implicitWidth + 24)
            height: noticeText.implicitHeight + 10
            radius: 8
            visible: overlay.viewModel.serverNotice !== "" || overlay.viewModel.session.isReconnecting
            color: AppTheme.material
            border.width: 0.5
            border.color: AppTheme.materialBorder

            Text {
                id: noticeText
                anchors.fill: parent
                anchors.margins: 5
                anchors.leftMargin: 12
                anchors.rightMargin: 12
                text: overlay.viewModel.session.isReconnecting ? qsTr("Reconnecting…") : overlay.viewModel.serverNotice
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                horizontalAlignment: Text.AlignHCenter
                font: AppTheme.caption
                color: AppTheme.orangeText
            }
        }
    }

    TickedAnimation {
        id: scroll

        target: flick
        property: "contentY"
        duration: AppTheme.arrivalDuration
        easing: Easing.OutCubic
        snap: 1
    }

    function scrollToLatest() {
        if (!followsLatest || repeater.count === 0)
            return;
        if (Math.abs(flick.contentY - flick.end()) < 0.5 && !scroll.running)
            return;
        scroll.to = flick.end();
        scroll.start();
    }

    // Both languages side by side want 800 points, one language 500: the
    // panel makes room when the second column comes and gives it back when
    // it goes, together with the columns' own move.
    Connections {
        target: overlay.settings

        function onDisplayModeChanged() {
            const panel = overlay.Window.window as FloatingPanel;
            if (panel)
                panel.setIdealWidth(OverlayStyle.idealWidth(overlay.settings.displayMode), AppTheme.contentTransitionDuration);
        }
    }

    Connections {
        target: feed

        function onRefreshed() {
            overlay.scrollToLatest();
        }
    }
}
