#pragma once

#include "audio/MicDevice.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

namespace tolvaran {

struct DeviceWatch;

// The microphones the sound server offers (its sources but the outputs'
// monitors). From the first refresh on, the list follows the server by
// itself: microphones plugged in or out while the program runs are
// announced with changed. Main thread.
class MicrophoneList final : public QObject
{
    Q_OBJECT
public:
    // server = nullopt: the user's default sound server.
    explicit MicrophoneList(std::optional<QString> server);
    ~MicrophoneList() override;

    QCoro::Task<> refresh();

    QList<MicDevice> devices() const { return m_devices; }

signals:
    void changed();

private:
    void watch();
    // Event thread: a source came, went or changed.
    void sourcesChanged();

    const std::optional<QString> m_server;
    QList<MicDevice> m_devices;
    std::unique_ptr<DeviceWatch> m_watch;
    QTimer m_refreshTimer;
    // Tells a suspended task whether this list still exists.
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace tolvaran
