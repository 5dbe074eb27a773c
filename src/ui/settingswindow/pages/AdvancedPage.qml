import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Tolvaran.Ui

// Settings: how much the overlay keeps, how it groups paragraphs, and the
// programs besides the known ones that calls are detected in.
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
    SettingsSection {
        title: qsTr("Call Applications")
        CardText {
            text: qsTr("Other programs you call with")
        }
        TextField {
            objectName: "extraCallApplications"
            Layout.fillWidth: true
            text: page.form.namesText(page.settings.extraCallApplications)
            font.pixelSize: AppTheme.bodySize
            selectByMouse: true
            onEditingFinished: page.form.setExtraCallApplicationsText(text)
        }
        CardCaption {
            Layout.fillWidth: true
            wrapMode: Text.WordWrap
            text: qsTr("Their executable names, separated by commas: calls in them are detected like those in Zoom or Teams")
        }
    }
}
