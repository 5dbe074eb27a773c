#include "ServerAwayNotice.h"

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcAudioCapture)

namespace tolvaran {

ServerAwayNotice::ServerAwayNotice(PulseEngine& engine, std::chrono::milliseconds delay, Tell tell)
    : m_engine(engine)
    , m_delay(delay)
    , m_tell(std::move(tell))
{ }

void ServerAwayNotice::serverLost()
{
    if (m_timer || m_isReported)
        return;
    m_timer = m_engine.startTimer(m_delay, [this] {
        m_timer = nullptr;
        m_isReported = true;
        qCWarning(
            lcAudioCapture, "The sound server has been away for %.1f s; still trying", double(m_delay.count()) / 1000);
        m_tell(true);
    });
}

void ServerAwayNotice::serverReached()
{
    cancel();
    if (m_isReported) {
        m_isReported = false;
        m_tell(false);
    }
}

void ServerAwayNotice::cancel()
{
    m_engine.cancelTimer(m_timer);
}

} // namespace tolvaran
