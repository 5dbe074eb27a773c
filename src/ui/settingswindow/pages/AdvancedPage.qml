import QtQuick
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: how much the overlay keeps and how it groups paragraphs.
ColumnLayout {
    id: page

    required property AppSettings settings
    required property SettingsModel form

    objectName: "advancedPage"
    spacing: AppTheme.sectionSpacing

    SettingsSection {
        title: qsTr("Translation History")
        Stepper {
            objectName: "maxLines"
            text: qsTr("Max lines: %1").arg(page.settings.maxTranslationLines)
            help: qsTr("Number of translation lines kept in the overlay")
            canDecrease: page.settings.maxTranslationLines > 20
            canIncrease: page.settings.maxTranslationLines < 200
            onDecrease: page.settings.maxTranslationLines = Math.max(20, page.settings.maxTranslationLines - 10)
            onIncrease: page.settings.maxTranslationLines = Math.min(200, page.settings.maxTranslationLines + 10)
        }
    }
    SettingsSection {
        title: qsTr("Paragraph Grouping")
        Stepper {
            objectName: "silenceGap"
            text: qsTr("Silence gap: %1").arg(page.form.secondsText(page.settings.paragraphSilenceGap))
            help: qsTr("Seconds of silence before starting a new paragraph for the same speaker")
            canDecrease: page.settings.paragraphSilenceGap > 1.0
            canIncrease: page.settings.paragraphSilenceGap < 10.0
            onDecrease: page.settings.paragraphSilenceGap = Math.max(1.0, page.settings.paragraphSilenceGap - 0.5)
            onIncrease: page.settings.paragraphSilenceGap = Math.min(10.0, page.settings.paragraphSilenceGap + 0.5)
        }
    }
}
