#include "SoundServer.h"
#include "SpeechPlayer.h"
#include "audio/MicBuffer.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tolvaran;

namespace {

QByteArray numbered(qsizetype size, int start = 0)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (qsizetype i = 0; i < size; ++i)
        bytes[i] = char((start + i) % 251);
    return bytes;
}

} // namespace

class TestMicBuffer : public QObject
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

        mic.append(numbered(10));
        mic.stopEngine();
        QCOMPARE(mic.bufferedBytes(), 0);
    }

    void convert_data()
    {
        QTest::addColumn<std::vector<float>>("samples");
        QTest::addColumn<int>("channels");
        QTest::addColumn<double>("rate");
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("firstSample");

        QTest::newRow("48 kHz block of 4096") << std::vector<float>(4096, 0.5f) << 1 << 48000.0 << 2730 << 16383;
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
        const auto pcm = MicBuffer::convertAVBufferToPCM16(
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
        QVERIFY(!MicBuffer::convertAVBufferToPCM16({hasData ? samples.data() : nullptr, frames, 1, rate}, 16000));
    }

    void engineRecordsTheMicrophone()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QTemporaryDir dir;
        const QString speech = test::makeSpeech(dir.path(), "mic", "Testing the microphone, one two three.");
        QVERIFY(!speech.isEmpty());

        MicBuffer mic;
        mic.setEnabled(true);
        QVERIFY(QCoro::waitFor(mic.startEngine()));
        QVERIFY(mic.isEngineRunning());
        QCOMPARE(mic.engineSourceName(), test::microphoneSource);
        // A second start keeps the running engine and its source.
        mic.setSelectedDeviceUID(test::speakerSink + ".monitor");
        QVERIFY(QCoro::waitFor(mic.startEngine()));
        QCOMPARE(mic.engineSourceName(), test::microphoneSource);

        QVERIFY(test::playInto(test::microphoneSink, speech));
        QTRY_VERIFY(mic.bufferedBytes() > 16000);
        QVERIFY(mic.bufferedBytes() <= MicBuffer::maxBufferedBytes);
        QVERIFY(mic.bufferedBytes() % 2 == 0);
        QVERIFY2(test::peakOf(mic.take(MicBuffer::maxBufferedBytes)) > 1000, "speech must reach the buffer");

        mic.setEnabled(false);
        mic.take(MicBuffer::maxBufferedBytes);
        QVERIFY(test::playInto(test::microphoneSink, speech));
        QTest::qWait(300);
        QCOMPARE(mic.bufferedBytes(), 0);

        mic.setEnabled(true);
        mic.append(QByteArray(100, 'x'));
        mic.stopEngine();
        QVERIFY(!mic.isEngineRunning());
        QCOMPARE(mic.bufferedBytes(), 0);
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
        MicBuffer mic;
        mic.setSelectedDeviceUID(device);
        QVERIFY(QCoro::waitFor(mic.startEngine()));
        QVERIFY(mic.isEngineRunning());
        QCOMPARE(mic.engineSourceName(), test::microphoneSource);
    }

    void absentServerLeavesTheEngineStopped()
    {
        MicBuffer mic(QStringLiteral("unix:/nonexistent/native"));
        mic.setEnabled(true);
        QVERIFY(!QCoro::waitFor(mic.startEngine()));
        QVERIFY(!mic.isEngineRunning());
        QCOMPARE(mic.take(10), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestMicBuffer)
#include "tst_MicBuffer.moc"
