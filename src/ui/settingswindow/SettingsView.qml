pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// The settings window's content: seven tabs in a sidebar and the form of the
// selected one. Every control writes its setting the moment it changes;
// there is nothing to apply or cancel. Texts take their colours from the
// palette of what they are drawn on: the window, a card, or the selection.
//
// The pages (pages/) and their rows (controls/) are files of their own, all
// built with the window and shown one at a time, so that each page is handed
// what it reads as required properties.
Control {
    id: view

    // Right-to-left interface languages lay the view out from the right.
    LayoutMirroring.enabled: InterfaceDirection.isRightToLeft
    LayoutMirroring.childrenInherit: true

    required property TranslationViewModel viewModel
    required property AppSettings settings
    // Null where update checks are not offered.
    required property UpdaterService updater

    // Not kept: a newly built window starts on General.
    property int selectedTab: SettingsModel.General
    readonly property alias model: form
    readonly property SystemPalette pal: AppTheme.palette

    implicitWidth: 540
    implicitHeight: 420
    // The controls draw with the desktop's own palette; Qt Quick would give
    // some of them (fields, lists) a light one of its own under a dark desktop.
    palette.window: pal.window
    palette.windowText: pal.windowText
    palette.base: pal.base
    palette.alternateBase: pal.alternateBase
    palette.text: pal.text
    palette.button: pal.button
    palette.buttonText: pal.buttonText
    palette.highlight: pal.highlight
    palette.highlightedText: pal.highlightedText
    palette.light: pal.light
    palette.midlight: pal.midlight
    palette.mid: pal.mid
    palette.dark: pal.dark
    palette.shadow: pal.shadow
    palette.placeholderText: pal.placeholderText
    palette.disabled.windowText: disabledPal.windowText
    palette.disabled.text: disabledPal.text
    palette.disabled.buttonText: disabledPal.buttonText
    palette.disabled.button: disabledPal.button
    palette.disabled.base: disabledPal.base
    // The desktop's font size may be larger; the form is laid out for 13.
    font.pixelSize: AppTheme.bodySize
    padding: 0
    background: Rectangle {
        color: view.pal.window
    }

    SettingsModel {
        id: form
        viewModel: view.viewModel
    }

    SystemPalette {
        id: disabledPal
        colorGroup: SystemPalette.Disabled
    }

    // The microphones may have changed since the program asked last.
    Component.onCompleted: form.refreshMicDevices()

    // A child rather than the contentItem: a deferred contentItem cannot hold
    // the ids the pages use.
    RowLayout {
        anchors.fill: parent
        spacing: 0

        // Sidebar
        Rectangle {
            Layout.preferredWidth: 160
            Layout.fillHeight: true
            color: view.pal.window

            ListView {
                id: tabs
                objectName: "tabs"
                anchors.fill: parent
                anchors.margins: 8
                anchors.topMargin: 12
                spacing: 2
                interactive: false
                model: form.tabs

                delegate: Rectangle {
                    id: tabRow

                    required property int index
                    required property var modelData
                    readonly property bool isSelected: index === view.selectedTab
                    readonly property color textColor: isSelected
                        ? TextColors.readable(view.pal.highlightedText, view.pal.highlight)
                        : TextColors.readable(view.pal.windowText, view.pal.window)

                    objectName: "tab_" + index
                    width: ListView.view.width
                    height: 28
                    radius: 6
                    color: isSelected ? view.pal.highlight : "transparent"

                    Row {
                        anchors.verticalCenter: parent.verticalCenter
                        anchors.left: parent.left
                        anchors.leftMargin: 8
                        spacing: 8
                        SymbolImage {
                            anchors.verticalCenter: parent.verticalCenter
                            name: tabRow.modelData.icon
                            size: 12
                            color: tabRow.textColor
                        }
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            text: tabRow.modelData.label
                            textFormat: Text.PlainText
                            font.pixelSize: AppTheme.bodySize
                            color: tabRow.textColor
                        }
                    }
                    TapHandler {
                        onTapped: view.selectedTab = tabRow.index
                    }
                }
            }
        }

        Rectangle {
            Layout.preferredWidth: 1
            Layout.fillHeight: true
            color: Qt.rgba(view.pal.windowText.r, view.pal.windowText.g, view.pal.windowText.b, 0.15)
        }

        // Detail
        Flickable {
            id: detail
            objectName: "detail"

            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            contentHeight: pages.height + 2 * AppTheme.panelMargin
            boundsBehavior: Flickable.StopAtBounds
            // Always shown where the page is longer than the window, so
            // nobody takes a cut-off page for the whole.
            ScrollBar.vertical: ScrollBar {
                objectName: "detailScrollBar"
                policy: detail.contentHeight > detail.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            StackLayout {
                id: pages
                objectName: "page"

                // The shown page's own height: the layout's implicit one is
                // that of the tallest page.
                readonly property Item shown: count > currentIndex ? itemAt(currentIndex) : null

                x: AppTheme.panelMargin
                y: AppTheme.panelMargin
                width: detail.width - 2 * AppTheme.panelMargin
                height: shown ? shown.implicitHeight : 0
                currentIndex: view.selectedTab
                onCurrentIndexChanged: {
                    detail.contentY = 0;
                    // Microphones may have come or gone since the window opened.
                    if (currentIndex === SettingsModel.Audio)
                        form.refreshMicDevices();
                }

                // In the order of SettingsModel.Tab.
                GeneralPage {
                    settings: view.settings
                    form: view.model
                    updater: view.updater
                }
                ConnectionPage {
                    settings: view.settings
                    form: view.model
                }
                TranslationPage {
                    viewModel: view.viewModel
                    settings: view.settings
                    form: view.model
                }
                SubtitlesPage {
                    viewModel: view.viewModel
                    settings: view.settings
                    form: view.model
                }
                AudioPage {
                    viewModel: view.viewModel
                    settings: view.settings
                    form: view.model
                }
                RecordingPage {
                    settings: view.settings
                    form: view.model
                }
                AdvancedPage {
                    settings: view.settings
                    form: view.model
                }
            }
        }
    }
}
