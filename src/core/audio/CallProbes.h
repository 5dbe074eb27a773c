#pragma once

#include <QCoroTask>
#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tolvaran {

class PulseEngine;
struct DeviceWatch;

// A program that records from a microphone (a source that is no monitor).
struct MicrophoneRecorder
{
    // Its executable name, and the name it gives itself (either may be empty).
    QString binary;
    QString applicationName;

    bool operator==(const MicrophoneRecorder&) const = default;
};

// True when a process runs whose executable has one of these names (exact,
// case-sensitive). Reads the executable link, or the first command-line word
// where the link is not readable; never the 15-character short name, which
// would let "teams-for-linux-helper" pass as "teams-for-linux".
bool isProcessRunning(const QSet<QString>& executableNames, const QString& procRoot = QStringLiteral("/proc"));

// Whether another program records from the sound server's default input.
// This program's own microphone stream does not count: otherwise listening
// with the microphone on would keep a call going after it ended. Uses the
// program's sound server connection, and a new one once it was lost. Never
// waits on the calling thread.
class DefaultInputProbe
{
public:
    // server = nullopt: the user's default sound server.
    explicit DefaultInputProbe(std::optional<QString> server = std::nullopt);
    ~DefaultInputProbe();

    DefaultInputProbe(const DefaultInputProbe&) = delete;
    DefaultInputProbe& operator=(const DefaultInputProbe&) = delete;

    // Every failure (no server, no default source, no answer) counts as not
    // in use.
    QCoro::Task<bool> isDefaultInputInUse();

private:
    const std::optional<QString> m_server;
    std::shared_ptr<PulseEngine> m_pulse;
};

// The programs that record from a microphone, other than this one and its
// local server, from the streams the sound server lists (each names its
// program). A muted stream (corked) still counts: a call whose user muted
// the microphone goes on. Main thread; never waits on it.
class MicrophoneRecorders
{
public:
    // server = nullopt: the user's default sound server.
    explicit MicrophoneRecorders(std::optional<QString> server = std::nullopt);
    ~MicrophoneRecorders();

    MicrophoneRecorders(const MicrophoneRecorders&) = delete;
    MicrophoneRecorders& operator=(const MicrophoneRecorders&) = delete;

    // Nothing when the server does not answer.
    QCoro::Task<std::optional<QList<MicrophoneRecorder>>> recorders();
    // Tells of every recording stream that opens, closes or moves, and of
    // the server's loss and return, on the sound server's event thread;
    // nullptr stops it.
    void follow(std::function<void()> changed);

private:
    std::shared_ptr<PulseEngine> pulse();

    const std::optional<QString> m_server;
    std::shared_ptr<PulseEngine> m_pulse;
    std::unique_ptr<DeviceWatch> m_watch;
};

} // namespace tolvaran
