import QtQuick
import QtQuick.Controls
import Qt.labs.platform as Platform
import QtQuick.Layouts
import Tolvaran.Ui

// The settings window's content: seven tabs in a sidebar and the form of the
// selected one. Every control writes its setting the moment it changes;
// there is nothing to apply or cancel. Texts take their colours from the
// palette of what they are drawn on: the window, a card, or the selection.
//
// The pages and the lists' delegates read the view's ids. Binding them to
// this file (pragma ComponentBehavior: Bound) is what tells qmllint that is
// safe, but Qt 6.4's Loader makes its component in a context of its own and
// refuses a bound one, so the pages would not load. Until Qt 6.5, qmllint's
// unqualified check is off for this file (81 warnings, all reads of view,
// form, loginItem and the rows' own ids from inside components).
// qmllint disable unqualified
Control {
    id: view

    required property TranslationViewModel viewModel
    required property AppSettings settings
    // Null where update checks are not offered.
    required property UpdaterService updater

    // Not kept: a newly built window starts on General.
    property int selectedTab: 0
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

    LoginItem {
        id: loginItem
    }

    // The microphones may have changed since the program asked last.
    Component.onCompleted: form.refreshMicDevices()

    // A label on a card.
    component CardText: Text {
        textFormat: Text.PlainText
        font.pixelSize: AppTheme.bodySize
        color: TextColors.readable(AppTheme.palette.text, AppTheme.palette.base)
        elide: Text.ElideRight
    }

    component CardCaption: Text {
        textFormat: Text.PlainText
        font.pixelSize: AppTheme.captionSize
        color: TextColors.label(AppTheme.palette.base, TextColors.Secondary)
        elide: Text.ElideRight
    }

    component SwitchRow: RowLayout {
        id: switchRow

        property string label
        property string help
        property string iconName
        property bool checked
        readonly property alias control: toggle
        signal toggled(bool on)

        Layout.fillWidth: true
        spacing: 6

        SymbolImage {
            visible: switchRow.iconName !== ""
            name: switchRow.iconName
            size: 13
            color: TextColors.readable(AppTheme.palette.text, AppTheme.palette.base)
        }
        CardText {
            Layout.fillWidth: true
            text: switchRow.label
            opacity: switchRow.enabled ? 1 : 0.75
        }
        Switch {
            id: toggle
            objectName: "switch"
            checked: switchRow.checked
            // The style's own track is grey on grey in a dark palette; an
            // outline in the secondary text colour shows an off switch.
            indicator: Rectangle {
                objectName: "switchTrack"
                x: toggle.leftPadding
                y: (toggle.height - height) / 2
                implicitWidth: 34
                implicitHeight: 18
                radius: height / 2
                color: toggle.checked ? view.pal.highlight : AppTheme.palette.base
                border.width: 1
                border.color: toggle.checked ? view.pal.highlight : TextColors.label(AppTheme.palette.base, TextColors.Secondary)
                opacity: toggle.enabled ? 1 : 0.5

                Rectangle {
                    x: toggle.checked ? parent.width - width - 3 : 3
                    anchors.verticalCenter: parent.verticalCenter
                    width: parent.height - 6
                    height: width
                    radius: width / 2
                    color: toggle.checked ? view.pal.highlightedText : parent.border.color
                    Behavior on x {
                        NumberAnimation {
                            duration: 120
                        }
                    }
                }
            }
            onToggled: {
                switchRow.toggled(checked);
                // What the setting really holds, also when it refused.
                checked = Qt.binding(() => switchRow.checked);
            }
            ToolTip.visible: switchRow.help !== "" && hovered
            ToolTip.text: switchRow.help
            ToolTip.delay: AppTheme.helpToolTipDelay
        }
    }

    component SliderRow: ColumnLayout {
        id: sliderRow

        property string label
        property string valueText
        property real from
        property real to
        property real step
        property real value
        readonly property alias control: slider
        signal moved(real value)

        Layout.fillWidth: true
        spacing: 0

        RowLayout {
            Layout.fillWidth: true
            CardText {
                Layout.fillWidth: true
                text: sliderRow.label
            }
            CardCaption {
                objectName: "valueText"
                text: sliderRow.valueText
                font.family: "DejaVu Sans Mono"
            }
        }
        Slider {
            id: slider
            objectName: "slider"
            Layout.fillWidth: true
            from: sliderRow.from
            to: sliderRow.to
            stepSize: sliderRow.step
            snapMode: Slider.SnapAlways
            value: sliderRow.value
            // Whole steps, so that the file holds 0.35 and not 0.35000000000000003.
            onMoved: sliderRow.moved(Number((sliderRow.from + Math.round((value - sliderRow.from) / sliderRow.step)
                                                 * sliderRow.step).toFixed(6)))
        }
    }

    component ColorRow: RowLayout {
        id: colorRow

        property string label
        property color color
        signal picked(color color)

        Layout.fillWidth: true

        CardText {
            Layout.fillWidth: true
            text: colorRow.label
        }
        Rectangle {
            objectName: "colorWell"
            implicitWidth: 44
            implicitHeight: 22
            radius: 5
            color: colorRow.color
            border.width: 1
            border.color: TextColors.label(AppTheme.palette.base, TextColors.Secondary)

            TapHandler {
                onTapped: {
                    dialog.currentColor = colorRow.color;
                    dialog.open();
                }
            }
        }
        // Without an alpha channel: opacity has sliders of its own. The
        // platform's dialog, or Qt's own window where the desktop offers none
        // (Qt Quick's drawn one is cramped inside this window and draws no
        // colours with the software renderer).
        Platform.ColorDialog {
            id: dialog
            title: colorRow.label
            onAccepted: colorRow.picked(Qt.rgba(color.r, color.g, color.b, 1))
        }
    }

    component SegmentedRow: RowLayout {
        id: segmented

        property string label
        property var options: []
        property int current
        signal selected(int index)

        Layout.fillWidth: true

        CardText {
            Layout.fillWidth: true
            Layout.minimumWidth: implicitWidth
            text: segmented.label
        }
        Row {
            Repeater {
                model: segmented.options

                Button {
                    required property int index
                    required property string modelData
                    objectName: "segment_" + modelData
                    text: modelData
                    checkable: true
                    checked: index === segmented.current
                    font.pixelSize: AppTheme.calloutSize
                    leftPadding: 8
                    rightPadding: 8
                    // The chosen segment in the selection's colours, which
                    // Fusion's pressed look barely tells apart in a dark palette.
                    palette.button: checked ? AppTheme.palette.highlight : AppTheme.palette.button
                    palette.buttonText: checked
                        ? TextColors.readable(AppTheme.palette.highlightedText, AppTheme.palette.highlight)
                        : TextColors.readable(AppTheme.palette.buttonText, AppTheme.palette.button)
                    onClicked: {
                        segmented.selected(index);
                        checked = Qt.binding(() => index === segmented.current);
                    }
                }
            }
        }
    }

    component Stepper: RowLayout {
        id: stepper

        property string text
        property string help
        property bool canDecrease
        property bool canIncrease
        signal decrease
        signal increase

        Layout.fillWidth: true

        CardText {
            objectName: "stepperText"
            Layout.fillWidth: true
            text: stepper.text
        }
        Button {
            objectName: "decrease"
            text: "\u2212"
            implicitWidth: 32
            enabled: stepper.canDecrease
            onClicked: stepper.decrease()
            ToolTip.visible: stepper.help !== "" && hovered
            ToolTip.text: stepper.help
            ToolTip.delay: AppTheme.helpToolTipDelay
        }
        Button {
            objectName: "increase"
            text: "+"
            implicitWidth: 32
            enabled: stepper.canIncrease
            onClicked: stepper.increase()
            ToolTip.visible: stepper.help !== "" && hovered
            ToolTip.text: stepper.help
            ToolTip.delay: AppTheme.helpToolTipDelay
        }
    }

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
                model: form.tabLabels

                delegate: Rectangle {
                    id: tabRow

                    required property int index
                    required property string modelData
                    readonly property bool isSelected: index === view.selectedTab
                    readonly property color textColor: isSelected
                        ? TextColors.readable(view.pal.highlightedText, view.pal.highlight)
                        : TextColors.readable(view.pal.windowText, view.pal.window)

                    objectName: "tab_" + modelData
                    width: ListView.view.width
                    height: 28
                    radius: 6
                    color: isSelected ? view.pal.highlight : "transparent"

                    Row {
                        anchors.verticalCenter: parent.verticalCenter
                        x: 8
                        spacing: 8
                        SymbolImage {
                            anchors.verticalCenter: parent.verticalCenter
                            name: form.tabIcons[tabRow.index]
                            size: 12
                            color: tabRow.textColor
                        }
                        Text {
                            anchors.verticalCenter: parent.verticalCenter
                            text: tabRow.modelData
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
            contentHeight: page.implicitHeight + 2 * AppTheme.panelMargin
            boundsBehavior: Flickable.StopAtBounds
            // Always shown where the page is longer than the window, so
            // nobody takes a cut-off page for the whole.
            ScrollBar.vertical: ScrollBar {
                objectName: "detailScrollBar"
                policy: detail.contentHeight > detail.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff
            }

            Loader {
                id: page
                objectName: "page"
                x: AppTheme.panelMargin
                y: AppTheme.panelMargin
                width: detail.width - 2 * AppTheme.panelMargin
                sourceComponent: [general, connection, translation, subtitles, audio, recording, advanced][view.selectedTab]
                onLoaded: {
                    detail.contentY = 0;
                    // Microphones may have come or gone since the window opened.
                    if (view.selectedTab === 4)
                        form.refreshMicDevices();
                }
            }
        }
    }

    Component {
        id: general

        ColumnLayout {
            objectName: "generalPage"
            spacing: AppTheme.sectionSpacing

            SettingsSection {
                SwitchRow {
                    objectName: "launchAtLogin"
                    label: "Launch at Login"
                    help: "Automatically start Tolvaran when you log in"
                    checked: loginItem.isEnabled
                    onToggled: on => loginItem.isEnabled = on
                }
                SwitchRow {
                    objectName: "autoStartListening"
                    label: "Auto-start listening on launch"
                    help: "Begin capturing and translating as soon as the app starts"
                    checked: view.settings.autoStartListening
                    onToggled: on => view.settings.autoStartListening = on
                }
            }
            SettingsSection {
                title: "Updates"
                Text {
                    objectName: "updatesFromPackageManager"
                    // Without a release feed the package manager brings updates.
                    visible: view.updater === null || !view.updater.isFeedConfigured
                    text: "Updates come with your package manager"
                    textFormat: Text.PlainText
                    font: AppTheme.caption
                    color: AppTheme.secondary
                }
                RowLayout {
                    visible: view.updater !== null && view.updater.isFeedConfigured
                    Button {
                        objectName: "checkForUpdates"
                        text: "Check for Updates..."
                        enabled: view.updater !== null && view.updater.canCheckForUpdates
                        onClicked: {
                            view.Window.window.requestActivate();
                            view.updater.checkForUpdates();
                        }
                    }
                }
            }
        }
    }

    Component {
        id: connection

        ColumnLayout {
            objectName: "connectionPage"
            spacing: AppTheme.sectionSpacing

            SettingsSection {
                title: "Server"
                CardText {
                    text: "WebSocket URL"
                }
                TextField {
                    objectName: "serverURL"
                    Layout.fillWidth: true
                    text: view.settings.serverURL
                    font.family: "DejaVu Sans Mono"
                    font.pixelSize: AppTheme.bodySize
                    enabled: form.canEditConnection
                    selectByMouse: true
                    onTextEdited: view.settings.serverURL = text
                }
                CardText {
                    objectName: "invalidServerURL"
                    visible: !view.settings.isServerURLValid
                    text: "Invalid server URL"
                    font.pixelSize: AppTheme.captionSize
                    color: TextColors.readable(AppTheme.red, view.pal.base)
                }
            }
            SettingsSection {
                title: "Translation"
                RowLayout {
                    CardText {
                        Layout.fillWidth: true
                        text: "Target Language"
                    }
                    ComboBox {
                        objectName: "targetLanguage"
                        Layout.preferredWidth: 220
                        font.pixelSize: AppTheme.bodySize
                        model: form.targetLanguageLabels
                        currentIndex: form.selectedLanguageIndex
                        enabled: form.canEditConnection
                        onActivated: index => form.selectLanguage(index)
                    }
                }
            }
            SettingsSection {
                title: "Speaker Languages"
                footer: "Hint which languages speakers will use for better recognition. Leave empty for auto-detection."
                GridLayout {
                    columns: 2
                    columnSpacing: 8
                    rowSpacing: 0
                    Layout.fillWidth: true

                    Repeater {
                        model: form.languageLabels

                        RowLayout {
                            id: speakerRow

                            required property int index
                            required property string modelData

                            Layout.fillWidth: true
                            Layout.preferredWidth: 1
                            spacing: 0

                            CheckBox {
                                objectName: "speaker_" + speakerRow.index
                                checked: form.speakerLanguageFlags[speakerRow.index] === true
                                enabled: form.canEditConnection
                                onToggled: {
                                    form.setSpeakerLanguage(speakerRow.index, checked);
                                    checked = Qt.binding(() => form.speakerLanguageFlags[speakerRow.index] === true);
                                }
                            }
                            CardText {
                                Layout.fillWidth: true
                                text: speakerRow.modelData
                                opacity: form.canEditConnection ? 1 : 0.75
                            }
                        }
                    }
                }
            }
        }
    }

    Component {
        id: translation

        ColumnLayout {
            objectName: "translationPage"
            spacing: AppTheme.sectionSpacing

            SettingsSection {
                title: "Preview"
                SwitchRow {
                    objectName: "translationPreview"
                    label: "Show live preview"
                    help: "Show an example translation overlay to preview your style changes"
                    checked: view.viewModel.isTranslationPreviewVisible
                    onToggled: on => view.viewModel.isTranslationPreviewVisible = on
                }
            }
            SettingsSection {
                title: "Text"
                SegmentedRow {
                    objectName: "displayMode"
                    label: "Display Mode"
                    options: ["Translated", "Both", "Original"]
                    current: form.displayModeIndex
                    onSelected: index => form.setDisplayMode(index)
                }
                SwitchRow {
                    label: "Show speaker labels"
                    checked: view.settings.showSpeakerLabels
                    onToggled: on => view.settings.showSpeakerLabels = on
                }
            }
            SettingsSection {
                title: "Colors"
                ColorRow {
                    label: "Translated Text"
                    color: view.settings.overlayTranslatedColor
                    onPicked: c => view.settings.overlayTranslatedColor = c
                }
                ColorRow {
                    label: "Original Text"
                    color: view.settings.overlayOriginalColor
                    onPicked: c => view.settings.overlayOriginalColor = c
                }
            }
            SettingsSection {
                title: "Paragraphs"
                ColorRow {
                    label: "Paragraph Color"
                    color: view.settings.overlayParagraphBgColor
                    onPicked: c => view.settings.overlayParagraphBgColor = c
                }
                SliderRow {
                    objectName: "overlayOpacity"
                    label: "Opacity"
                    valueText: form.percentText(value)
                    from: 0.3
                    to: 1.0
                    step: 0.05
                    value: view.settings.overlayOpacity
                    onMoved: v => view.settings.overlayOpacity = v
                }
                SliderRow {
                    label: "Corner Radius"
                    valueText: form.lengthText(value)
                    from: 0
                    to: 24
                    step: 1
                    value: view.settings.overlayParagraphRadius
                    onMoved: v => view.settings.overlayParagraphRadius = v
                }
            }
            SettingsSection {
                title: "Window"
                RowLayout {
                    Button {
                        objectName: "resetOverlayPosition"
                        text: "Reset Overlay Position"
                        onClicked: view.viewModel.resetOverlayPosition()
                        ToolTip.visible: hovered
                        ToolTip.text: "Move the overlay back to its default position (bottom-right corner)"
                        ToolTip.delay: AppTheme.helpToolTipDelay
                    }
                }
            }
        }
    }

    Component {
        id: subtitles

        ColumnLayout {
            objectName: "subtitlesPage"
            spacing: AppTheme.sectionSpacing

            SettingsSection {
                title: "Preview"
                SwitchRow {
                    objectName: "subtitlePreview"
                    label: "Show live preview"
                    help: "Show example subtitles on screen to preview your style changes"
                    checked: view.viewModel.isSubtitlePreviewVisible
                    onToggled: on => view.viewModel.isSubtitlePreviewVisible = on
                }
            }
            SettingsSection {
                title: "Text"
                SliderRow {
                    objectName: "subtitleFontSize"
                    label: "Font Size"
                    valueText: form.pointText(value)
                    from: 14
                    to: 60
                    step: 1
                    value: view.settings.subtitleFontSize
                    onMoved: v => view.settings.subtitleFontSize = v
                }
                ColorRow {
                    label: "Text Color"
                    color: view.settings.subtitleTextColor
                    onPicked: c => view.settings.subtitleTextColor = c
                }
                SegmentedRow {
                    objectName: "subtitlesSide"
                    label: "Alignment"
                    options: ["Left", "Center", "Right"]
                    current: form.subtitlesSideIndex
                    onSelected: index => form.setSubtitlesSide(index)
                }
            }
            SettingsSection {
                title: "Background"
                ColorRow {
                    label: "Background Color"
                    color: view.settings.subtitleBgColor
                    onPicked: c => view.settings.subtitleBgColor = c
                }
                SliderRow {
                    objectName: "subtitleBgOpacity"
                    label: "Opacity"
                    valueText: form.percentText(value)
                    from: 0
                    to: 1
                    step: 0.05
                    value: view.settings.subtitleBgOpacity
                    onMoved: v => view.settings.subtitleBgOpacity = v
                }
                SliderRow {
                    label: "Corner Radius"
                    valueText: form.lengthText(value)
                    from: 0
                    to: 20
                    step: 1
                    value: view.settings.subtitleCornerRadius
                    onMoved: v => view.settings.subtitleCornerRadius = v
                }
            }
            SettingsSection {
                title: "Position"
                SliderRow {
                    objectName: "subtitleBottomOffset"
                    label: "Bottom Offset"
                    valueText: form.lengthText(value)
                    from: 0
                    to: 300
                    step: 5
                    value: view.settings.subtitleBottomOffset
                    onMoved: v => view.settings.subtitleBottomOffset = v
                }
                SliderRow {
                    label: "Padding H"
                    valueText: form.lengthText(value)
                    from: 4
                    to: 40
                    step: 2
                    value: view.settings.subtitlePaddingH
                    onMoved: v => view.settings.subtitlePaddingH = v
                }
                SliderRow {
                    label: "Padding V"
                    valueText: form.lengthText(value)
                    from: 2
                    to: 20
                    step: 1
                    value: view.settings.subtitlePaddingV
                    onMoved: v => view.settings.subtitlePaddingV = v
                }
            }
        }
    }

    Component {
        id: audio

        ColumnLayout {
            id: audioPage
            objectName: "audioPage"
            spacing: AppTheme.sectionSpacing

            // The programs playing are followed while this page is in view.
            readonly property bool isInView: Window.window !== null && Window.window.visible

            onIsInViewChanged: form.watchesApplications = audioPage.isInView
            Component.onCompleted: form.watchesApplications = audioPage.isInView
            Component.onDestruction: {
                // The window may be going as a whole, the model first.
                if (form)
                    form.watchesApplications = false;
            }

            SettingsSection {
                RowLayout {
                    objectName: "capturePicker"
                    CardText {
                        Layout.fillWidth: true
                        text: "Capture"
                    }
                    ComboBox {
                        objectName: "capture"
                        Layout.preferredWidth: 200
                        font.pixelSize: AppTheme.bodySize
                        // The list opens on the window's overlay and would
                        // take the desktop's font size instead.
                        popup.font.pixelSize: AppTheme.bodySize
                        model: form.captureLabels
                        currentIndex: form.selectedCaptureIndex
                        onActivated: index => form.selectCapture(index)
                    }
                }
            }
            SettingsSection {
                title: "Call Detection"
                SwitchRow {
                    objectName: "autoDetect"
                    iconName: "phone.connection.fill"
                    label: "Auto-detect Teams calls"
                    checked: view.settings.isAutoDetectEnabled
                    enabled: form.canToggleAutoDetect
                    onToggled: on => form.setAutoDetect(on)
                }
                RowLayout {
                    objectName: "callStatus"
                    visible: view.settings.isAutoDetectEnabled
                    spacing: 6
                    Rectangle {
                        implicitWidth: 6
                        implicitHeight: 6
                        radius: 3
                        color: form.isCallDetected ? AppTheme.green : AppTheme.orange
                    }
                    CardCaption {
                        text: form.callStatusText
                    }
                }
            }
            SettingsSection {
                title: "Microphone"
                RowLayout {
                    objectName: "micPicker"
                    visible: view.viewModel.hasMicPermission
                    CardText {
                        Layout.fillWidth: true
                        text: "Input Device"
                    }
                    ComboBox {
                        objectName: "inputDevice"
                        Layout.preferredWidth: 200
                        font.pixelSize: AppTheme.bodySize
                        popup.font.pixelSize: AppTheme.bodySize
                        model: form.micDeviceLabels
                        currentIndex: form.selectedMicIndex
                        onActivated: index => form.selectMic(index)
                    }
                }
                RowLayout {
                    objectName: "micWarning"
                    visible: !view.viewModel.hasMicPermission
                    SymbolLabel {
                        Layout.fillWidth: true
                        iconName: "mic.slash"
                        text: "Microphone access not granted"
                        font.pixelSize: AppTheme.calloutSize
                        color: TextColors.label(view.pal.base, TextColors.Secondary)
                    }
                    Button {
                        text: "Open System Settings"
                        font.pixelSize: AppTheme.captionSize
                        onClicked: form.openSoundSettings()
                    }
                }
            }
        }
    }

    Component {
        id: recording

        ColumnLayout {
            objectName: "recordingPage"
            spacing: AppTheme.sectionSpacing

            SettingsSection {
                title: "Automatic Recording"
                SwitchRow {
                    label: "Start recording when listening begins"
                    help: "Automatically record audio and transcript whenever you start listening"
                    checked: view.settings.autoRecordOnListen
                    onToggled: on => view.settings.autoRecordOnListen = on
                }
            }
            SettingsSection {
                title: "Save Location"
                RowLayout {
                    ColumnLayout {
                        Layout.fillWidth: true
                        spacing: 2
                        CardText {
                            objectName: "folderName"
                            Layout.fillWidth: true
                            text: form.folderName
                        }
                        CardCaption {
                            objectName: "folderPath"
                            Layout.fillWidth: true
                            text: form.folderPath
                            elide: Text.ElideMiddle
                            maximumLineCount: 1
                        }
                    }
                    Button {
                        objectName: "chooseFolder"
                        text: "Choose..."
                        font.pixelSize: AppTheme.calloutSize
                        onClicked: {
                            folderDialog.open();
                            // Qt's own dialog takes the folder to show once it exists.
                            folderDialog.currentFolder = form.folderURL;
                        }
                    }
                }
                RowLayout {
                    Button {
                        objectName: "resetFolder"
                        visible: form.hasCustomFolder
                        text: "Reset to Default"
                        font.pixelSize: AppTheme.captionSize
                        onClicked: form.resetFolder()
                    }
                }
                Platform.FolderDialog {
                    id: folderDialog
                    title: "Choose a folder to save recordings"
                    acceptLabel: "Select"
                    folder: form.folderURL
                    currentFolder: form.folderURL
                    onAccepted: form.chooseFolder(folder)
                }
            }
        }
    }

    Component {
        id: advanced

        ColumnLayout {
            objectName: "advancedPage"
            spacing: AppTheme.sectionSpacing

            SettingsSection {
                title: "Translation History"
                Stepper {
                    objectName: "maxLines"
                    text: "Max lines: " + view.settings.maxTranslationLines
                    help: "Number of translation lines kept in the overlay"
                    canDecrease: view.settings.maxTranslationLines > 20
                    canIncrease: view.settings.maxTranslationLines < 200
                    onDecrease: view.settings.maxTranslationLines = Math.max(20, view.settings.maxTranslationLines - 10)
                    onIncrease: view.settings.maxTranslationLines = Math.min(200, view.settings.maxTranslationLines + 10)
                }
            }
            SettingsSection {
                title: "Paragraph Grouping"
                Stepper {
                    objectName: "silenceGap"
                    text: "Silence gap: " + form.secondsText(view.settings.paragraphSilenceGap)
                    help: "Seconds of silence before starting a new paragraph for the same speaker"
                    canDecrease: view.settings.paragraphSilenceGap > 1.0
                    canIncrease: view.settings.paragraphSilenceGap < 10.0
                    onDecrease: view.settings.paragraphSilenceGap = Math.max(1.0, view.settings.paragraphSilenceGap - 0.5)
                    onIncrease: view.settings.paragraphSilenceGap = Math.min(10.0, view.settings.paragraphSilenceGap + 0.5)
                }
            }
        }
    }
}
