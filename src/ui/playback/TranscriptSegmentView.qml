pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// One segment's card: speaker and time over the translation, the original or
// both, in the overlay's colours and size. Texts are plain and selectable; a
// click (not a selection) jumps the audio to the segment.
Item {
    id: card

    required property string speaker
    required property string timeLabel
    required property string originalText
    required property string translatedText
    required property bool isActive
    required property int displayMode
    required property real fontSize
    required property bool showSpeakerLabels
    required property color translatedColor
    required property color originalColor
    required property color paragraphBgColor
    required property real paragraphRadius

    signal clicked

    readonly property bool showsTranslation: OverlayStyle.showsTranslation(displayMode) && translatedText !== ""
    readonly property bool isBoth: OverlayStyle.isBoth(displayMode)
    readonly property bool isOriginalOnly: !OverlayStyle.showsTranslation(displayMode)
    // The card is opaque: the active tint is laid over the user's colour, so
    // the user's text colours keep their contrast.
    readonly property color cardColor: isActive ? activeColor : paragraphBgColor
    readonly property color labelColor: TextColors.faint(translatedColor, cardColor, 0.62)
    property bool isHovering: hover.hovered

    implicitHeight: content.implicitHeight + 24

    // How far the card has turned to its active colour, 0 to 1. It turns on
    // the shared 25 Hz frame ticker, in the same frames as the scroll to the
    // middle that comes with it: the window's own animation clock would draw
    // the whole window up to 60 times a second for it.
    property real activeness: 0
    readonly property color activeColor: Qt.tint(paragraphBgColor, AppTheme.activeCardBg)

    onIsActiveChanged: {
        turn.to = isActive ? 1 : 0
        turn.start()
    }
    Component.onCompleted: activeness = isActive ? 1 : 0

    TickedAnimation {
        id: turn
        target: card
        property: "activeness"
        duration: AppTheme.contentTransitionDuration
        easing: AppTheme.animationEasing
    }

    Rectangle {
        anchors.fill: parent
        radius: card.paragraphRadius
        color: Qt.rgba(card.paragraphBgColor.r + (card.activeColor.r - card.paragraphBgColor.r) * card.activeness,
                       card.paragraphBgColor.g + (card.activeColor.g - card.paragraphBgColor.g) * card.activeness,
                       card.paragraphBgColor.b + (card.activeColor.b - card.paragraphBgColor.b) * card.activeness,
                       card.paragraphBgColor.a + (card.activeColor.a - card.paragraphBgColor.a) * card.activeness)
        border.width: 1
        border.color: card.isActive ? AppTheme.activeCardBorder : (card.isHovering ? AppTheme.alpha(AppTheme.grey, 0.3) : "transparent")
    }

    HoverHandler {
        id: hover
    }

    TapHandler {
        onTapped: card.clicked()
    }

    ColumnLayout {
        id: content
        x: 12
        y: 12
        width: card.width - 24
        spacing: 4

        RowLayout {
            objectName: "speakerRow"
            Layout.fillWidth: true
            Layout.leftMargin: 4
            Layout.rightMargin: 4
            visible: opacity > 0
            opacity: card.showSpeakerLabels ? 1 : 0
            spacing: 6

            Behavior on opacity {
                NumberAnimation {
                    duration: AppTheme.contentTransitionDuration
                }
            }

            Text {
                text: card.speaker
                textFormat: Text.PlainText
                font.pixelSize: AppTheme.captionSize
                font.weight: Font.Medium
                color: card.labelColor
            }
            Text {
                text: card.timeLabel
                textFormat: Text.PlainText
                font: AppTheme.caption2
                color: card.labelColor
            }
            Item {
                Layout.fillWidth: true
            }
        }

        SegmentText {
            objectName: "translatedText"
            visible: card.showsTranslation
            text: card.translatedText
            font.pixelSize: card.fontSize
            color: card.translatedColor
        }
        Rectangle {
            visible: card.isBoth
            Layout.fillWidth: true
            implicitHeight: 1
            color: AppTheme.alpha(card.originalColor, 0.15)
        }
        SegmentText {
            objectName: "originalText"
            visible: card.isBoth || card.isOriginalOnly
            text: card.originalText
            font.pixelSize: card.isBoth ? card.fontSize * 0.8 : card.fontSize
            font.italic: card.isBoth
            color: card.isBoth ? TextColors.faint(card.originalColor, card.cardColor, 0.5) : card.originalColor
        }
    }

    component SegmentText: TextEdit {
        Layout.fillWidth: true
        textFormat: TextEdit.PlainText
        wrapMode: TextEdit.Wrap
        readOnly: true
        selectByMouse: true
        selectionColor: AppTheme.alpha(AppTheme.accent, 0.35)
        selectedTextColor: color
        activeFocusOnPress: false

        // Handlers see the press before the text does: a click still seeks,
        // a drag still selects.
        TapHandler {
            onTapped: card.clicked()
        }
    }
}
