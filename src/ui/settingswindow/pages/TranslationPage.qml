import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: how the translation overlay shows its text.
ColumnLayout {
    id: page

    required property TranslationViewModel viewModel
    required property AppSettings settings
    required property SettingsModel form

    objectName: "translationPage"
    spacing: AppTheme.sectionSpacing

    SettingsSection {
        title: qsTr("Preview")
        SwitchRow {
            objectName: "translationPreview"
            label: qsTr("Show live preview")
            help: qsTr("Show an example translation overlay to preview your style changes")
            checked: page.viewModel.isTranslationPreviewVisible
            onToggled: on => page.viewModel.isTranslationPreviewVisible = on
        }
    }
    SettingsSection {
        title: qsTr("Text")
        SegmentedRow {
            objectName: "displayMode"
            label: qsTr("Display Mode")
            options: page.form.displayModeLabels
            current: page.form.displayModeIndex
            onSelected: index => page.form.setDisplayMode(index)
        }
        SwitchRow {
            label: qsTr("Show speaker labels")
            checked: page.settings.showSpeakerLabels
            onToggled: on => page.settings.showSpeakerLabels = on
        }
    }
    SettingsSection {
        title: qsTr("Colors")
        ColorRow {
            label: qsTr("Translated Text")
            color: page.settings.overlayTranslatedColor
            onPicked: c => page.settings.overlayTranslatedColor = c
        }
        ColorRow {
            label: qsTr("Original Text")
            color: page.settings.overlayOriginalColor
            onPicked: c => page.settings.overlayOriginalColor = c
        }
    }
    SettingsSection {
        title: qsTr("Paragraphs")
        ColorRow {
            label: qsTr("Paragraph Color")
            color: page.settings.overlayParagraphBgColor
            onPicked: c => page.settings.overlayParagraphBgColor = c
        }
        SliderRow {
            objectName: "overlayOpacity"
            label: qsTr("Opacity")
            valueText: page.form.percentText(value)
            from: 0.3
            to: 1.0
            step: 0.05
            value: page.settings.overlayOpacity
            onMoved: v => page.settings.overlayOpacity = v
        }
        SliderRow {
            label: qsTr("Corner Radius")
            valueText: page.form.lengthText(value)
            from: 0
            to: 24
            step: 1
            value: page.settings.overlayParagraphRadius
            onMoved: v => page.settings.overlayParagraphRadius = v
        }
    }
    SettingsSection {
        title: qsTr("Window")
        RowLayout {
            Button {
                objectName: "resetOverlayPosition"
                text: qsTr("Reset Overlay Position")
                onClicked: page.viewModel.resetOverlayPosition()
                ToolTip.visible: hovered
                ToolTip.text: qsTr("Move the overlay back to its default position (bottom-right corner)")
                ToolTip.delay: AppTheme.helpToolTipDelay
            }
        }
    }
}
