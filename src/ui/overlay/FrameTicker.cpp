#include "FrameTicker.h"

#include <utility>

namespace tolvaran {

FrameTicker& FrameTicker::instance()
{
    static FrameTicker ticker;
    return ticker;
}

FrameTicker::FrameTicker()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    // 25 frames a second: a fade of a quarter second still takes six steps,
    // typing shows two new characters a frame and a 0.4 s scroll moves in ten
    // steps, which the eye takes for smooth. While text streams in, the list
    // scrolls on most frames and each of those draws it whole: the frame
    // rate is most of what the overlay costs.
    m_timer.setInterval(40);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        m_sinceTick.start();
        const QSet<Client*> clients = m_clients;
        for (Client* client : clients)
            if (m_clients.contains(client))
                client->tick();
        flushWaitingWindows();
    });
}

bool FrameTicker::isInTick() const
{
    // The frame a tick asks for is requested within a few milliseconds of it.
    return !m_timer.isActive() || !m_sinceTick.isValid() || m_sinceTick.elapsed() < 8;
}

void FrameTicker::updateWithNextTick(QWindow* window)
{
    if (!m_timer.isActive()) {
        window->requestUpdate();
        return;
    }
    if (!m_waitingWindows.contains(window))
        m_waitingWindows.append(window);
}

void FrameTicker::flushWaitingWindows()
{
    const auto windows = std::exchange(m_waitingWindows, {});
    for (const QPointer<QWindow>& window : windows)
        if (window)
            window->requestUpdate();
}

void FrameTicker::add(Client* client)
{
    m_clients.insert(client);
    if (!m_timer.isActive())
        m_timer.start();
}

void FrameTicker::remove(Client* client)
{
    m_clients.remove(client);
    if (m_clients.isEmpty()) {
        m_timer.stop();
        flushWaitingWindows();
    }
}

} // namespace tolvaran
