#pragma once

#include "SpeechRecognizer.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QThread>

#include <atomic>
#include <memory>

namespace tolvaran::server {

class RecognitionWorker;

// One stream's recogniser, run on a thread of its own so that loading a model
// or decoding never holds up the event loop. Lives on the main thread; the
// signals arrive there, in stream order.
class RecognitionChannel : public QObject
{
    Q_OBJECT

public:
    // Starts the thread, which loads the recogniser at once.
    explicit RecognitionChannel(std::shared_ptr<const RecognitionEngine> engine, QObject* parent = nullptr);
    // Queued audio is dropped; the thread ends by itself and is freed then.
    ~RecognitionChannel() override;

    // Little-endian 16-bit samples, an even number of bytes.
    void feed(const QByteArray& pcm);
    // Ends the current utterance; flushed() follows the last result.
    void finish();
    // Bytes handed over and not yet decoded.
    qint64 backlogBytes() const;

    // Waits until every channel's thread has ended; for the end of the program.
    static void waitForAllThreads();

signals:
    void recognized(const QList<tolvaran::server::Recognition>& recognitions);
    void failed(const QString& reason);
    void flushed();

private:
    struct Shared
    {
        std::atomic<qint64> backlogBytes{0};
        std::atomic<bool> isCancelled{false};
    };

    std::shared_ptr<Shared> m_shared;
    QThread* m_thread = nullptr;
    RecognitionWorker* m_worker = nullptr;

    friend class RecognitionWorker;
};

} // namespace tolvaran::server
