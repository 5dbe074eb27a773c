#include "SpeechPlayer.h"
#include "audio/AudioCaptureService.h"
#include "audio/capture/PcmFramer.h"
#include "protocol/StreamHeader.h"

#include <QTest>
#include <QtEndian>

#include <vector>

using namespace tolvaran;

namespace {

QByteArray pcm(std::initializer_list<int> samples)
{
    QByteArray bytes;
    for (const int sample : samples) {
        const auto bits = quint16(qint16(sample));
        bytes.append(char(bits & 0xFF));
        bytes.append(char(bits >> 8));
    }
    return bytes;
}

// Little-endian samples of one value, as the sound server hands them over.
std::vector<qint16> filled(qsizetype count, int value)
{
    std::vector<qint16> samples(size_t(count), 0);
    for (qint16& sample : samples)
        qToLittleEndian<qint16>(qint16(value), &sample);
    return samples;
}

} // namespace

class TestPcmFramer : public QObject
{
    Q_OBJECT

private slots:

    void mixing_data()
    {
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QByteArray>("mic");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<int>("micLeft");

        QTest::newRow("saturates up") << pcm({30000}) << pcm({10000}) << pcm({32767}) << 0;
        QTest::newRow("saturates down") << pcm({-30000}) << pcm({-10000}) << pcm({-32768}) << 0;
        QTest::newRow("full scale both ways")
            << pcm({32767, -32768}) << pcm({32767, -32768}) << pcm({32767, -32768}) << 0;
        QTest::newRow("plain sum") << pcm({100}) << pcm({-300}) << pcm({-200}) << 0;
        QTest::newRow("microphone shorter than the chunk")
            << pcm({1, 2, 3, 4}) << pcm({10, 20}) << pcm({11, 22, 3, 4}) << 0;
        QTest::newRow("nothing buffered") << pcm({5, -5}) << QByteArray() << pcm({5, -5}) << 0;
        QTest::newRow("more buffered stays for the next chunk") << pcm({1, 1}) << pcm({2, 2, 7, 7}) << pcm({3, 3}) << 4;
    }

    void mixing()
    {
        QFETCH(QByteArray, system);
        QFETCH(QByteArray, mic);
        QFETCH(QByteArray, expected);
        QFETCH(int, micLeft);
        AudioCaptureService service;
        PcmFramer framer(service, service.micEngine());
        service.micEngine().buffer().append(mic);
        QCOMPARE(framer.mixMicIntoSystemAudio(system), expected);
        QCOMPARE(service.micEngine().buffer().bufferedBytes(), micLeft);
    }

    void framing_data()
    {
        QTest::addColumn<int>("samples");

        QTest::newRow("20 ms, as the clock hands on") << 320;
        QTest::newRow("a single sample") << 1;
        QTest::newRow("100 ms") << 1600;
    }

    // The first chunk after a start carries the header; the recorder gets
    // every chunk without it; the microphone joins only while enabled.
    void framing()
    {
        QFETCH(int, samples);
        AudioCaptureService service;
        PcmFramer framer(service, service.micEngine());
        QList<QByteArray> chunks;
        QList<QByteArray> recorded;
        service.onAudioData = [&](const QByteArray& chunk) { chunks.append(chunk); };
        service.onPCMDataForRecording = [&](const QByteArray& chunk) { recorded.append(chunk); };
        const std::vector<qint16> quarter = filled(samples, 8191);
        const AudioBlock buffer{quarter.data(), samples};

        // A block without samples is dropped and keeps the header for later.
        framer.frame({quarter.data(), 0});
        framer.frame({nullptr, samples});
        QCOMPARE(chunks.size(), 0);

        framer.frame(buffer);
        framer.frame(buffer);
        QCOMPARE(chunks.size(), 2);
        const QByteArray header = StreamHeader::write();
        QCOMPARE(chunks[0].size(), 44 + samples * 2);
        QVERIFY(chunks[0].startsWith(header));
        QCOMPARE(chunks[1].size(), samples * 2);
        QCOMPARE(chunks[1].left(2), pcm({8191}));
        QCOMPARE(recorded, QList<QByteArray>({chunks[1], chunks[1]}));
        QCOMPARE(test::peakOf(chunks[1]), 8191);

        // The microphone joins the mix only while enabled.
        service.micEngine().buffer().append(pcm({1000, 1000}));
        framer.frame(buffer);
        QCOMPARE(chunks.last(), chunks[1]);
        service.setMicEnabled(true);
        framer.frame(buffer);
        const QByteArray mixed = pcm({9191, 9191, 8191}).left(std::min(6, samples * 2));
        QCOMPARE(chunks.last().left(mixed.size()), mixed);

        // A new start sends the header again.
        framer.restart();
        framer.frame(buffer);
        QVERIFY(chunks.last().startsWith(header));
    }
};

QTEST_GUILESS_MAIN(TestPcmFramer)
#include "tst_PcmFramer.moc"
