#pragma once

#include "audio/PlayingApplication.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

namespace tolvaran {

struct DeviceWatch;

// The programs playing sound now (other than this one and its local
// server), one entry per program. While watched, the list follows the sound
// server: streams that start or end are announced with changed, and after a
// restart of the server the list is read again. Main thread.
class PlayingApplicationList final : public QObject
{
    Q_OBJECT
public:
    // server = nullopt: the user's default sound server.
    explicit PlayingApplicationList(std::optional<QString> server);
    ~PlayingApplicationList() override;

    // Each watch needs its unwatch.
    void watch();
    void unwatch();

    QList<PlayingApplication> applications() const { return m_applications; }

signals:
    void changed();

private:
    // Event thread: a playback stream started or ended, or the server went or came.
    void sinkInputsChanged();
    QCoro::Task<> refresh();

    const std::optional<QString> m_server;
    int m_watchers = 0;
    std::unique_ptr<DeviceWatch> m_watch;
    QTimer m_refreshTimer;
    // Only the answer to the latest question counts.
    quint64 m_queries = 0;
    QList<PlayingApplication> m_applications;
    std::shared_ptr<int> m_alive = std::make_shared<int>(0);
};

} // namespace tolvaran
