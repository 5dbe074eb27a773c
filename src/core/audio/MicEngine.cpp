#include "MicEngine.h"

#include "PulseEngine.h"
#include "PulseRecordStream.h"

#include <QCoroFuture>
#include <QLoggingCategory>
#include <QPromise>

#include <pulse/pulseaudio.h>
#include <vector>

Q_LOGGING_CATEGORY(lcMicBuffer, "com.tolvaran.app.MicBuffer")

namespace tolvaran {

// The record stream on the chosen source or the default input, and the
// look-ups that choose it. Lives on the pulse thread: everything but
// construction runs there or under its lock.
struct MicEngine::Input final : PulseRecordStream::Listener
{
    Input(MicEngine* engine, PulseEngine* pulseEngine, std::optional<QString> chosen)
        : owner(engine)
        , pulse(pulseEngine)
        , chosenSource(std::move(chosen))
        , stream(*pulseEngine, *this, "Microphone", PulseRecordStream::Kind::input, MicEngine::blockFrames)
        , watch(*pulseEngine)
    {
        startedPromise.start();
    }

    ~Input()
    {
        PulseEngine::Lock lock(*pulse);
        close();
    }

    // Under the lock: afterwards no block reaches the buffer any more.
    void close()
    {
        isClosed = true;
        watch.clear();
        pulse->cancelTimer(deadline);
        operations.cancelAll();
        stream.close();
        isRunning = false;
        reportStarted(false);
    }

    QFuture<bool> start(const std::weak_ptr<Input>& self)
    {
        pulse->post([self](pa_context* context) {
            const auto input = self.lock();
            if (!input || input->isClosed)
                return;
            if (!context) {
                // Switched on while a lost server is being reached again: it
                // opens once the server is back, as a running one would.
                if (input->pulse->willReconnect())
                    input->watchServer();
                input->reportStarted(false);
                return;
            }
            // A server that stops answering half way must not leave the start pending.
            input->deadline = input->pulse->startTimer(PulseEngine::connectTimeout * 2, [input = input.get()] {
                input->deadline = nullptr;
                input->reportStarted(false);
            });
            input->watchServer();
            input->openChosen();
        });
        return startedPromise.future();
    }

    void watchServer()
    {
        watch.onConnection([this](bool isConnected) { connectionChanged(isConnected); });
        watchInputs();
    }

    void openChosen()
    {
        if (chosenSource)
            lookUp(*chosenSource, true);
        else
            openDefault();
    }

    // The server restarted: its streams are gone, and come back where they were.
    void connectionChanged(bool isConnected)
    {
        operations.cancelAll();
        if (!isConnected) {
            stream.close();
            isRunning = false;
            qCWarning(lcMicBuffer, "The microphone waits for the sound server");
            return;
        }
        isOnMicrophone = true;
        openChosen();
    }

    void reportStarted(bool started)
    {
        if (hasReportedStart)
            return;
        hasReportedStart = true;
        pulse->cancelTimer(deadline);
        startedPromise.addResult(started);
        startedPromise.finish();
    }

    void track(pa_operation* operation)
    {
        if (!operations.track(operation))
            reportStarted(false);
    }

    void openDefault()
    {
        isOnChosen = false;
        track(pa_context_get_server_info(
            pulse->context(),
            [](pa_context*, const pa_server_info* info, void* userdata) {
                auto* input = static_cast<Input*>(userdata);
                if (!info || !info->default_source_name || !*info->default_source_name) {
                    input->reportStarted(false);
                    return;
                }
                input->lookUp(QString::fromUtf8(info->default_source_name), false);
            },
            this));
    }

    void lookUp(const QString& name, bool chosen)
    {
        isOnChosen = chosen;
        lookupFound = false;
        const QByteArray utf8Name = name.toUtf8();
        track(pa_context_get_source_info_by_name(
            pulse->context(), utf8Name.constData(),
            [](pa_context*, const pa_source_info* info, int eol, void* userdata) {
                auto* input = static_cast<Input*>(userdata);
                if (eol == 0 && info) {
                    if (!input->lookupFound) {
                        input->lookupFound = true;
                        input->open(*info);
                    }
                } else if (!input->lookupFound) {
                    // A source the server does not know means the default input, silently.
                    if (input->isOnChosen)
                        input->openDefault();
                    else
                        input->reportStarted(false);
                }
            },
            this));
    }

