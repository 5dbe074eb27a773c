#pragma once

#include <QCoroTask>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

namespace tolvaran {

class PulseEngine;

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

} // namespace tolvaran
