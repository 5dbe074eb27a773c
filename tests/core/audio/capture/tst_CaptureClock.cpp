#include "SpeechPlayer.h"
#include "audio/capture/CaptureClock.h"

#include <QTest>
#include <QtEndian>

#include <cmath>
#include <vector>

using namespace tolvaran;
using namespace std::chrono_literals;

namespace {

constexpr qsizetype bufferFrames = qsizetype(CaptureClock::bufferFrames);
// How far silence trails real time: the clock waits this long for the
// capture before it stands in.
constexpr qsizetype lagBuffers = qsizetype(CaptureClock::lagFrames / CaptureClock::bufferFrames);

// Little-endian samples, as the sound server hands them over.
std::vector<qint16> samplesOf(std::initializer_list<int> values)
{
    std::vector<qint16> samples;
    for (const int value : values) {
        qint16 sample = 0;
        qToLittleEndian<qint16>(qint16(value), &sample);
        samples.push_back(sample);
    }
    return samples;
}

std::vector<qint16> tone(size_t count, int amplitude = 8000)
{
    std::vector<qint16> samples(count);
    for (size_t i = 0; i < count; ++i)
        qToLittleEndian<qint16>(qint16(amplitude * std::sin(double(i) * 0.3)), samples.data() + i);
    return samples;
}

// A clock on a simulated time, and what it hands on.
struct Stream
{
    std::chrono::microseconds time{1000000};
    QList<QByteArray> buffers;
    CaptureClock clock{[this](const AudioBlock& buffer) { buffers.append(*toPCM16(buffer)); }, [this] { return time; }};

    // Time passes in 20 ms steps; the clock's timer fires whenever it is due.
    void run(std::chrono::microseconds duration, const std::function<void()>& eachStep = {})
    {
        const auto end = time + duration;
        while (time < end) {
            time += 20ms;
            if (eachStep)
                eachStep();
            if (time >= clock.nextSilenceDue())
                clock.fillSilence();
        }
    }

    // The monitor delivers a fragment every 100 ms, as the sound server does.
    void runWithMonitor(std::chrono::microseconds duration)
    {
        const std::vector<qint16> fragment = tone(CaptureClock::fragmentFrames);
        int step = 0;
        run(duration, [&] {
            if (++step % int(CaptureClock::fragmentBuffers) == 0)
                clock.append(fragment.data(), fragment.size());
        });
    }

    qsizetype silentBuffers(qsizetype from = 0) const
    {
        qsizetype silent = 0;
        for (qsizetype i = from; i < buffers.size(); ++i)
            silent += test::peakOf(buffers[i]) == 0;
        return silent;
    }
};

} // namespace

class TestCaptureClock : public QObject
{
    Q_OBJECT

private slots:

    void silenceKeepsRealTime_data()
    {
        QTest::addColumn<int>("milliseconds");

        QTest::newRow("a second") << 1000;
        QTest::newRow("three seconds") << 3000;
        QTest::newRow("ten minutes") << 600 * 1000;
    }

    // Whether the monitor delivers silence or nothing at all, the stream
    // carries wall-clock time, trailing it by the wait for the capture.
    void silenceKeepsRealTime()
    {
        QFETCH(int, milliseconds);
        Stream stream;
        stream.clock.start();
        stream.run(std::chrono::milliseconds(milliseconds));
        QCOMPARE(stream.buffers.size(), milliseconds / 20 - lagBuffers);
        QCOMPARE(stream.silentBuffers(), stream.buffers.size());
        for (const QByteArray& buffer : std::as_const(stream.buffers))
            QCOMPARE(buffer.size(), 640);
    }

    // What the monitor delivers goes out as it comes, a fragment at a time,
    // and silence never stands in for it.
    void deliveredAudioKeepsRealTime()
    {
        Stream stream;
        stream.clock.start();
        stream.runWithMonitor(10s);
        QCOMPARE(stream.buffers.size(), 500);
        QCOMPARE(stream.silentBuffers(), 0);
        // Half a fragment waits for the rest.
        const std::vector<qint16> half = tone(CaptureClock::fragmentFrames / 2);
        stream.clock.append(half.data(), half.size());
        QCOMPARE(stream.buffers.size(), 500);
    }

