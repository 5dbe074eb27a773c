#pragma once

#include <QSet>
#include <QString>

#include <memory>

namespace tolvaran {

class PulseContext;

// True when a process runs whose executable has one of these names (exact,
// case-sensitive). Reads the executable link, or the first command-line word
// where the link is not readable; never the 15-character short name, which
// would let "teams-for-linux-helper" pass as "teams-for-linux".
bool isProcessRunning(const QSet<QString>& executableNames, const QString& procRoot = QStringLiteral("/proc"));

// Whether another program records from the sound server's default input.
// This program's own microphone stream does not count: otherwise listening
// with the microphone on would keep a call going after it ended. Keeps one
// connection and reconnects when it was lost. Blocking; main thread.
class DefaultInputProbe
{
public:
    DefaultInputProbe();
    ~DefaultInputProbe();

    DefaultInputProbe(const DefaultInputProbe&) = delete;
    DefaultInputProbe& operator=(const DefaultInputProbe&) = delete;

    // Every failure (no server, no default source) counts as not in use.
    bool isDefaultInputInUse();

private:
    std::unique_ptr<PulseContext> m_pulse;
};

} // namespace tolvaran
