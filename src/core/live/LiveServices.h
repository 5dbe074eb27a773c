#pragma once

#include <memory>

namespace tolvaran {

class AppSettings;
class AudioCapture;
class CallMonitorService;
class RecordingStore;

// The services listening and recording run on. The program makes them once
// (main.cpp) and hands them to the view model and to the settings window, so
// neither reaches for them through the other. They must outlive both.
// Main thread.
struct LiveServices
{
    // capture: nullptr means the capture on the sound server.
    explicit LiveServices(AppSettings& settings, std::unique_ptr<AudioCapture> capture = nullptr);
    ~LiveServices();
    LiveServices(const LiveServices&) = delete;
    LiveServices& operator=(const LiveServices&) = delete;

    AppSettings& settings;
    std::unique_ptr<AudioCapture> capture;
    std::unique_ptr<CallMonitorService> callMonitor;
    // Lists the recordings folder the settings name.
    std::unique_ptr<RecordingStore> recordingStore;
};

} // namespace tolvaran
