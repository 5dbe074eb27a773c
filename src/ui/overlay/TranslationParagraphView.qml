import QtQuick
import QtQuick.Controls
import Tolvaran.Ui

// One paragraph: the speaker header, then its text in the columns the
// display mode shows. New paragraphs fade in once; growing ones type only
// their new characters.
Item {
    id: paragraph

    required property string speaker
    required property string language
    required property date timestamp
    required property string originalText
    required property string translatedText
    required property string interimOriginalText
    required property string interimTranslationText

    property int displayMode
    property real fontSize: 20
    property bool showSpeakerLabels: true
    property color translatedColor: "white"
    property color originalColor: "white"
    property color paragraphBgColor: "transparent"
    property real paragraphRadius: 8
    // The target language, a TargetLanguage.
    property int targetLanguage: -1
    readonly property bool originalStandsIn: OverlayStyle.showsOriginalAsTranslation(
        displayMode, language, targetLanguage, translatedText !== "" || interimTranslationText !== "")
    // Texts of our own on the card take their colour from it, not from the
    // palette: the card is the user's colour whatever the desktop's.
    readonly property color labelColor: TextColors.label(paragraphBgColor, TextColors.Secondary)
    readonly property color captionColor: TextColors.label(paragraphBgColor, TextColors.Tertiary)

    // Scrolled out of sight: its contents are left out of every frame.
    property bool isCulled: false
    property bool appeared: false
    readonly property bool isHovering: hover.hovered
    property bool wasHovered: false
    readonly property font textFont: Qt.font({
        "pixelSize": fontSize,
        "weight": Font.DemiBold
    })

    implicitHeight: content.implicitHeight + 32
    opacity: 0
    onIsHoveringChanged: wasHovered = wasHovered || isHovering
    Component.onCompleted: {
        appeared = true;
        appear.start();
    }

    TickedAnimation {
        id: appear

        target: paragraph
        property: "opacity"
        to: 1
        duration: AppTheme.arrivalDuration
        easing: Easing.OutCubic
    }

    HoverHandler {
        id: hover
    }

    // The final text, then the live words faint behind it, as faint as
    // still reads on the card.
    function segments(finalText, interimText, color) {
        const separator = finalText !== "" && interimText !== "" ? " " : "";
        return [{
                "text": finalText + separator,
                "color": color
            }, {
                "text": interimText,
                "color": TextColors.faint(color, paragraphBgColor, 0.35)
            }];
    }

    // The background and everything on it. Out of the scene while culled:
    // hidden items still cost every frame of a scroll. It keeps its state
    // and its height, and comes back as it was.
    Rectangle {
        parent: paragraph.isCulled ? null : paragraph
        width: paragraph.width
        height: paragraph.height
        color: paragraph.paragraphBgColor
        radius: paragraph.paragraphRadius

        Column {
            id: content

            x: 16
            y: 16
            width: paragraph.width - 32
            spacing: 8

            Column {
                width: parent.width
                spacing: 6
                visible: paragraph.showSpeakerLabels

                Item {
                    width: parent.width
                    height: speakerLabel.implicitHeight

                    Rectangle {
                        id: dot

                        width: 8
                        height: 8
                        radius: 4
                        color: OverlayStyle.speakerColor(paragraph.speaker)
                        anchors.verticalCenter: parent.verticalCenter
                    }

                    Text {
                        id: speakerLabel

                        x: dot.width + 6
                        anchors.verticalCenter: parent.verticalCenter
                        text: paragraph.speaker
                        textFormat: Text.PlainText
                        font.pixelSize: AppTheme.bodySize
                        font.weight: Font.Medium
                        color: paragraph.labelColor
                    }

                    // The language and the time show only while the pointer is
                    // over the paragraph. Most paragraphs never are: the labels
                    // are made on the first hover. The labels read the
                    // paragraph's ids: a Loader's component cannot be bound to
                    // this file in Qt 6.4 (it is made in a context of its own),
                    // so qmllint's unqualified check is off for it (7 warnings).
                    // qmllint disable unqualified
                    Loader {
                        anchors.fill: parent
                        active: paragraph.wasHovered
                        sourceComponent: Item {
                            ParagraphHoverLabel {
                                color: paragraph.captionColor
                                x: speakerLabel.x + speakerLabel.implicitWidth + 6
                                shown: paragraph.isHovering && paragraph.language !== "" && paragraph.language !== "?"
                                text: "(" + paragraph.language + ")"
                            }

                            ParagraphHoverLabel {
                                color: paragraph.captionColor
                                anchors.right: parent.right
                                shown: paragraph.isHovering
                                text: Qt.formatDateTime(paragraph.timestamp, "HH:mm:ss")
                            }
                        }
                    }
                    // qmllint enable unqualified
                }

                Rectangle {
                    width: parent.width
                    height: 1
                    color: AppTheme.alpha(TextColors.ink(paragraph.paragraphBgColor), 0.25)
                    opacity: 0.5
                }
            }

            Item {
                id: columns

                readonly property real sideBySide: modeLayout.sideBySide
                // Alone, a column fills the width; beside the other, half of it.
                readonly property real columnWidth: width - sideBySide * (width + 20) / 2

                width: parent.width
                height: Math.max(original.visible ? original.implicitHeight : 0,
                                 translation.visible ? translation.implicitHeight : 0)

                TypewriterText {
                    id: original

                    width: parent.columnWidth
                    opacity: modeLayout.originalOpacity
                    visible: opacity > 0
                    font: paragraph.textFont
                    charInterval: 0.02
                    fadeDuration: 0.25
                    segments: paragraph.segments(paragraph.originalText, paragraph.interimOriginalText,
                                                 paragraph.originalColor)

                    TapHandler {
                        acceptedButtons: Qt.RightButton
                        onTapped: eventPoint => contextMenu.openFor(original, eventPoint.position)
                    }
                }

                TypewriterText {
                    id: translation

                    x: parent.sideBySide * (parent.columnWidth + 20)
                    width: parent.columnWidth
                    opacity: modeLayout.translationOpacity
                    visible: opacity > 0
                    font: paragraph.textFont
                    charInterval: 0.02
                    fadeDuration: 0.25
                    segments: paragraph.originalStandsIn
                              ? paragraph.segments(paragraph.originalText, paragraph.interimOriginalText,
                                                   paragraph.translatedColor)
                              : paragraph.segments(paragraph.translatedText, paragraph.interimTranslationText,
                                                   paragraph.translatedColor)

                    TapHandler {
                        acceptedButtons: Qt.RightButton
                        onTapped: eventPoint => contextMenu.openFor(translation, eventPoint.position)
                    }
                }
            }
        }
    }

    DisplayModeLayout {
        id: modeLayout

        displayMode: paragraph.displayMode
    }

    // The panel never takes the keyboard, so copying is offered here: the
    // selection, or without one the whole text of the column clicked. Made
    // on first use. Off for qmllint's unqualified check as above (3 warnings).
    // qmllint disable unqualified
    Loader {
        id: contextMenu

        property TypewriterText text: null

        function openFor(text, position) {
            contextMenu.text = text;
            active = true;
            item.popup(text, position.x, position.y);
        }

        active: false
        sourceComponent: Menu {
            // Kept inside the panel, clear of its rounded edge.
            margins: 12
            // In the program's colours, light or dark with the desktop.
            background: Rectangle {
                implicitWidth: 180
                radius: 6
                color: AppTheme.opaqueMaterial
                border.width: 1
                border.color: AppTheme.materialBorder
            }

            ParagraphMenuEntry {
                text: contextMenu.text && contextMenu.text.selectedText !== "" ? qsTr("Copy") : qsTr("Copy Paragraph")
                onTriggered: contextMenu.text.copy()
            }

            ParagraphMenuEntry {
                text: qsTr("Select All")
                onTriggered: contextMenu.text.selectAll()
            }
        }
    }
    // qmllint enable unqualified
}
