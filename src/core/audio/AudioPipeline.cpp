#include "AudioPipeline.h"

#include "AudioCapture.h"
#include "AudioRecordingService.h"

#include <QPointer>

namespace tolvaran {

AudioPipeline::AudioPipeline(AudioCapture& capture, AudioRecordingService* recorder, QObject* parent)
    : QObject(parent)
    , m_capture(capture)
    , m_recorder(recorder)
{
    m_capture.onAudioData = [this](const QByteArray& chunk) { pushChunk(chunk); };
    m_capture.onPCMDataForRecording = [this](const QByteArray& pcm) {
        if (m_recorder)
            m_recorder->appendPCMData(pcm);
    };
    m_capture.onError = [this](const QString& message) {
        QMetaObject::invokeMethod(
            this,
            [self = QPointer(this), message] {
                if (self)
                    emit self->captureFailed(message);
            },
            Qt::QueuedConnection);
    };
    m_capture.onSoundServerAway = [this](bool isAway) {
        QMetaObject::invokeMethod(
            this,
            [self = QPointer(this), isAway] {
                if (self)
                    emit self->soundServerAwayChanged(isAway);
            },
            Qt::QueuedConnection);
    };
    m_capture.onApplicationPlaying = [this](const QString& playingName) {
        QMetaObject::invokeMethod(
            this,
            [self = QPointer(this), playingName] {
                if (self)
                    emit self->applicationPlayingChanged(playingName);
            },
            Qt::QueuedConnection);
    };
}

AudioPipeline::~AudioPipeline()
{
    m_capture.onAudioData = nullptr;
    m_capture.onPCMDataForRecording = nullptr;
    m_capture.onError = nullptr;
    m_capture.onSoundServerAway = nullptr;
    m_capture.onApplicationPlaying = nullptr;
}

void AudioPipeline::beginSession()
{
    std::lock_guard guard(m_lock);
    ++m_session;
}

void AudioPipeline::pushChunk(const QByteArray& chunk)
{
    std::lock_guard guard(m_lock);
    m_pending.append({chunk, m_session});
    if (m_isDeliveryPosted)
        return;
    m_isDeliveryPosted = true;
    QMetaObject::invokeMethod(
        this,
        [self = QPointer(this)] {
            if (self)
                self->deliverPending();
        },
        Qt::QueuedConnection);
}

void AudioPipeline::deliverPending()
{
    QList<Pending> pending;
    quint64 session = 0;
    {
        std::lock_guard guard(m_lock);
        pending.swap(m_pending);
        m_isDeliveryPosted = false;
        session = m_session;
    }
    for (const Pending& item : std::as_const(pending)) {
        if (item.session == session)
            emit chunkReady(item.chunk);
    }
}

} // namespace tolvaran
