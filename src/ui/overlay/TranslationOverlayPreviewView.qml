pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import Tolvaran.Ui

// Sample paragraphs drawn exactly as the overlay draws its own, so that the
// overlay's style can be watched while it is being changed.
FloatingPanelChrome {
    id: preview

    required property TranslationViewModel viewModel
    required property AppSettings settings

    closeButtonPosition: Qt.point(0, 0)
    onCloseRequested: Window.window.close()

    PreviewParagraphs {
        id: samples
    }

    Rectangle {
        anchors.fill: parent
        radius: 12
        color: AppTheme.material
        border.width: 0.5
        border.color: AppTheme.materialBorder
        opacity: preview.settings.overlayOpacity
    }

    Flickable {
        id: flick

        anchors.fill: parent
        interactive: false
        clip: true
        contentHeight: column.height

        Column {
            id: column

            width: flick.width
            padding: 16
            spacing: 12

            Repeater {
                model: samples.model

                delegate: TranslationParagraphView {
                    width: column.width - 32
                    displayMode: preview.settings.displayMode
                    fontSize: preview.settings.fontSize
                    showSpeakerLabels: preview.settings.showSpeakerLabels
                    translatedColor: preview.settings.overlayTranslatedColor
                    originalColor: preview.settings.overlayOriginalColor
                    paragraphBgColor: preview.settings.overlayParagraphBgColor
                    paragraphRadius: preview.settings.overlayParagraphRadius
                    targetLanguage: preview.settings.selectedLanguage
                }
            }
        }

        ScrollBar.vertical: ScrollBar {
            policy: flick.contentHeight > flick.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
        }

        WheelHandler {
            onWheel: event => {
                const step = event.pixelDelta.y !== 0 ? event.pixelDelta.y : event.angleDelta.y / 120 * 60;
                flick.contentY = Math.max(0, Math.min(flick.contentHeight - flick.height, flick.contentY - step));
            }
        }
    }

    Rectangle {
        anchors.top: parent.top
        anchors.right: parent.right
        anchors.margins: 8
        width: badge.implicitWidth + 16
        height: badge.implicitHeight + 6
        radius: 4
        // Over the samples as they scroll by: it must read over anything.
        color: AppTheme.alpha(TextColors.fillUnderWhite(AppTheme.orange, 0.8, "transparent"), 0.8)

        Text {
            id: badge

            anchors.centerIn: parent
            text: qsTr("PREVIEW")
            font.pixelSize: AppTheme.caption2Size
            font.weight: Font.Bold
            color: AppTheme.textOn(parent.color)
        }
    }
}
