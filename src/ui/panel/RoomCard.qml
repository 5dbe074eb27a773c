import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Tolvaran.Ui

// The open room: how many listen, the link to share, and the languages
// followed. Language codes come from the server and are shown as plain text.
Rectangle {
    id: card

    required property TranslationViewModel viewModel
    required property PanelModel model

    implicitHeight: content.implicitHeight + 2 * AppTheme.cardPadding
    radius: 8
    color: AppTheme.cardBg

    ColumnLayout {
        id: content
        anchors.fill: parent
        anchors.margins: AppTheme.cardPadding
        spacing: 6

        RowLayout {
            Layout.fillWidth: true
            spacing: 6
            SymbolImage {
                name: "person.2.fill"
                size: AppTheme.captionSize
                color: AppTheme.blue
            }
            Text {
                objectName: "subscriberText"
                text: card.model.subscriberText
                textFormat: Text.PlainText
                font: AppTheme.caption
                color: AppTheme.secondary
            }
            Item {
                Layout.fillWidth: true
            }
            T.Button {
                id: copyLink
                objectName: "copyLinkButton"
                // Set for a moment after a copy, as the confirmation.
                property bool copied: false
                visible: card.viewModel.room.roomShareURL !== ""
                text: copied ? qsTr("Copied") : qsTr("Copy Link")
                hoverEnabled: true
                leftPadding: 8
                rightPadding: 8
                topPadding: 3
                bottomPadding: 3
                implicitWidth: implicitContentWidth + leftPadding + rightPadding
                implicitHeight: implicitContentHeight + topPadding + bottomPadding
                onClicked: {
                    card.model.copyShareLink()
                    copied = true
                    copiedTimer.restart()
                }
                Timer {
                    id: copiedTimer
                    interval: 2000
                    onTriggered: copyLink.copied = false
                }
                contentItem: SymbolLabel {
                    iconName: copyLink.copied ? "checkmark" : "doc.on.doc"
                    text: copyLink.text
                    font: AppTheme.caption
                    spacing: 4
                }
                background: Rectangle {
                    radius: 5
                    color: copyLink.down ? AppTheme.hoverBg : copyLink.hovered ? AppTheme.alpha(AppTheme.grey, 0.18) : AppTheme.alpha(AppTheme.primary, 0.05)
                    border.width: 1
                    border.color: AppTheme.alpha(AppTheme.primary, 0.15)
                }
            }
        }

        Text {
            objectName: "linkChangedNotice"
            Layout.fillWidth: true
            visible: card.viewModel.room.hasLinkChanged && card.viewModel.room.roomShareURL !== ""
            text: qsTr("The server opened a new room after reconnecting: share the new link.")
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font: AppTheme.caption
            color: AppTheme.orangeText
        }

        Text {
            objectName: "roomAudience"
            Layout.fillWidth: true
            visible: card.viewModel.room.audienceText !== "" && card.viewModel.room.roomShareURL !== ""
            text: card.viewModel.room.audienceText
            textFormat: Text.PlainText
            wrapMode: Text.Wrap
            font: AppTheme.caption
            color: AppTheme.secondary
        }

        // The link itself, to read out or select.
        TextEdit {
            objectName: "shareLink"
            Layout.fillWidth: true
            visible: card.viewModel.room.roomShareURL !== ""
            text: card.viewModel.room.roomShareURL
            textFormat: TextEdit.PlainText
            readOnly: true
            selectByMouse: true
            wrapMode: TextEdit.WrapAnywhere
            font: AppTheme.caption
            color: AppTheme.secondary
            selectionColor: AppTheme.alpha(AppTheme.blue, 0.35)
            selectedTextColor: AppTheme.primary
        }

        // One line; what does not fit is cut off.
        Row {
            objectName: "languageChips"
            Layout.fillWidth: true
            visible: chips.count > 0
            spacing: 4
            clip: true

            Repeater {
                id: chips
                model: card.viewModel.room.roomLanguageModel

                delegate: Rectangle {
                    required property string language
                    required property int count

                    implicitWidth: chipText.implicitWidth + 12
                    implicitHeight: chipText.implicitHeight + 4
                    radius: 4
                    color: AppTheme.alpha(AppTheme.blue, 0.1)

                    Text {
                        id: chipText
                        objectName: "languageChip"
                        anchors.centerIn: parent
                        text: parent.language + " (" + parent.count + ")"
                        textFormat: Text.PlainText
                        font: AppTheme.caption2
                        color: AppTheme.primary
                    }
                }
            }
        }
    }
}
