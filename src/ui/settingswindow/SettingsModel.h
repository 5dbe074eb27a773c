#pragma once

#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace tolvaran {

class CallMonitorService;
class RecordingStore;

// The settings window's rules, kept out of QML so that they are written once
// and tested: which controls may change while listening, the value captions,
// the language lists, the microphone choice, the recordings folder row and
// the call detection switch. The view binds to it and to the settings; the
// program hands it the services it works on (setServices).
class SettingsModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QStringList shortcutTexts READ shortcutTexts NOTIFY shortcutsChanged)
    Q_PROPERTY(QStringList shortcutProblems READ shortcutProblems NOTIFY shortcutsChanged)
    Q_PROPERTY(tolvaran::TranslationViewModel* viewModel READ viewModel WRITE setViewModel NOTIFY sourcesChanged)
    // While listening, the server and the languages are those of the running
    // session; call detection may be switched off but not on.
    Q_PROPERTY(bool canEditConnection READ canEditConnection NOTIFY listeningChanged)
    Q_PROPERTY(bool canToggleAutoDetect READ canToggleAutoDetect NOTIFY autoDetectChanged)
    Q_PROPERTY(bool isCallDetected READ isCallDetected NOTIFY autoDetectChanged)
    Q_PROPERTY(QString callStatusText READ callStatusText NOTIFY autoDetectChanged)
    // The sidebar's rows, in the order of Tab: each a "label" and its "icon".
    Q_PROPERTY(QVariantList tabs READ tabs NOTIFY textsChanged)
    // The segments of the display mode and subtitle alignment choices, in
    // the order of their indexes.
    Q_PROPERTY(QStringList displayModeLabels READ displayModeLabels NOTIFY textsChanged)
    Q_PROPERTY(QStringList subtitlesSideLabels READ subtitlesSideLabels NOTIFY textsChanged)
    // Flag and name of each target language, in their order.
    Q_PROPERTY(QStringList languageLabels READ languageLabels NOTIFY textsChanged)
    // The same, with the languages the local server shows only as the
    // transcript marked, while it is the server in use.
    Q_PROPERTY(QStringList targetLanguageLabels READ targetLanguageLabels NOTIFY languagesChanged)
    Q_PROPERTY(int selectedLanguageIndex READ selectedLanguageIndex NOTIFY languagesChanged)
    // The interface language's choices: the desktop's, then each target
    // language by its own name.
    Q_PROPERTY(QStringList interfaceLanguageLabels READ interfaceLanguageLabels NOTIFY textsChanged)
    Q_PROPERTY(int interfaceLanguageIndex READ interfaceLanguageIndex NOTIFY interfaceLanguageChanged)
    // One flag per language: in the speaker languages or not.
    Q_PROPERTY(QVariantList speakerLanguageFlags READ speakerLanguageFlags NOTIFY languagesChanged)
    Q_PROPERTY(int displayModeIndex READ displayModeIndex NOTIFY displayModeChanged)
    Q_PROPERTY(int subtitlesSideIndex READ subtitlesSideIndex NOTIFY subtitlesSideChanged)
    // "System Default" first, then each microphone by name.
    Q_PROPERTY(QStringList micDeviceLabels READ micDeviceLabels NOTIFY micDevicesChanged)
    Q_PROPERTY(int selectedMicIndex READ selectedMicIndex NOTIFY micDevicesChanged)
    // What listening captures: "All system audio", "Only the call (Teams)",
    // then each program playing now by name, and a chosen program that is
    // not playing now, so that the choice stays in view.
    Q_PROPERTY(QStringList captureLabels READ captureLabels NOTIFY captureChanged)
    Q_PROPERTY(int selectedCaptureIndex READ selectedCaptureIndex NOTIFY captureChanged)
    // While true, the programs playing are followed as they come and go.
    Q_PROPERTY(bool watchesApplications READ watchesApplications WRITE setWatchesApplications NOTIFY
            watchesApplicationsChanged)
    Q_PROPERTY(QString folderName READ folderName NOTIFY folderChanged)
    Q_PROPERTY(QString folderPath READ folderPath NOTIFY folderChanged)
    Q_PROPERTY(QUrl folderURL READ folderURL NOTIFY folderChanged)
    Q_PROPERTY(bool hasCustomFolder READ hasCustomFolder NOTIFY folderChanged)

