#pragma once

#include <QCoroTask>
#include <QObject>

#include <chrono>

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// The program's own start and end: listening may start at launch, and
// quitting first stops listening and waits until the recording is saved.
class LocalServerLauncher;

class AppLifecycle : public QObject
{
    Q_OBJECT

public:
    // How long quitting waits for a stopped recording to reach the folder.
    static constexpr std::chrono::seconds maxSaveWait{10};
    // How long quitting waits for the start to give up.
    static constexpr std::chrono::seconds maxStartWait{5};

    AppLifecycle(AppSettings& settings, TranslationViewModel& viewModel, QObject* parent = nullptr);

    // The program's start: the local server first when it is needed (so
    // that listening at launch finds it), then asks whether system audio can
    // be captured, then starts listening when the settings want it at launch.
    QCoro::Task<> start(LocalServerLauncher& localServer, QString serverURL);
    // Stops listening (saving a running recording), waits for the saves and
    // for the start to give up, and quits the application with status 0.
    // Further requests are ignored.
    QCoro::Task<> quit();
    // The server this program started listens again, on every address of
    // the machine or on its loopback only, as the settings now say.
    QCoro::Task<> restartLocalServer();

signals:
    void startFinished();

private:
    LocalServerLauncher* m_localServer = nullptr;
    bool m_isStarting = false;
    AppSettings& m_settings;
    TranslationViewModel& m_viewModel;
    bool m_isQuitting = false;
};

} // namespace tolvaran
