#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <QWindow>

namespace tolvaran {

// One timer for everything in the overlay that moves by itself: typed text,
// scrolling and fades. All of them step in the same tick, so the window draws
// one frame for all, 25 times a second, and the timer runs only
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

    // Whether a frame asked for now belongs to the tick just run; a window
    // asking for a frame between ticks waits for the next one instead, so
    // that everything moving draws together. Always true while stopped.
    bool isInTick() const;
    // Asks `window` for a frame with the next tick, or at once when the
    // ticker stops first.
    void updateWithNextTick(QWindow* window);

    bool isRunning() const { return m_timer.isActive(); }

private:
    FrameTicker();

    void flushWaitingWindows();

    QTimer m_timer;
    QSet<Client*> m_clients;
    QElapsedTimer m_sinceTick;
    QList<QPointer<QWindow>> m_waitingWindows;
};

} // namespace tolvaran
