#pragma once

#include <QCoroTask>
#include <QObject>
#include <QSet>
#include <QString>

#include <functional>

class QTimer;

namespace tolvaran {

// Decides every 2 seconds whether a Teams call is going on: a Teams client
// runs and the default input is in use. Main thread only; the sound server is
// asked without waiting, and a check still waiting for its answer lets the
// next tick pass.
class CallMonitorService : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isCallActive READ isCallActive NOTIFY isCallActiveChanged)
    Q_PROPERTY(bool isMonitoring READ isMonitoring NOTIFY isMonitoringChanged)

public:
    // The two observations a decision rests on; both are asked every check.
    struct Probes
    {
        std::function<bool()> isTeamsRunning;
        std::function<QCoro::Task<bool>()> isMicrophoneInUse;
    };

    // Executable names of the Teams clients for Linux.
    static const QSet<QString> teamsProcessNames;
    static constexpr int pollingIntervalMs = 2000;

    // Watches the processes under /proc and the sound server.
    explicit CallMonitorService(QObject* parent = nullptr);
    CallMonitorService(Probes probes, QObject* parent = nullptr);
    ~CallMonitorService() override;

    static Probes systemProbes();

    bool isCallActive() const { return m_isCallActive; }

    bool isMonitoring() const { return m_isMonitoring; }

    void startMonitoring();
    void stopMonitoring();
    // Finishes at once when the probes answer at once.
    QCoro::Task<> checkCallState();

signals:
    // Each change of isCallActive, with its new value.
    void callStateChanged(bool isActive);
    void isCallActiveChanged();
    void isMonitoringChanged();

private:
    void setCallActive(bool active);
    void setMonitoring(bool monitoring);

    Probes m_probes;
    QTimer* m_timer = nullptr;
    bool m_isCallActive = false;
    bool m_isMonitoring = false;
    bool m_isChecking = false;
    // Counts starts and stops: a check that one overtook decides nothing.
    quint64 m_generation = 0;
};

} // namespace tolvaran
