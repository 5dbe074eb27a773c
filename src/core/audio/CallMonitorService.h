#pragma once

#include "CallProbes.h"

#include <QCoroTask>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

namespace tolvaran {

// Decides whether a call is going on, and in which application. With the
// call applications "teams": every 2 seconds, whether a Teams client runs
// and the default input is in use. With "any": whether an application of the
// call list records from a microphone, told by the sound server as its
// streams open and close (and asked every 2 seconds besides); a call ends
// once no such stream has been seen for endDelay, so a stream reopened
// meanwhile keeps it going. Main thread only; the sound server is asked
// without waiting.
class CallMonitorService : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool isCallActive READ isCallActive NOTIFY isCallActiveChanged)
    Q_PROPERTY(bool isMonitoring READ isMonitoring NOTIFY isMonitoringChanged)
    Q_PROPERTY(QString callApplicationName READ callApplicationName NOTIFY callApplicationChanged)

public:
    // The observations a decision rests on: the first two for "teams", the
    // others for "any".
    struct Probes
    {
        std::function<bool()> isTeamsRunning;
        std::function<QCoro::Task<bool>()> isMicrophoneInUse;
        std::function<QCoro::Task<std::optional<QList<MicrophoneRecorder>>>()> microphoneRecorders;
        // Tells (on any thread) of each change of the recording streams;
        // nullptr stops it.
        std::function<void(std::function<void()>)> followRecorders;
    };

    // Executable names of the Teams clients for Linux.
    static const QSet<QString> teamsProcessNames;
    // Executable names of the applications people call with on Linux (their
    // Flatpak and Snap builds run under the same names), each with the name
    // the application is known by.
    static const QHash<QString, QString> callApplicationList;
    static inline const QString anyCallApplications = QStringLiteral("any");
    static inline const QString teamsCallApplications = QStringLiteral("teams");
    static constexpr int pollingIntervalMs = 2000;
    static constexpr std::chrono::milliseconds endDelay{3000};
    // Streams come in bursts (a client opens, closes and reopens one): the
    // check waits this long for the rest.
    static constexpr std::chrono::milliseconds changeSettleDelay{100};

    // Watches the processes under /proc and the sound server.
    explicit CallMonitorService(QObject* parent = nullptr);
    CallMonitorService(Probes probes, QObject* parent = nullptr);
    ~CallMonitorService() override;

    // server = nullopt: the user's default sound server.
    static Probes systemProbes(const std::optional<QString>& server = std::nullopt);

    bool isCallActive() const { return m_isCallActive; }

    bool isMonitoring() const { return m_isMonitoring; }

    // "any" (the call list and the user's names) or "teams"; anything else
    // counts as "any".
    void setCallApplications(const QString& which);
    // Executable names the user calls with, beyond the list.
    void setExtraCallApplications(const QStringList& names);

    // The executable name of the application that holds the detected call;
    // empty while there is none, and with "teams", where Teams is meant.
    QString callApplication() const { return m_callApplication; }

    // The name of that application ("Zoom", "Teams"), empty while none.
    QString callApplicationName() const { return m_callApplicationName; }

    // Which application holds a call is also followed while anyone asks
    // for it (a capture of only the call), without monitoring's automatic
    // starts. Each follow needs its unfollow.
    void followCallApplication();
    void unfollowCallApplication();

    void startMonitoring();
    void stopMonitoring();
    // Finishes at once when the probes answer at once. A check asked for
    // while one runs comes right after it.
    QCoro::Task<> checkCallState();

signals:
    // Each change of isCallActive, with its new value.
    void callStateChanged(bool isActive);
    void isCallActiveChanged();
    void isMonitoringChanged();
    void callApplicationChanged();
    // The checks asked for so far are done (or the monitor goes).
    void checksDone();

private:
    struct Decision
    {
        bool isActive = false;
        QString binary;
        QString name;
        QString reason;
    };

    QCoro::Task<Decision> decideForTeams();
    QCoro::Task<Decision> decideForAny();
    bool isCallApplication(const QString& binary) const;

    bool isRunning() const { return m_isMonitoring || m_followers > 0; }

    void updateRunning();
    void setCallActive(bool active);
    void setMonitoring(bool monitoring);
    void setCallApplication(const QString& binary, const QString& name);

    Probes m_probes;
    QTimer* m_timer = nullptr;
    QTimer m_changeTimer;
    QTimer m_endTimer;
    bool m_isCallActive = false;
    bool m_isMonitoring = false;
    bool m_isChecking = false;
    bool m_isCheckDue = false;
    bool m_isFollowingRecorders = false;
    int m_followers = 0;
    bool m_isTeamsOnly = false;
    QSet<QString> m_extraApplications;
    QString m_callApplication;
    QString m_callApplicationName;
    // Since when the call's application records no more; none while it does.
    std::optional<std::chrono::steady_clock::time_point> m_missingSince;
    // Counts starts, stops and changes of what counts: a check that one
    // overtook decides nothing.
    quint64 m_generation = 0;
};

} // namespace tolvaran