    void open(const pa_source_info& source)
    {
        const QString name = QString::fromUtf8(source.name);
        if (source.monitor_of_sink != PA_INVALID_INDEX) {
            if (isOnChosen) {
                giveUpOnChosen(PA_ERR_NOTSUPPORTED);
            } else {
                // Mixing a monitor back in would double what the computer plays.
                qCInfo(lcMicBuffer, "Default input %s is a monitor, not a microphone", qUtf8Printable(name));
                reportStarted(false);
            }
            return;
        }
        qCInfo(lcMicBuffer, "Installing tap, native format: %fHz %uch", double(source.sample_spec.rate),
            unsigned(source.sample_spec.channels));
        isOnMicrophone = true;
        stream.open(name);
    }

    void giveUpOnChosen(int status)
    {
        qCCritical(lcMicBuffer, "Failed to set mic device %s, using default (status: %d)",
            qUtf8Printable(chosenSource.value_or(QString())), status);
        openDefault();
    }

    void streamReady() override
    {
        isRunning = true;
        reportStarted(true);
    }

    void streamEnded(const QString& reason, bool wasReady) override
    {
        isRunning = false;
        if (!wasReady) {
            if (isOnChosen)
                giveUpOnChosen(PA_ERR_UNKNOWN);
            else
                reportStarted(false);
            return;
        }
        if (isOnChosen) {
            // Unplugged mid-call: the call goes on with the default input.
            qCWarning(lcMicBuffer, "Microphone %s is gone; using the default input",
                qUtf8Printable(chosenSource.value_or(QString())));
            openDefault();
        } else {
            qCWarning(lcMicBuffer, "Microphone stream ended: %s", qUtf8Printable(reason));
        }
    }

    // The server moves the stream itself when its source goes away, maybe
    // onto an output's monitor: mixed in, it would double what the computer
    // plays, so it stays silent until its kind is known.
    void streamMoved(const QString& moved) override
    {
        isOnMicrophone = false;
        if (!isOnChosen || !chosenSource || moved == *chosenSource)
            return;
        const QByteArray chosen = chosenSource->toUtf8();
        track(pa_context_get_source_info_by_name(
            pulse->context(), chosen.constData(),
            [](pa_context*, const pa_source_info* info, int eol, void* data) {
                auto* self = static_cast<Input*>(data);
                if (eol < 0 && !info && self->isOnChosen) {
                    self->isOnChosen = false;
                    qCWarning(lcMicBuffer, "Microphone %s is gone; using the default input",
                        qUtf8Printable(self->chosenSource.value_or(QString())));
                }
            },
            this));
    }

    void sourceKindKnown(bool isWanted, const QString& movedTo) override
    {
        isOnMicrophone = isWanted;
        if (isOnMicrophone) {
            hasReportedNoMicrophone = false;
        } else if (!hasReportedNoMicrophone) {
            hasReportedNoMicrophone = true;
            qCWarning(lcMicBuffer,
                "No microphone left (the server moved the stream to %s); the microphone is silent until one appears",
                qUtf8Printable(movedTo));
        }
    }

    void samplesRead(const qint16* samples, size_t count) override
    {
        if (!samples) {
            silence.assign(count, 0);
            samples = silence.data();
        }
        owner->handleBlock({samples, qsizetype(count)});
    }

    // A silenced microphone moves to the chosen source or the default input
    // as soon as one that is a microphone appears; one that found none (a
    // sound server that came back without its inputs yet) opens then.
    void watchInputs()
    {
        watch.onChange([this](int facility, int type, quint32) {
            if (facility != PA_SUBSCRIPTION_EVENT_SERVER
                && (facility != PA_SUBSCRIPTION_EVENT_SOURCE || type != PA_SUBSCRIPTION_EVENT_NEW))
                return;
            if (!stream.isOpen() && hasReportedStart)
                openChosen();
            else if (!isOnMicrophone && stream.isReady())
                findMicrophone();
        });
    }

