#pragma once

#include <QCoroTask>
#include <QObject>

#include <chrono>

namespace tolvaran {

class AppSettings;
class TranslationViewModel;

// The program's own start and end: listening may start at launch, and
// quitting first stops listening and waits until the recording is saved.
class AppLifecycle : public QObject
{
    Q_OBJECT

public:
    // How long quitting waits for a stopped recording to reach the folder.
    static constexpr std::chrono::seconds maxSaveWait{10};

    AppLifecycle(AppSettings& settings, TranslationViewModel& viewModel, QObject* parent = nullptr);

    // Asks whether system audio can be captured, then starts listening when
    // the settings want it at launch.
    QCoro::Task<> start();
    // Stops listening (saving a running recording), waits for the saves, and
    // quits the application with status 0. Further requests are ignored.
    QCoro::Task<> quit();

private:
    AppSettings& m_settings;
    TranslationViewModel& m_viewModel;
    bool m_isQuitting = false;
};

} // namespace tolvaran
