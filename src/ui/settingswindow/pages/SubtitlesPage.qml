import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: how the subtitles look and where they sit.
ColumnLayout {
    id: page

    required property TranslationViewModel viewModel
    required property AppSettings settings
    required property SettingsModel form

    objectName: "subtitlesPage"
    spacing: AppTheme.sectionSpacing

    SettingsSection {
        title: qsTr("Preview")
        SwitchRow {
            objectName: "subtitlePreview"
            label: qsTr("Show live preview")
            help: qsTr("Show example subtitles on screen to preview your style changes")
            checked: page.viewModel.isSubtitlePreviewVisible
            onToggled: on => page.viewModel.isSubtitlePreviewVisible = on
        }
    }
    SettingsSection {
        title: qsTr("Text")
        SliderRow {
            objectName: "subtitleFontSize"
            label: qsTr("Font Size")
            valueText: page.form.pointText(value)
            from: 14
            to: 60
            step: 1
            value: page.settings.subtitleFontSize
            onMoved: v => page.settings.subtitleFontSize = v
        }
        ColorRow {
            label: qsTr("Text Color")
            color: page.settings.subtitleTextColor
            onPicked: c => page.settings.subtitleTextColor = c
        }
        SegmentedRow {
            objectName: "subtitlesSide"
            label: qsTr("Alignment")
            options: page.form.subtitlesSideLabels
            current: page.form.subtitlesSideIndex
            onSelected: index => page.form.setSubtitlesSide(index)
        }
    }
    SettingsSection {
        title: qsTr("Background")
        ColorRow {
            label: qsTr("Background Color")
            color: page.settings.subtitleBgColor
            onPicked: c => page.settings.subtitleBgColor = c
        }
        SliderRow {
            objectName: "subtitleBgOpacity"
            label: qsTr("Opacity")
            valueText: page.form.percentText(value)
            from: 0
            to: 1
            step: 0.05
            value: page.settings.subtitleBgOpacity
            onMoved: v => page.settings.subtitleBgOpacity = v
        }
        SliderRow {
            label: qsTr("Corner Radius")
            valueText: page.form.lengthText(value)
            from: 0
            to: 20
            step: 1
            value: page.settings.subtitleCornerRadius
            onMoved: v => page.settings.subtitleCornerRadius = v
        }
    }
    SettingsSection {
        title: qsTr("Position")
        SliderRow {
            objectName: "subtitleBottomOffset"
            label: qsTr("Bottom Offset")
            valueText: page.form.lengthText(value)
            from: 0
            to: 300
            step: 5
            value: page.settings.subtitleBottomOffset
            onMoved: v => page.settings.subtitleBottomOffset = v
        }
        SliderRow {
            label: qsTr("Padding H")
            valueText: page.form.lengthText(value)
            from: 4
            to: 40
            step: 2
            value: page.settings.subtitlePaddingH
            onMoved: v => page.settings.subtitlePaddingH = v
        }
        SliderRow {
            label: qsTr("Padding V")
            valueText: page.form.lengthText(value)
            from: 2
            to: 20
            step: 1
            value: page.settings.subtitlePaddingV
            onMoved: v => page.settings.subtitlePaddingV = v
        }
    }
}