    void findMicrophone()
    {
        if (!chosenSource) {
            moveToDefaultInput();
            return;
        }
        const QByteArray name = chosenSource->toUtf8();
        track(pa_context_get_source_info_by_name(
            pulse->context(), name.constData(),
            [](pa_context*, const pa_source_info* source, int eol, void* userdata) {
                auto* input = static_cast<Input*>(userdata);
                if (eol == 0 && source) {
                    if (!input->moveIfMicrophone(*source, true))
                        input->moveToDefaultInput();
                } else if (eol < 0) {
                    input->moveToDefaultInput();
                }
            },
            this));
    }

    void moveToDefaultInput()
    {
        track(pa_context_get_server_info(
            pulse->context(),
            [](pa_context* context, const pa_server_info* info, void* userdata) {
                if (!info || !info->default_source_name || !*info->default_source_name)
                    return;
                static_cast<Input*>(userdata)->track(pa_context_get_source_info_by_name(
                    context, info->default_source_name,
                    [](pa_context*, const pa_source_info* source, int eol, void* data) {
                        if (eol == 0 && source)
                            static_cast<Input*>(data)->moveIfMicrophone(*source, false);
                    },
                    userdata));
            },
            this));
    }

    // False when the source is an output's monitor.
    bool moveIfMicrophone(const pa_source_info& source, bool chosen)
    {
        if (source.monitor_of_sink != PA_INVALID_INDEX)
            return false;
        if (!stream.isReady() || isOnMicrophone)
            return true;
        isOnChosen = chosen;
        qCInfo(lcMicBuffer, "Microphone input is now %s", source.name);
        track(pa_context_move_source_output_by_index(pulse->context(), stream.index(), source.index, nullptr, nullptr));
        return true;
    }

    MicEngine* owner;
    PulseEngine* pulse;
    const std::optional<QString> chosenSource;
    PulseRecordStream stream;
    PulseEngine::Timer* deadline = nullptr;
    PulseOperations operations;
    QPromise<bool> startedPromise;
    bool hasReportedStart = false;
    bool isClosed = false;
    bool isOnChosen = false;
    bool lookupFound = false;
    bool isOnMicrophone = true;
    bool hasReportedNoMicrophone = false;
    PulseEngine::Watch watch;
    std::atomic<bool> isRunning{false};
    std::vector<qint16> silence;
};

MicEngine::MicEngine(std::optional<QString> server)
    : m_server(std::move(server))
{ }

MicEngine::~MicEngine()
{
    stopEngine();
}

QCoro::Task<bool> MicEngine::startEngine()
{
    if (m_input) {
        bool hasFailed = false;
        {
            PulseEngine::Lock lock(*m_pulse);
            // Waiting for a restarted sound server is not a failure.
            hasFailed = m_input->hasReportedStart && !m_input->isRunning.load() && m_pulse->isConnected();
        }
        // A running engine, or one still starting, stays; a failed one is
        // tried again.
        if (!hasFailed)
            co_return isEngineRunning();
        stopEngine();
    }
    const std::weak_ptr<int> alive = m_alive;
    if (!m_pulse || m_pulse->hasFailed())
        m_pulse = PulseEngine::shared(m_server);
    auto input = std::make_shared<Input>(this, m_pulse.get(), m_selectedDeviceUID);
    m_input = input;
    const std::weak_ptr<Input> self = input;
    const QFuture<bool> started = input->start(self);
    input.reset();
    const bool isStarted = co_await started;
    if (alive.expired() || self.expired())
        co_return false;
    co_return isStarted;
}

void MicEngine::stopEngine()
{
    if (m_input) {
        {
            PulseEngine::Lock lock(*m_pulse);
            m_input->close();
        }
        m_input.reset();
    }
    m_buffer.clear();
}

bool MicEngine::isEngineRunning() const
{
    return m_input && m_input->isRunning.load();
}

QString MicEngine::engineSourceName() const
{
    const std::shared_ptr<Input> input = m_input;
    if (!input || !input->isRunning.load())
        return {};
    return input->stream.sourceName();
}

void MicEngine::handleBlock(const AudioBlock& block)
{
    if (!isEnabled())
        return;
    const auto data = toPCM16(block);
    if (!data)
        return;
    ++m_tapCallCount;
    if (m_tapCallCount % 50 == 1)
        qCInfo(lcMicBuffer, "Mic tap: %ld bytes (call #%ld)", long(data->size()), long(m_tapCallCount));
    m_buffer.append(*data);
}

} // namespace tolvaran
