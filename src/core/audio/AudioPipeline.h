#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <mutex>

namespace tolvaran {

class AudioCapture;
class AudioRecordingService;

// The one path of a PCM chunk: capture -> microphone mix (in the capture's
// buffer handler) -> here, where it forks to the recorder's queue and to the
// sender.
//
// Threads: the capture thread hands in every chunk; the recorder gets its
// copy there at once (a queue push that never waits for the disk); the
// chunks for the server are emitted as chunkReady on this object's thread
// (the main thread) from queued calls, in capture order, several at a time
// when they came together, so the main thread wakes once per delivery rather
// than once per chunk. What the capture reports arrives on that thread too.
//
// The capture must stop (or be destroyed) before this object goes.
class AudioPipeline : public QObject
{
    Q_OBJECT

public:
    // Installs itself as capture's callbacks. recorder may be null.
    AudioPipeline(AudioCapture& capture, AudioRecordingService* recorder, QObject* parent = nullptr);
    ~AudioPipeline() override;

    // Main thread: chunks captured before this call and not yet delivered
    // are dropped, so a new connection begins with the new stream's header.
    void beginSession();

signals:
    // Each chunk for the server.
    void chunkReady(const QByteArray& chunk);
    // The capture was lost.
    void captureFailed(const QString& message);
    // The sound server has been away for a while, or capture runs again.
    void soundServerAwayChanged(bool isAway);
    // While one application is captured: its name while any stream of it is
    // heard, else empty.
    void applicationPlayingChanged(const QString& playingName);

private:
    struct Pending
    {
        QByteArray chunk;
        quint64 session = 0;
    };

    // Capture thread.
    void pushChunk(const QByteArray& chunk);
    // Main thread.
    void deliverPending();

    AudioCapture& m_capture;
    AudioRecordingService* m_recorder;
    std::mutex m_lock;
    QList<Pending> m_pending;
    quint64 m_session = 0;
    bool m_isDeliveryPosted = false;
};

} // namespace tolvaran
