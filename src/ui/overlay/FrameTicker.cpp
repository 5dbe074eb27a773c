#include "FrameTicker.h"

namespace tolvaran {

FrameTicker& FrameTicker::instance()
{
    static FrameTicker ticker;
    return ticker;
}

FrameTicker::FrameTicker()
{
    m_timer.setTimerType(Qt::PreciseTimer);
    // 30 frames a second: a fade of a quarter second still takes eight steps
    // and typing shows one or two new characters a frame, which the eye takes
    // for smooth, at half the cost of 60.
    m_timer.setInterval(33);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        const QSet<Client*> clients = m_clients;
        for (Client* client : clients)
            if (m_clients.contains(client))
                client->tick();
    });
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
    if (m_clients.isEmpty())
        m_timer.stop();
}

} // namespace tolvaran
