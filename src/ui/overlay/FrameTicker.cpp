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
    m_timer.setInterval(17); // at most 60 frames a second
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
