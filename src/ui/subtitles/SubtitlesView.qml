pragma ComponentBehavior: Bound
import QtQuick
import Tolvaran.Ui

// One or two caption lines at the bottom of the screen: the translation of
// the current paragraph above, the original below. Each line sits on its own
// box of the chosen background; the panel around them is transparent and
// lets every click through. Texts are plain text, never markup.
Item {
    id: view

    required property TranslationViewModel viewModel
    required property AppSettings settings
    property bool isPreview: false

    readonly property alias model: captions

    SubtitlesModel {
        id: captions
        viewModel: view.viewModel
        settings: view.settings
        isPreview: view.isPreview
    }

    // One caption line on its own box. When its text needs more room than
    // the strip has, the newest whole lines are shown and the oldest go.
    component Caption: Item {
        id: caption

        property string text
        property real pixelSize
        property int weight: Font.Normal
        property bool italic: false
        property real lineOpacity: 1.0
        // The height it may take, box included.
        property real maximumHeight: Infinity
        readonly property real paddingH: view.settings.subtitlePaddingH
        readonly property real paddingV: view.settings.subtitlePaddingV
        readonly property real lineHeight: label.lineCount > 0 ? label.contentHeight / label.lineCount : label.height
        readonly property real shownHeight: Math.min(label.height,
            Math.max(1, Math.floor((maximumHeight - 2 * paddingV) / lineHeight)) * lineHeight)

        width: parent.width
        height: shownHeight + 2 * paddingV

        // Where a box of this width stands in the line.
        function alignedX(boxWidth: real): real {
            return captions.alignment === Qt.AlignLeft ? 0
                : captions.alignment === Qt.AlignRight ? width - boxWidth
                : (width - boxWidth) / 2;
        }

        Rectangle {
            id: box

            readonly property color bg: view.settings.subtitleBgColor
            width: label.width + 2 * caption.paddingH
            height: parent.height
            x: caption.alignedX(width)
            radius: view.settings.subtitleCornerRadius
            color: Qt.rgba(bg.r, bg.g, bg.b, view.settings.subtitleBgOpacity)

            Behavior on width {
                NumberAnimation {
                    duration: 250
                    easing.type: Easing.OutQuad
                }
            }
        }

        Item {
            // At once where the grown box will hold it: following the box
            // as it widens would run a new line off the screen's edge.
            x: caption.alignedX(label.width + 2 * caption.paddingH) + caption.paddingH
            y: caption.paddingV
            width: label.width
            height: caption.shownHeight
            clip: label.height > height

            Text {
                id: label

                readonly property color base: view.settings.subtitleTextColor
                readonly property real widest: Math.max(0, caption.width - 2 * caption.paddingH)
                width: Math.min(implicitWidth, widest)
                y: parent.height - height
                text: caption.text
                textFormat: Text.PlainText
                wrapMode: Text.Wrap
                horizontalAlignment: captions.alignment
                color: Qt.rgba(base.r, base.g, base.b, caption.lineOpacity)
                font.pixelSize: Math.max(1, caption.pixelSize)
                font.weight: caption.weight
                font.italic: caption.italic
            }
        }
    }

    Column {
        id: lines

        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.leftMargin: 40
        anchors.rightMargin: 40
        anchors.bottomMargin: 12
        spacing: 4

        Caption {
            objectName: "translatedLine"
            visible: captions.showsTranslatedLine
            maximumHeight: view.height - lines.anchors.bottomMargin
                - (original.visible ? original.height + lines.spacing : 0)
            text: captions.translatedText
            pixelSize: view.settings.subtitleFontSize
            weight: Font.DemiBold
        }
        Caption {
            id: original
            objectName: "originalLine"
            visible: captions.showsOriginalLine
            // Beside a translation it takes at most half the strip.
            maximumHeight: (view.height - lines.anchors.bottomMargin) / (captions.showsTranslatedLine ? 2 : 1)
            text: captions.originalText
            pixelSize: captions.isBoth ? view.settings.subtitleFontSize * 0.75 : view.settings.subtitleFontSize
            italic: captions.isBoth
            lineOpacity: captions.isBoth ? 0.8 : 1.0
        }
    }
}
