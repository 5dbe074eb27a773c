#pragma once

#include "desktop/SoundSettings.h"
#include "live/TranslationViewModel.h"
#include "settings/AppSettings.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QtQml/qqmlregistration.h>

namespace tolvaran {

// What the tray panel and the tray item show of the view model, and the
// panel's actions. Views bind to it; the rules a test should reach live here.
class PanelModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(tolvaran::TranslationViewModel* viewModel READ viewModel WRITE setViewModel NOTIFY viewModelChanged)
    // Whose server address the actions check before they connect.
    Q_PROPERTY(tolvaran::AppSettings* settings READ settings WRITE setSettings NOTIFY settingsChanged)
    // "disconnected", "connecting", "connected", "listening" or "error".
    Q_PROPERTY(QString stateName READ stateName NOTIFY stateChanged)
    Q_PROPERTY(QString statusText READ statusText NOTIFY stateChanged)
    Q_PROPERTY(QString trayIcon READ trayIcon NOTIFY stateChanged)
    Q_PROPERTY(bool isListening READ isListening NOTIFY stateChanged)
    Q_PROPERTY(bool isConnecting READ isConnecting NOTIFY stateChanged)
    // Listening goes on while the connection is opened again.
    Q_PROPERTY(bool isReconnecting READ isReconnecting NOTIFY stateChanged)
    Q_PROPERTY(bool isError READ isError NOTIFY stateChanged)
    // The error's description, empty unless in the error state.
    Q_PROPERTY(QString errorDescription READ errorDescription NOTIFY stateChanged)
    Q_PROPERTY(bool isRoomCardVisible READ isRoomCardVisible NOTIFY roomChanged)
    Q_PROPERTY(QString subscriberText READ subscriberText NOTIFY roomChanged)
    Q_PROPERTY(int recordingCount READ recordingCount NOTIFY recordingsChanged)
    Q_PROPERTY(int shownRecordings MEMBER shownRecordingCount CONSTANT)
    // A session is recorded only while listening; stopping a recording is
    // always possible.
    Q_PROPERTY(bool canRecord READ canRecord NOTIFY canRecordChanged)
    // Why the recordings folder did not open; empty when it did.
    Q_PROPERTY(QString folderMessage READ folderMessage NOTIFY folderMessageChanged)

public:
    // Rows of recordings the panel lists, newest first.
    static constexpr int shownRecordings = 5;
    const int shownRecordingCount = shownRecordings;

    explicit PanelModel(QObject* parent = nullptr);

    TranslationViewModel* viewModel() const { return m_viewModel; }

    void setViewModel(TranslationViewModel* viewModel);

    AppSettings* settings() const { return m_settings; }

    void setSettings(AppSettings* settings);

    QString stateName() const;
    QString statusText() const;
    QString trayIcon() const;
    bool isListening() const;
    bool isConnecting() const;
    bool isReconnecting() const;
    bool isError() const;
    QString errorDescription() const;
    bool isRoomCardVisible() const;
    QString subscriberText() const;
    int recordingCount() const;
    bool canRecord() const;

    QString folderMessage() const { return m_folderMessage; }

    // The tray symbol of a state.
    static QString trayIcon(const ConnectionState& state);
    static QString stateName(const ConnectionState& state);
    // "1 subscriber", "3 subscribers".
    static QString subscriberText(qint64 count);

    // Stops listening while listening, else starts it unless the server URL
    // is invalid.
    Q_INVOKABLE void toggleListening();
    Q_INVOKABLE void startRoom();
    // Asked each time the panel appears.
    Q_INVOKABLE void checkPermissions();
    Q_INVOKABLE void openRecording(int row);
    Q_INVOKABLE void deleteRecording(int row);
    Q_INVOKABLE void copyShareLink();
    Q_INVOKABLE void openRecordingsFolder();

    // The desktop's sound settings, where one is installed.
    Q_INVOKABLE static bool openSoundSettings() { return tolvaran::openSoundSettings(); }

    Q_INVOKABLE void requestQuit();

signals:
    void viewModelChanged();
    void settingsChanged();
    void stateChanged();
    void roomChanged();
    void recordingsChanged();
    void canRecordChanged();
    void folderMessageChanged();
    // The program quits in order: a running recording is saved first.
    void quitRequested();

private:
    void setFolderMessage(const QString& message);

    bool canConnect() const;

    QPointer<TranslationViewModel> m_viewModel;
    QPointer<AppSettings> m_settings;
    QString m_folderMessage;
};

} // namespace tolvaran