public:
    // The window's tabs, in the sidebar's order; QML names them by these
    // (AppSettings::SettingsTab's own values are lower case, which QML cannot
    // reach).
    enum Tab { General, Connection, Translation, Subtitles, Audio, Recording, Advanced };
    Q_ENUM(Tab)

    explicit SettingsModel(QObject* parent = nullptr);
    ~SettingsModel() override;

    TranslationViewModel* viewModel() const { return m_viewModel; }

    void setViewModel(TranslationViewModel* viewModel);

    // What the window changes and shows besides the view model's state; they
    // outlive the window.
    void setServices(
        AppSettings* settings, AudioCapture* capture, CallMonitorService* callMonitor, RecordingStore* recordingStore);

    bool canEditConnection() const;
    bool canToggleAutoDetect() const;
    bool isCallDetected() const;
    QString callStatusText() const;
    static QVariantList tabs();
    static QStringList languageLabels();
    static QStringList displayModeLabels();
    static QStringList subtitlesSideLabels();
    QStringList targetLanguageLabels() const;
    static QStringList interfaceLanguageLabels();
    int interfaceLanguageIndex() const;
    int selectedLanguageIndex() const;
    QVariantList speakerLanguageFlags() const;
    int displayModeIndex() const;
    int subtitlesSideIndex() const;
    QStringList micDeviceLabels() const;
    int selectedMicIndex() const;
    QStringList captureLabels() const;
    int selectedCaptureIndex() const;
    // The capture scope of each entry of captureLabels.
    QStringList captureScopes() const;

    bool watchesApplications() const { return m_watchesApplications; }

    void setWatchesApplications(bool watches);

    // The global shortcuts (listening, overlay, recording) as the user
    // reads them ("Ctrl+Alt+L", "None"), and what stands in their way.
    QStringList shortcutTexts() const;

    QStringList shortcutProblems() const { return m_shortcutProblems; }

    void setShortcutProblems(const QStringList& problems);
    // The key pressed with its modifiers becomes the action's shortcut;
    // false for a modifier alone, or a key without Ctrl, Alt or Meta, which
    // would keep the user from typing it anywhere else.
    Q_INVOKABLE bool setShortcut(int action, int key, int modifiers);
    Q_INVOKABLE void clearShortcut(int action);
    QString folderName() const;
    QString folderPath() const;
    QUrl folderURL() const;
    bool hasCustomFolder() const;

    // 0.95 -> "95%".
    Q_INVOKABLE static QString percentText(double value);
    // 12.7 -> "12 px".
    Q_INVOKABLE static QString lengthText(double value);
    // 28 -> "28 pt".
    Q_INVOKABLE static QString pointText(double value);
    // 8 -> "8.0s".
    Q_INVOKABLE static QString secondsText(double value);

    Q_INVOKABLE void selectLanguage(int index);
    Q_INVOKABLE void selectInterfaceLanguage(int index);
    Q_INVOKABLE void setSpeakerLanguage(int index, bool isSpoken);
    Q_INVOKABLE void setDisplayMode(int index);
    Q_INVOKABLE void setSubtitlesSide(int index);
    // Also starts or stops the call monitor.
    Q_INVOKABLE void setAutoDetect(bool enabled);
    Q_INVOKABLE void selectMic(int index);
    Q_INVOKABLE void selectCapture(int index);
    // "jami, linphone" -> extraCallApplications: names separated by commas
    // or spaces, each once; a path is no executable name.
    Q_INVOKABLE void setExtraCallApplicationsText(const QString& text);

    // ["jami", "linphone"] -> "jami, linphone".
    Q_INVOKABLE static QString namesText(const QStringList& names) { return names.join(QStringLiteral(", ")); }

    // Asks the sound server for its microphones again.
    Q_INVOKABLE void refreshMicDevices();
    // A folder the user chose: recordings go there from now on, and the list
    // shows what it holds.
    Q_INVOKABLE void chooseFolder(const QUrl& folder);
    Q_INVOKABLE void resetFolder();
    Q_INVOKABLE static bool openSoundSettings();

signals:
    void sourcesChanged();
    void listeningChanged();
    void autoDetectChanged();
    void languagesChanged();
    void interfaceLanguageChanged();
    void displayModeChanged();
    void subtitlesSideChanged();
    void micDevicesChanged();
    void captureChanged();
    void shortcutsChanged();
    void watchesApplicationsChanged();
    void folderChanged();
    // The interface language changed: every text above is new.
    void textsChanged();

private:
    struct CaptureEntry
    {
        QString scope;
        QString label;
    };

    AppSettings* settings() const { return m_settings.data(); }

    // Follows the view model and the services anew after either changed.
    void rewire();
    QList<CaptureEntry> captureEntries() const;
    void watchApplications(bool watches);
    void rememberApplicationNames();

    QPointer<TranslationViewModel> m_viewModel;
    QPointer<AppSettings> m_settings;
    QPointer<AudioCapture> m_capture;
    QPointer<CallMonitorService> m_callMonitor;
    QStringList m_shortcutProblems;
    QPointer<RecordingStore> m_recordingStore;
    QList<QMetaObject::Connection> m_connections;
    bool m_watchesApplications = false;
    bool m_isHoldingApplications = false;
    // Names of programs seen playing, by executable: a chosen one that
    // stopped is still shown by its name.
    QHash<QString, QString> m_applicationNames;
};

} // namespace tolvaran
