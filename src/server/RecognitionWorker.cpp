#include "RecognitionWorker.h"

#include <QList>
#include <QLoggingCategory>
#include <QtEndian>

#include <chrono>
#include <vector>

// Where the time between the end of speech and its final goes; off unless
// asked for (QT_LOGGING_RULES="com.tolvaran.server.Timeline.debug=true").
Q_LOGGING_CATEGORY(lcTimeline, "com.tolvaran.server.Timeline", QtWarningMsg)

namespace tolvaran::server {

namespace {

using Clock = std::chrono::steady_clock;

qint64 msBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

QList<QPointer<QThread>>& liveThreads()
{
    static QList<QPointer<QThread>> threads;
    return threads;
}

} // namespace

// Lives on the channel's thread.
class RecognitionWorker : public QObject
{
    Q_OBJECT

public:
    RecognitionWorker(
        std::shared_ptr<const RecognitionEngine> engine, std::shared_ptr<RecognitionChannel::Shared> shared)
        : m_engine(std::move(engine))
        , m_shared(std::move(shared))
    { }

    void load()
    {
        if (m_shared->isCancelled)
            return;
        RecognizerOrError created = m_engine->createRecognizer();
        if (auto* error = std::get_if<QString>(&created)) {
            fail(*error);
            return;
        }
        m_recognizer = std::move(std::get<std::unique_ptr<SpeechRecognizer>>(created));
    }

    void feed(const QByteArray& pcm, Clock::time_point queuedAt)
    {
        m_shared->backlogBytes -= pcm.size();
        if (m_shared->isCancelled || !m_recognizer)
            return;
        const Clock::time_point startedAt = Clock::now();
        m_samples.resize(std::size_t(pcm.size() / 2));
        qFromLittleEndian<qint16>(pcm.constData(), qsizetype(m_samples.size()), m_samples.data());
        QList<Recognition> out;
        const bool ok = m_recognizer->feed(m_samples, out);
        m_streamMs += pcm.size() / 32;
        if (lcTimeline().isDebugEnabled())
            trace(out, queuedAt, startedAt);
        if (!out.isEmpty())
            emit recognized(out);
        if (!ok)
            fail(QStringLiteral("The speech recogniser failed"));
    }

    void finish()
    {
        if (m_shared->isCancelled)
            return;
        if (m_recognizer) {
            QList<Recognition> out;
            const bool ok = m_recognizer->flush(out);
            if (!out.isEmpty())
                emit recognized(out);
            if (!ok)
                fail(QStringLiteral("The speech recogniser failed"));
        }
        emit flushed();
    }

signals:
    void recognized(const QList<tolvaran::server::Recognition>& recognitions);
    void failed(const QString& reason);
    void flushed();

private:
    void trace(const QList<Recognition>& out, Clock::time_point queuedAt, Clock::time_point startedAt)
    {
        const Clock::time_point now = Clock::now();
        m_longestWaitMs = std::max(m_longestWaitMs, msBetween(queuedAt, startedAt));
        m_decodingMs += msBetween(startedAt, now);
        for (const Recognition& recognition : out) {
            if (!recognition.isFinal)
                continue;
            qCDebug(lcTimeline,
                "final at stream %lld ms, last word ending at %lld ms; its audio arrived %lld ms ago and waited "
                "%lld ms; since the last final audio waited up to %lld ms and decoding took %lld ms",
                m_streamMs, recognition.words.last().endMs, msBetween(queuedAt, now), msBetween(queuedAt, startedAt),
                m_longestWaitMs, m_decodingMs);
            m_longestWaitMs = 0;
            m_decodingMs = 0;
        }
    }

    void fail(const QString& reason)
    {
        m_recognizer.reset();
        emit failed(reason);
    }

    std::shared_ptr<const RecognitionEngine> m_engine;
    std::shared_ptr<RecognitionChannel::Shared> m_shared;
    std::unique_ptr<SpeechRecognizer> m_recognizer;
    std::vector<qint16> m_samples;
    qint64 m_streamMs = 0;
    qint64 m_longestWaitMs = 0;
    qint64 m_decodingMs = 0;
};

RecognitionChannel::RecognitionChannel(std::shared_ptr<const RecognitionEngine> engine, QObject* parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{
    qRegisterMetaType<QList<Recognition>>();
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("recognition"));
    m_worker = new RecognitionWorker(std::move(engine), m_shared);
    m_worker->moveToThread(m_thread);
    connect(m_worker, &RecognitionWorker::recognized, this, &RecognitionChannel::recognized);
    connect(m_worker, &RecognitionWorker::failed, this, &RecognitionChannel::failed);
    connect(m_worker, &RecognitionWorker::flushed, this, &RecognitionChannel::flushed);
    connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    liveThreads().removeAll(nullptr);
    liveThreads().append(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->load(); }, Qt::QueuedConnection);
}

RecognitionChannel::~RecognitionChannel()
{
    m_shared->isCancelled = true;
    m_worker->disconnect(this);
    m_thread->quit();
}

void RecognitionChannel::feed(const QByteArray& pcm)
{
    m_shared->backlogBytes += pcm.size();
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker, pcm, queuedAt = Clock::now()] { worker->feed(pcm, queuedAt); },
        Qt::QueuedConnection);
}

void RecognitionChannel::finish()
{
    QMetaObject::invokeMethod(
        m_worker, [worker = m_worker] { worker->finish(); }, Qt::QueuedConnection);
}

qint64 RecognitionChannel::backlogBytes() const
{
    return m_shared->backlogBytes;
}

void RecognitionChannel::waitForAllThreads()
{
    for (const QPointer<QThread>& thread : std::as_const(liveThreads())) {
        if (thread)
            thread->wait();
    }
    liveThreads().clear();
}

} // namespace tolvaran::server

#include "RecognitionWorker.moc"
