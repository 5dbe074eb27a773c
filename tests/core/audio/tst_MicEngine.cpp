#include "PrivateSoundServer.h"
#include "SoundServer.h"
#include "SpeechPlayer.h"
#include "audio/MicEngine.h"

#include <QTemporaryDir>
#include <QTest>

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
        QTest::addColumn<std::vector<float>>("samples");
        QTest::addColumn<int>("channels");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("firstSample");

        QTest::newRow("48 kHz block of 4096") << std::vector<float>(4096, 0.5f) << 1 << 48000.0 << 2730 << 16383;
        QTest::newRow("16 kHz mono, as the stream delivers")
            << std::vector<float>(1597, -0.25f) << 1 << 16000.0 << 3194 << -8191;
        QTest::newRow("44.1 kHz") << std::vector<float>(441, -0.5f) << 1 << 44100.0 << 320 << -16383;
        QTest::newRow("stereo averages") << std::vector<float>{0.2f, 0.4f, 0.2f, 0.4f, 0.2f, 0.4f} << 2 << 16000.0 << 6
                                         << 9830;
        QTest::newRow("four channels average the first two")
            << std::vector<float>{0.5f, 0.5f, -1.0f, -1.0f} << 4 << 16000.0 << 2 << 16383;
    }

    void convert()
    {
        QFETCH(std::vector<float>, samples);
        QFETCH(int, channels);
        QFETCH(double, rate);
        QFETCH(int, bytes);
        QFETCH(int, firstSample);
        const auto pcm = MicEngine::convertAVBufferToPCM16(
            {samples.data(), qsizetype(samples.size()) / channels, channels, rate}, 16000);
        QVERIFY(pcm);
        QCOMPARE(pcm->size(), bytes);
        QCOMPARE(int(qint16(quint16(uchar(pcm->at(0)) | (uchar(pcm->at(1)) << 8)))), firstSample);
    }

    void convertRefuses_data()
    {
        QTest::addColumn<int>("frames");
        QTest::addColumn<bool>("hasData");
        QTest::addColumn<double>("rate");

        QTest::newRow("no frames") << 0 << true << 48000.0;
        QTest::newRow("no data") << 16 << false << 48000.0;
        QTest::newRow("too short to resample") << 2 << true << 48000.0;
        QTest::newRow("no rate") << 16 << true << 0.0;
    }

    void convertRefuses()
    {
        QFETCH(int, frames);
        QFETCH(bool, hasData);
        QFETCH(double, rate);
        const std::vector<float> samples(16, 0.5f);
        QVERIFY(!MicEngine::convertAVBufferToPCM16({hasData ? samples.data() : nullptr, frames, 1, rate}, 16000));
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
        QTest::qWait(300);
        QCOMPARE(mic.buffer().bufferedBytes(), 0);

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
        const std::vector<float> samples(4096, 0.25f);
        const qsizetype pieces[] = {1600, 1597, 441, 4096, 1, 3};
        qsizetype frames = 0;
        qsizetype bytes = 0;
        for (int i = 0; frames < 180 * 16000; ++i) {
            const qsizetype piece = pieces[i % std::size(pieces)];
            mic.handleBlock({samples.data(), piece, 1, 16000});
            frames += piece;
            bytes += mic.buffer().take(MicBuffer::maxBufferedBytes).size();
        }
        QCOMPARE(bytes, frames * 2);
    }
};

QTEST_GUILESS_MAIN(TestMicEngine)
#include "tst_MicEngine.moc"
