#pragma once

#include <QObject>

class QSocketNotifier;

namespace tolvaran {

// Turns SIGINT and SIGTERM into a Qt signal on the main thread, so quitting
// runs the normal shutdown path instead of dying inside a signal handler.
class UnixSignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit UnixSignalWatcher(QObject* parent = nullptr);
    ~UnixSignalWatcher() override;

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
};

} // namespace tolvaran
