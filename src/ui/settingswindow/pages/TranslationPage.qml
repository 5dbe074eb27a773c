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
        title: "Preview"
        SwitchRow {
            objectName: "translationPreview"
            label: "Show live preview"
            help: "Show an example translation overlay to preview your style changes"
            checked: page.viewModel.isTranslationPreviewVisible
            onToggled: on => page.viewModel.isTranslationPreviewVisible = on
        }
    }
    SettingsSection {
        title: "Text"
        SegmentedRow {
            objectName: "displayMode"
            label: "Display Mode"
            options: page.form.displayModeLabels
            current: page.form.displayModeIndex
            onSelected: index => page.form.setDisplayMode(index)
        }
        SwitchRow {
            label: "Show speaker labels"
            checked: page.settings.showSpeakerLabels
            onToggled: on => page.settings.showSpeakerLabels = on
        }
    }
    SettingsSection {
        title: "Colors"
        ColorRow {
            label: "Translated Text"
            color: page.settings.overlayTranslatedColor
            onPicked: c => page.settings.overlayTranslatedColor = c
        }
        ColorRow {
            label: "Original Text"
            color: page.settings.overlayOriginalColor
            onPicked: c => page.settings.overlayOriginalColor = c
        }
    }
    SettingsSection {
        title: "Paragraphs"
        ColorRow {
            label: "Paragraph Color"
            color: page.settings.overlayParagraphBgColor
            onPicked: c => page.settings.overlayParagraphBgColor = c
        }
        SliderRow {
            objectName: "overlayOpacity"
            label: "Opacity"
            valueText: page.form.percentText(value)
            from: 0.3
            to: 1.0
            step: 0.05
            value: page.settings.overlayOpacity
            onMoved: v => page.settings.overlayOpacity = v
        }
        SliderRow {
            label: "Corner Radius"
            valueText: page.form.lengthText(value)
            from: 0
            to: 24
            step: 1
            value: page.settings.overlayParagraphRadius
            onMoved: v => page.settings.overlayParagraphRadius = v
        }
    }
    SettingsSection {
        title: "Window"
        RowLayout {
            Button {
                objectName: "resetOverlayPosition"
                text: "Reset Overlay Position"
                onClicked: page.viewModel.resetOverlayPosition()
                ToolTip.visible: hovered
                ToolTip.text: "Move the overlay back to its default position (bottom-right corner)"
                ToolTip.delay: AppTheme.helpToolTipDelay
            }
        }
    }
}
