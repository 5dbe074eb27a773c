pragma ComponentBehavior: Bound
import QtQuick
import Tolvaran.Ui

// One or two caption lines at the bottom of the screen: the translation of
// the current paragraph above, the original below. Each line sits on its own
// box of the chosen background; the panel around them is transparent and
// lets every click through. Texts are plain text, never markup.
Item {
    id: view

    // Right-to-left interface languages lay the view out from the right.
    LayoutMirroring.enabled: InterfaceDirection.isRightToLeft
    LayoutMirroring.childrenInherit: true

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
    // the strip has, the newest whole lines are shown and the oldest go. A
    // new text fades in over the one it replaces, and the box eases to its
    // new height, moving the line above it with it. Both step on the shared
    // frame ticker and only while they move.
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
        readonly property real lineHeight: label.lineCount > 0 ? label.contentHeight / label.lineCount : label.textHeight
        readonly property real shownHeight: Math.min(label.textHeight,
            Math.max(1, Math.floor((maximumHeight - 2 * paddingV) / lineHeight)) * lineHeight)
        readonly property real fullHeight: shownHeight + 2 * paddingV
        // 0 when the text has just changed, 1 once the new one is in.
        property real arrival: 1

        width: parent.width
        clip: height < fullHeight

        Component.onCompleted: {
            label.text = text;
            height = fullHeight;
        }
        onTextChanged: {
            if (text === label.text)
                return;
            outgoing.text = label.text;
            label.text = text;
            arrival = 0;
            arrive.start();
        }
        onFullHeightChanged: {
            if (!visible || height === 0) {
                height = fullHeight;
                return;
            }
            boxHeight.to = fullHeight;
            boxHeight.start();
        }

        TickedAnimation {
            id: arrive

            target: caption
            property: "arrival"
            to: 1
            duration: 250
            easing: Easing.OutCubic
        }

        TickedAnimation {
            id: boxHeight

            target: caption
            property: "height"
            duration: 200
            easing: Easing.OutCubic
            snap: 1
        }

        // Where a box of this width stands in the line.
        function alignedX(boxWidth: real): real {
            return captions.alignment === Qt.AlignLeft ? 0
                : captions.alignment === Qt.AlignRight ? width - boxWidth
                : (width - boxWidth) / 2;
        }

        Rectangle {
            id: box

            readonly property color bg: view.settings.subtitleBgColor
            // From the old text's width to the new one's, as the new text
            // comes in.
            width: (outgoing.visible ? outgoing.width + (label.width - outgoing.width) * caption.arrival
                                     : label.width) + 2 * caption.paddingH
            height: parent.height
            x: caption.alignedX(width)
            radius: view.settings.subtitleCornerRadius
            color: Qt.rgba(bg.r, bg.g, bg.b, view.settings.subtitleBgOpacity)
        }

        CaptionLabel {
            id: outgoing

            caption: caption
            visible: caption.arrival < 1 && text !== ""
            // Held until the new text is nearly in: the words both share
            // barely dim on the way.
            opacity: 1 - caption.arrival * caption.arrival
        }

        CaptionLabel {
            id: label

            caption: caption
            opacity: caption.arrival
        }
    }

    // The text of a caption, the newest lines at the bottom of its box.
    component CaptionLabel: Item {
        id: holder

        required property Caption caption
        property alias text: line.text
        readonly property alias lineCount: line.lineCount
        readonly property alias contentHeight: line.contentHeight
        readonly property alias textHeight: line.height

        // At once where the box will hold it: following the box as it widens
        // would run a new line off the screen's edge.
        x: caption.alignedX(line.width + 2 * caption.paddingH) + caption.paddingH
        y: caption.height - caption.paddingV - height
        width: line.width
        height: Math.min(line.height, caption.shownHeight)
        clip: line.height > height

        Text {
            id: line

            readonly property color base: view.settings.subtitleTextColor
            width: Math.min(implicitWidth, Math.max(0, holder.caption.width - 2 * holder.caption.paddingH))
            y: parent.height - height
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            horizontalAlignment: captions.alignment
            color: Qt.rgba(base.r, base.g, base.b, holder.caption.lineOpacity)
            font.pixelSize: Math.max(1, holder.caption.pixelSize)
            font.weight: holder.caption.weight
            font.italic: holder.caption.italic
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
