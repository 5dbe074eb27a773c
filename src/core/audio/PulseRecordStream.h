#pragma once

#include "AudioBlock.h"
#include "PulseEngine.h"

#include <QString>

#include <cstddef>
#include <mutex>
#include <optional>

struct pa_stream;

namespace tolvaran {

// A record stream on the shared connection, in the one format the program
// deals with: the sound server converts to signed 16-bit little-endian,
// 16000 Hz, mono (its resampler filters and keeps state from one buffer to
// the next), so nothing is converted on our side. It serves
// the system-audio capture (on monitors) and the microphone (on inputs).
//
// The server moves a stream when its source goes away, possibly onto a
// source of the other kind (an input where an output's monitor went, or the
// other way round): until the new source is known to be of the wanted kind,
// what it reads is dropped.
//
// Everything runs on the event thread or under PulseEngine::Lock, except
// sourceName.
class PulseRecordStream
{
public:
    static constexpr int sampleRate = AudioBlock::sampleRate;
    static constexpr int channels = AudioBlock::channels;

    class Listener
    {
    public:
        // The stream runs.
        virtual void streamReady() = 0;
        // The stream could not be opened (wasReady false) or ended while the
        // connection stood; it is closed already.
        virtual void streamEnded(const QString& reason, bool wasReady) = 0;

        // The server moved the stream; the source's kind is asked.
        virtual void streamMoved(const QString& source) { Q_UNUSED(source); }

        // The moved stream's source is (or is not) of the wanted kind.
        virtual void sourceKindKnown(bool isWanted, const QString& source)
        {
            Q_UNUSED(isWanted);
            Q_UNUSED(source);
        }

        // count samples read (little-endian); samples is null for a hole,
        // which is silence.
        virtual void samplesRead(const qint16* samples, size_t count) = 0;

    protected:
        ~Listener() = default;
    };

    enum class Kind {
        monitor,
        input,
    };

    // fragmentFrames: about how much the server hands over at a time.
    PulseRecordStream(PulseEngine& engine, Listener& listener, const char* name, Kind wanted, quint32 fragmentFrames);
    ~PulseRecordStream();

    PulseRecordStream(const PulseRecordStream&) = delete;
    PulseRecordStream& operator=(const PulseRecordStream&) = delete;

    // Opens on the named source; the listener hears of the outcome. False
    // when the request could not even be sent (then it has heard already).
    // With a sink input, only that one playback stream is recorded (source is
    // its sink's monitor); such a stream ends when the input moves.
    bool open(const QString& source, std::optional<quint32> sinkInput = std::nullopt);
    // Afterwards the listener hears nothing more from this stream.
    void close();

    bool isOpen() const { return m_stream != nullptr; }

    bool isReady() const { return m_isReady; }

    // False while the source it was moved to is not known to be of the
    // wanted kind.
    bool isOnWantedSource() const { return m_isOnWantedSource; }

    // The server's index of the stream; for moving it.
    quint32 index() const;

    // The source it records from, empty while closed. Any thread.
    QString sourceName() const;

private:
    static void onState(pa_stream* stream, void* userdata);
    static void onRead(pa_stream* stream, size_t bytes, void* userdata);
    static void onMoved(pa_stream* stream, void* userdata);
    void fail(const QString& reason);
    void setSourceName(const QString& name);

    PulseEngine& m_engine;
    Listener& m_listener;
    const char* const m_name;
    const Kind m_wanted;
    const quint32 m_fragmentFrames;
    pa_stream* m_stream = nullptr;
    PulseEngine::Timer* m_deadline = nullptr;
    PulseOperations m_operations;
    bool m_isReady = false;
    bool m_isOnWantedSource = true;
    mutable std::mutex m_nameLock;
    QString m_sourceName;
};

} // namespace tolvaran
