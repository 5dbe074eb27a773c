#include "audio/AudioResampler.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace tolvaran;

using Samples = std::vector<float>;

class TestAudioResampler : public QObject
{
    Q_OBJECT

private slots:

    void downmixToMono_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<int>("channels");
        QTest::addColumn<Samples>("expected");

        QTest::newRow("stereo averages") << Samples{0.2f, 0.4f, 1.0f, -1.0f} << 2 << Samples{0.3f, 0.0f};
        QTest::newRow("mono copies all") << Samples{0.1f, 0.2f, 0.3f, 0.4f, 0.5f} << 1
                                         << Samples{0.1f, 0.2f, 0.3f, 0.4f, 0.5f};
        QTest::newRow("stereo drops a half frame")
            << Samples{0.5f, 0.5f, -0.5f, -0.5f, 0.9f} << 2 << Samples{0.5f, -0.5f};
        QTest::newRow("four channels use the first two")
            << Samples{0.5f, 0.1f, 1.0f, 1.0f, -0.2f, 0.0f, 1.0f, 1.0f} << 4 << Samples{0.3f, -0.1f};
        QTest::newRow("nothing") << Samples{} << 2 << Samples{};
        QTest::newRow("no channels") << Samples{0.5f, 0.5f} << 0 << Samples{};
    }

    void downmixToMono()
    {
        QFETCH(Samples, samples);
        QFETCH(int, channels);
        QFETCH(Samples, expected);
        const Samples mono = AudioResampler::downmixToMono(samples.data(), qsizetype(samples.size()), channels);
        QCOMPARE(mono.size(), expected.size());
        for (size_t i = 0; i < mono.size(); ++i)
            QVERIFY2(std::abs(mono[i] - expected[i]) < 1e-6f, qPrintable(QString::number(i)));
    }

    void resampleCounts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<int>("expected");

        QTest::newRow("1024 at 48 kHz") << 1024 << 48000.0 << 16000.0 << 341;
        QTest::newRow("960 at 48 kHz") << 960 << 48000.0 << 16000.0 << 320;
        QTest::newRow("4096 at 48 kHz") << 4096 << 48000.0 << 16000.0 << 1365;
        QTest::newRow("441 at 44.1 kHz") << 441 << 44100.0 << 16000.0 << 160;
        QTest::newRow("882 at 44.1 kHz") << 882 << 44100.0 << 16000.0 << 320;
        QTest::newRow("3 at 48 kHz") << 3 << 48000.0 << 16000.0 << 1;
        QTest::newRow("2 at 48 kHz") << 2 << 48000.0 << 16000.0 << 0;
        QTest::newRow("equal rates") << 7 << 16000.0 << 16000.0 << 7;
        QTest::newRow("zero source rate") << 10 << 0.0 << 16000.0 << 0;
    }

    void resampleCounts()
    {
        QFETCH(int, count);
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(int, expected);
        Samples samples(static_cast<size_t>(count));
        for (int i = 0; i < count; ++i)
            samples[size_t(i)] = float(i % 7) / 7.0f;
        const Samples out = AudioResampler::resample(samples, from, to);
        QCOMPARE(int(out.size()), expected);
        if (!out.empty())
            QCOMPARE(out.front(), samples.front());
    }

    void resampleInterpolates_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("to");
        QTest::addColumn<Samples>("expected");

        QTest::newRow("up by three") << Samples{0.0f, 1.0f} << 16000.0 << 48000.0
                                     << Samples{0.0f, 1.0f / 3, 2.0f / 3, 1.0f, 1.0f, 1.0f};
        QTest::newRow("down by three takes every third")
            << Samples{0.1f, 0.9f, 0.9f, 0.4f, 0.9f, 0.9f, -0.3f} << 48000.0 << 16000.0 << Samples{0.1f, 0.4f};
        QTest::newRow("equal rates copy")
            << Samples{0.25f, -0.75f, 1.0f} << 48000.0 << 48000.0 << Samples{0.25f, -0.75f, 1.0f};
        QTest::newRow("up by two halves")
            << Samples{0.0f, 0.5f, -0.5f} << 8000.0 << 16000.0 << Samples{0.0f, 0.25f, 0.5f, 0.0f, -0.5f, -0.5f};
    }

    void resampleInterpolates()
    {
        QFETCH(Samples, samples);
        QFETCH(double, from);
        QFETCH(double, to);
        QFETCH(Samples, expected);
        const Samples out = AudioResampler::resample(samples, from, to);
        QCOMPARE(out.size(), expected.size());
        for (size_t i = 0; i < out.size(); ++i)
            QVERIFY2(std::abs(out[i] - expected[i]) < 1e-6f, qPrintable(QString::number(i)));
    }

    void quantise_data()
    {
        QTest::addColumn<float>("sample");
        QTest::addColumn<QByteArray>("bytes");

        QTest::newRow("over full scale") << 1.5f << QByteArray::fromHex("ff7f");
        QTest::newRow("under full scale") << -1.5f << QByteArray::fromHex("0180");
        QTest::newRow("one") << 1.0f << QByteArray::fromHex("ff7f");
        QTest::newRow("minus one") << -1.0f << QByteArray::fromHex("0180");
        QTest::newRow("half truncates") << 0.5f << QByteArray::fromHex("ff3f");
        QTest::newRow("minus half truncates") << -0.5f << QByteArray::fromHex("01c0");
        QTest::newRow("zero") << 0.0f << QByteArray::fromHex("0000");
        QTest::newRow("tiny negative truncates to zero") << -0.00001f << QByteArray::fromHex("0000");
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << QByteArray::fromHex("ff7f");
        QTest::newRow("minus infinity") << -std::numeric_limits<float>::infinity() << QByteArray::fromHex("0180");
    }

    void quantise()
    {
        QFETCH(float, sample);
        QFETCH(QByteArray, bytes);
        QCOMPARE(AudioResampler::float32ToInt16PCM(Samples{sample}), bytes);
    }

    void quantiseKeepsOrderAndLength()
    {
        QCOMPARE(AudioResampler::float32ToInt16PCM(Samples{}), QByteArray());
        QCOMPARE(AudioResampler::float32ToInt16PCM(Samples{1.0f, -1.0f, 0.5f}), QByteArray::fromHex("ff7f0180ff3f"));
    }
};

QTEST_GUILESS_MAIN(TestAudioResampler)
#include "tst_AudioResampler.moc"