    void lag_data()
    {
        QTest::addColumn<int>("stallMilliseconds");
        QTest::addColumn<bool>("silenceStandsIn");

        QTest::newRow("a late fragment is waited for") << 100 << false;
        QTest::newRow("at the limit") << 140 << false;
        QTest::newRow("beyond the limit") << 400 << true;
    }

    // The monitor stalls for a while: within the lag allowed, its audio is
    // waited for; beyond, silence stands in and the stream keeps time.
    void lag()
    {
        QFETCH(int, stallMilliseconds);
        QFETCH(bool, silenceStandsIn);
        Stream stream;
        stream.clock.start();
        stream.runWithMonitor(1s);
        stream.run(std::chrono::milliseconds(stallMilliseconds));
        const std::vector<qint16> late = tone(CaptureClock::fragmentFrames);
        stream.clock.append(late.data(), late.size());
        stream.runWithMonitor(1s);
        QCOMPARE(stream.silentBuffers() > 0, silenceStandsIn);
        // Late audio beyond real time is dropped rather than run ahead.
        QVERIFY2(stream.buffers.size() <= 100 + stallMilliseconds / 20 + 5,
            qPrintable(QString::number(stream.buffers.size())));
        QVERIFY2(stream.buffers.size() >= 100 + stallMilliseconds / 20 - lagBuffers,
            qPrintable(QString::number(stream.buffers.size())));
    }

    void leadIsCapped_data()
    {
        QTest::addColumn<int>("burstMilliseconds");
        QTest::addColumn<int>("delivered");

        QTest::newRow("a burst within the lead") << 100 << 5;
        QTest::newRow("a two-second burst")
            << 2000 << int(CaptureClock::maxLeadFrames / CaptureClock::bufferFrames) + 1;
    }

    // A burst (a server that held audio back) runs ahead of real time by at
    // most the lead allowed; the rest is dropped.
    void leadIsCapped()
    {
        QFETCH(int, burstMilliseconds);
        QFETCH(int, delivered);
        Stream stream;
        stream.clock.start();
        const std::vector<qint16> burst = tone(size_t(burstMilliseconds) * 16);
        stream.clock.append(burst.data(), burst.size());
        stream.clock.deliverHeld();
        QCOMPARE(stream.buffers.size(), delivered);
        QCOMPARE(stream.clock.deliveredFrames(), quint64(delivered) * CaptureClock::bufferFrames);
    }

    // The sound server goes away for five seconds: silence keeps time while
    // it is away, and what the monitor gives after its return goes on the
    // same count.
    void outageKeepsTime()
    {
        Stream stream;
        stream.clock.start();
        stream.runWithMonitor(2s);
        const qsizetype atLoss = stream.buffers.size();
        QCOMPARE(atLoss, 100);
        stream.run(5s);
        const qsizetype duringOutage = stream.buffers.size() - atLoss;
        QCOMPARE(stream.silentBuffers(atLoss), duringOutage);
        QVERIFY2(duringOutage >= 250 - lagBuffers && duringOutage <= 250, qPrintable(QString::number(duringOutage)));
        const qsizetype atReturn = stream.buffers.size();
        stream.runWithMonitor(2s);
        // Silence goes on until the first fragment after the return, never after it.
        QVERIFY(stream.silentBuffers(atReturn) < qsizetype(CaptureClock::fragmentBuffers));
        QCOMPARE(stream.silentBuffers(atReturn + qsizetype(CaptureClock::fragmentBuffers)), 0);
        const qsizetype maxLeadBuffers = qsizetype(CaptureClock::maxLeadFrames / CaptureClock::bufferFrames);
        QVERIFY2(stream.buffers.size() >= 450 - lagBuffers && stream.buffers.size() <= 450 + maxLeadBuffers,
            qPrintable(QString::number(stream.buffers.size())));
    }

    void scopeChangeContinues_data()
    {
        QTest::addColumn<bool>("newStreamStarts");

        QTest::newRow("new stream delivering at once") << true;
        QTest::newRow("new stream silent") << false;
    }

