#include "PrivateSoundServer.h"
#include "SoundServer.h"
#include "SpeechPlayer.h"
#include "audio/MicEngine.h"

#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>

using namespace tolvaran;

namespace {

QByteArray numbered(qsizetype size, int start = 0)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((start + i) % 251);
    return bytes;
}

QList<qint16> samplesOf(const QByteArray& pcm)
{
    QList<qint16> samples;
    for (qsizetype i = 0; i + 1 < pcm.size(); i += 2)
        samples.append(qint16(quint16(uchar(pcm[i]) | (uchar(pcm[i + 1]) << 8))));
    return samples;
}

// Frequency from the upward zero crossings, in Hz of the 16 kHz stream.
double frequencyOf(const QList<qint16>& samples)
{
    int crossings = 0;
    for (qsizetype i = 1; i < samples.size(); ++i) {
        if (samples[i - 1] < 0 && samples[i] >= 0)
            ++crossings;
    }
    return crossings * 16000.0 / double(samples.size());
}

} // namespace

class TestMicEngine : public QObject
{
    Q_OBJECT

private slots:

    void take_data()
    {
        QTest::addColumn<int>("buffered");
        QTest::addColumn<int>("request");
        QTest::addColumn<int>("taken");

        QTest::newRow("more than buffered") << 60 << 100 << 60;
        QTest::newRow("empty buffer") << 0 << 100 << 0;
        QTest::newRow("less than buffered") << 100 << 60 << 60;
        QTest::newRow("nothing asked") << 100 << 0 << 0;
        QTest::newRow("negative ask") << 100 << -4 << 0;
    }

    void take()
    {
        QFETCH(int, buffered);
        QFETCH(int, request);
        QFETCH(int, taken);
        MicBuffer mic;
        mic.append(numbered(buffered));
        const QByteArray first = mic.take(request);
        QCOMPARE(first, numbered(taken));
        QCOMPARE(mic.bufferedBytes(), qsizetype(buffered - taken));
        QCOMPARE(mic.take(1000), numbered(buffered - taken, taken));
    }

    void bufferKeepsTheNewestTwoSeconds()
    {
        MicBuffer mic;
        const QByteArray all = numbered(70000 + 2730 * 30);
        for (qsizetype offset = 0; offset < all.size(); offset += 2730)
            mic.append(all.mid(offset, 2730));
        QCOMPARE(mic.bufferedBytes(), MicBuffer::maxBufferedBytes);
        // Whole samples are dropped, so the bytes keep their pairing.
        QCOMPARE(mic.take(MicBuffer::maxBufferedBytes), all.right(MicBuffer::maxBufferedBytes));

        MicEngine engine;
        engine.buffer().append(numbered(10));
        engine.stopEngine();
        QCOMPARE(engine.buffer().bufferedBytes(), 0);
    }

    void convert_data()
    {
        QTest::addColumn<QList<int>>("samples");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("full scale") << QList<int>{32767, -32768} << QByteArray::fromHex("ff7f0080");
        QTest::newRow("order and length kept") << QList<int>{1, -1, 16383} << QByteArray::fromHex("0100ffffff3f");
        QTest::newRow("a 100 ms block") << QList<int>(1600, -8191) << QByteArray::fromHex("01e0").repeated(1600);
    }

    // The stream delivers the wire format itself: the block's samples go
    // into the buffer as they are.
    void convert()
    {
        QFETCH(QList<int>, samples);
        QFETCH(QByteArray, bytes);
        std::vector<qint16> block;
        for (const int sample : samples) {
            block.push_back(0);
            qToLittleEndian<qint16>(qint16(sample), &block.back());
        }
        QCOMPARE(toPCM16({block.data(), qsizetype(block.size())}), bytes);
        MicEngine mic;
        mic.handleBlock({block.data(), qsizetype(block.size())});
        QCOMPARE(mic.buffer().bufferedBytes(), 0);
        mic.setEnabled(true);
        mic.handleBlock({block.data(), qsizetype(block.size())});
        QCOMPARE(mic.buffer().take(MicBuffer::maxBufferedBytes), bytes);
    }

    void convertRefuses_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("hasData");

