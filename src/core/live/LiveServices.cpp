#include "LiveServices.h"

#include "audio/AudioCaptureService.h"
#include "audio/CallMonitorService.h"
#include "recordings/RecordingStore.h"
#include "settings/AppSettings.h"

namespace tolvaran {

LiveServices::LiveServices(AppSettings& appSettings, std::unique_ptr<AudioCapture> audioCapture)
    : settings(appSettings)
    , capture(audioCapture ? std::move(audioCapture) : std::make_unique<AudioCaptureService>())
    , callMonitor(std::make_unique<CallMonitorService>())
    , recordingStore(
          std::make_unique<RecordingStore>(appSettings.recordingsFolder(), RecordingStore::Loading::inBackground))
{ }

LiveServices::~LiveServices() = default;

} // namespace tolvaran