    // A change of scope hands the stream over: the new session's clock goes
    // on from what the old one delivered, without a burst or a gap beyond
    // the start-up wait that each new stream is given.
    void scopeChangeContinues()
    {
        QFETCH(bool, newStreamStarts);
        Stream stream;
        stream.clock.start();
        stream.runWithMonitor(2s);
        const std::vector<qint16> partial = tone(CaptureClock::bufferFrames * 2);
        stream.clock.append(partial.data(), partial.size());
        // The old session hands on what it holds.
        stream.clock.deliverHeld();
        const quint64 handedOver = stream.clock.deliveredFrames();
        QCOMPARE(stream.buffers.size(), 102);

        Stream next;
        next.time = stream.time;
        next.clock.start(handedOver);
        if (newStreamStarts)
            next.runWithMonitor(2s);
        else
            next.run(2s);
        const qint64 total = qint64(handedOver / CaptureClock::bufferFrames) + next.buffers.size();
        QVERIFY2(total >= 200 - lagBuffers && total <= 202 + 1, qPrintable(QString::number(total)));
        QCOMPARE(next.clock.deliveredFrames(), quint64(total) * CaptureClock::bufferFrames);
    }

    void mixing_data()
    {
        QTest::addColumn<std::vector<qint16>>("first");
        QTest::addColumn<std::vector<qint16>>("second");
        QTest::addColumn<std::vector<qint16>>("expected");

        QTest::newRow("sums") << samplesOf({100, -50}) << samplesOf({-300, 50}) << samplesOf({-200, 0});
        QTest::newRow("saturates up") << samplesOf({30000}) << samplesOf({10000}) << samplesOf({32767});
        QTest::newRow("saturates down") << samplesOf({-30000}) << samplesOf({-10000}) << samplesOf({-32768});
        QTest::newRow("full scale twice")
            << samplesOf({32767, -32768}) << samplesOf({32767, -32768}) << samplesOf({32767, -32768});
        QTest::newRow("a shorter stream") << samplesOf({1, 2, 3}) << samplesOf({10}) << samplesOf({11, 2, 3});
    }

    // Application streams are summed at their own places and saturated only
    // on the way out, so neither wraps nor cuts off the other.
    void mixing()
    {
        QFETCH(std::vector<qint16>, first);
        QFETCH(std::vector<qint16>, second);
        QFETCH(std::vector<qint16>, expected);
        Stream stream;
        stream.clock.start();
        const quint64 at = stream.clock.heldFrom();
        stream.clock.mixIn(at, first.data(), first.size());
        stream.clock.mixIn(at, second.data(), second.size());
        // A hole counts as silence.
        stream.clock.mixIn(at, nullptr, CaptureClock::bufferFrames);
        stream.clock.deliverHeld();
        QCOMPARE(stream.buffers.size(), 1);
        const QByteArray out = stream.buffers.first();
        QCOMPARE(out.left(qsizetype(expected.size()) * 2),
            QByteArray(reinterpret_cast<const char*>(expected.data()), qsizetype(expected.size()) * 2));
        QCOMPARE(test::peakOf(out.mid(qsizetype(expected.size()) * 2)), 0);
    }

    // A stream whose place has gone out already joins at the first held sample.
    void lateStreamJoinsAtTheFront()
    {
        Stream stream;
        stream.clock.start();
        const std::vector<qint16> buffer = tone(CaptureClock::bufferFrames);
        const quint64 end = stream.clock.mixIn(0, buffer.data(), buffer.size());
        QCOMPARE(end, quint64(CaptureClock::bufferFrames));
        stream.clock.deliverHeld();
        QCOMPARE(stream.clock.heldFrom(), quint64(CaptureClock::bufferFrames));
        const quint64 late = stream.clock.mixIn(0, buffer.data(), 10);
        QCOMPARE(late, quint64(CaptureClock::bufferFrames) + 10);
        QCOMPARE(stream.clock.heldEnd(), late);
    }
};

QTEST_GUILESS_MAIN(TestCaptureClock)
#include "tst_CaptureClock.moc"