        QTest::newRow("no samples") << 0 << true;
        QTest::newRow("no data") << 16 << false;
        QTest::newRow("a negative count") << -2 << true;
    }

    void convertRefuses()
    {
        QFETCH(int, count);
        QFETCH(bool, hasData);
        const std::vector<qint16> samples(16, 100);
        QVERIFY(!toPCM16({hasData ? samples.data() : nullptr, count}));
    }

    void engineRecordsTheMicrophone()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QTemporaryDir dir;
        const QString speech = test::makeSpeech(dir.path(), "mic", "Testing the microphone, one two three.");
        QVERIFY(!speech.isEmpty());

        MicEngine mic;
        mic.setEnabled(true);
        QVERIFY(QCoro::waitFor(mic.startEngine()));
        QVERIFY(mic.isEngineRunning());
        QCOMPARE(mic.engineSourceName(), test::microphoneSource);
        // A second start keeps the running engine and its source.
        mic.setSelectedDeviceUID(test::speakerSink + ".monitor");
        QVERIFY(QCoro::waitFor(mic.startEngine()));
        QCOMPARE(mic.engineSourceName(), test::microphoneSource);

        QVERIFY(test::playInto(test::microphoneSink, speech));
        QTRY_VERIFY(mic.buffer().bufferedBytes() > 16000);
        QVERIFY(mic.buffer().bufferedBytes() <= MicBuffer::maxBufferedBytes);
        QVERIFY(mic.buffer().bufferedBytes() % 2 == 0);
        QVERIFY2(test::peakOf(mic.buffer().take(MicBuffer::maxBufferedBytes)) > 1000, "speech must reach the buffer");

        mic.setEnabled(false);
        mic.buffer().take(MicBuffer::maxBufferedBytes);
        QVERIFY(test::playInto(test::microphoneSink, speech));
        QVERIFY(!QTest::qWaitFor([&] { return mic.buffer().bufferedBytes() > 0; }, 300));

        mic.setEnabled(true);
        mic.buffer().append(QByteArray(100, 'x'));
        mic.stopEngine();
        QVERIFY(!mic.isEngineRunning());
        QCOMPARE(mic.buffer().bufferedBytes(), 0);
    }

    void unusableDeviceFallsBackToTheDefaultInput_data()
    {
        QTest::addColumn<QString>("device");

        QTest::newRow("unknown source") << QStringLiteral("no_such_source");
        QTest::newRow("a monitor") << test::speakerSink + ".monitor";
        QTest::newRow("the microphone itself") << test::microphoneSource;
    }

    void unusableDeviceFallsBackToTheDefaultInput()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QFETCH(QString, device);
        MicEngine mic;
        mic.setSelectedDeviceUID(device);
        QVERIFY(QCoro::waitFor(mic.startEngine()));
        QVERIFY(mic.isEngineRunning());
        QCOMPARE(mic.engineSourceName(), test::microphoneSource);
    }

    void absentServerLeavesTheEngineStopped()
    {
        MicEngine mic(QStringLiteral("unix:/nonexistent/native"));
        mic.setEnabled(true);
        QVERIFY(!QCoro::waitFor(mic.startEngine()));
        QVERIFY(!mic.isEngineRunning());
        QCOMPARE(mic.buffer().take(10), QByteArray());
    }

    // A microphone at 48 or 44.1 kHz reaches the buffer through the sound
    // server's resampler: a tone above 8 kHz is filtered out rather than
    // folded back into speech, and a tone below keeps its pitch and level.
    void microphoneArrivesAt16kHz_data()
    {
        QTest::addColumn<int>("deviceRate");
        QTest::addColumn<int>("tone");

        QTest::newRow("1 kHz at 48 kHz") << 48000 << 1000;
        QTest::newRow("10 kHz at 48 kHz") << 48000 << 10000;
        QTest::newRow("10 kHz at 44.1 kHz") << 44100 << 10000;
    }

    void microphoneArrivesAt16kHz()
    {
        QFETCH(int, deviceRate);
        QFETCH(int, tone);
        test::PrivateSoundServer server;
        const QString problem = server.start();
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        // A sine of amplitude 0.5.
        QVERIFY(server.pactl({"load-module", "module-sine-source", "source_name=sine_mic",
            QStringLiteral("rate=%1").arg(deviceRate), QStringLiteral("frequency=%1").arg(tone)}));

        MicEngine mic(server.server());
        mic.setEnabled(true);
        mic.setSelectedDeviceUID(QStringLiteral("sine_mic"));
        QVERIFY(QCoro::waitFor(mic.startEngine()));
        QCOMPARE(mic.engineSourceName(), QStringLiteral("sine_mic"));
        // The filter's first samples settle; what follows counts.
        QTRY_VERIFY_WITH_TIMEOUT(mic.buffer().bufferedBytes() >= 8000, 10000);
        mic.buffer().take(8000);
        QTRY_VERIFY_WITH_TIMEOUT(mic.buffer().bufferedBytes() >= 32000, 10000);
        const QList<qint16> samples = samplesOf(mic.buffer().take(32000));
        mic.stopEngine();

        int peak = 0;
        for (const qint16 sample : samples)
            peak = std::max(peak, std::abs(int(sample)));
        if (tone > 8000) {
            // -40 dB of full scale.
            QVERIFY2(
                peak < 328, qPrintable(QStringLiteral("a tone the stream cannot carry came through at %1").arg(peak)));
        } else {
            QVERIFY2(std::abs(peak - 16383) < 1700, qPrintable(QStringLiteral("peak %1").arg(peak)));
            const double frequency = frequencyOf(samples);
            QVERIFY2(std::abs(frequency - tone) < tone * 0.02, qPrintable(QStringLiteral("%1 Hz").arg(frequency)));
        }
    }

    // Three minutes of microphone in the pieces the server hands over: every
    // sample reaches the mix, so the microphone never slides against the
    // system audio in a long call.
    void noSampleIsLost()
    {
        MicEngine mic;
        mic.setEnabled(true);
        const std::vector<qint16> samples(4096, 8191);
        const qsizetype pieces[] = {1600, 1597, 441, 4096, 1, 3};
        qsizetype frames = 0;
        qsizetype bytes = 0;
        for (int i = 0; frames < 180 * 16000; ++i) {
            const qsizetype piece = pieces[i % std::size(pieces)];
            mic.handleBlock({samples.data(), piece});
            frames += piece;
            bytes += mic.buffer().take(MicBuffer::maxBufferedBytes).size();
        }
        QCOMPARE(bytes, frames * 2);
    }
};

QTEST_GUILESS_MAIN(TestMicEngine)
#include "tst_MicEngine.moc"
