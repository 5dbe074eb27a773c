#pragma once

#include <QSet>
#include <QTimer>

namespace tolvaran {

// One timer for everything in the overlay that moves by itself: typed text,
// scrolling and fades. All of them step in the same tick, so the window draws
// one frame for all, 30 times a second, and the timer runs only
// while something is moving. Main thread only.
class FrameTicker
{
public:
    class Client
    {
    public:
        virtual ~Client() = default;
        virtual void tick() = 0;
    };

    static FrameTicker& instance();

    void add(Client* client);
    // Safe from within a tick.
    void remove(Client* client);

    bool contains(Client* client) const { return m_clients.contains(client); }

    bool isRunning() const { return m_timer.isActive(); }

private:
    FrameTicker();

    QTimer m_timer;
    QSet<Client*> m_clients;
};

} // namespace tolvaran
