#include "protocol/StreamHeader.h"

#include <QTest>
#include <QtEndian>

using namespace tolvaran;

namespace {

QByteArray chunk(const QByteArray& id, const QByteArray& body, quint32 declaredSize)
{
    char size[4];
    qToLittleEndian(declaredSize, size);
    return id + QByteArray(size, 4) + body;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body)
{
    return chunk(id, body, quint32(body.size()));
}

QByteArray format(quint16 channels = 1, quint32 rate = 16000, quint16 bits = 16)
{
    char body[16];
    qToLittleEndian(quint16(1), body);
    qToLittleEndian(channels, body + 2);
    qToLittleEndian(rate, body + 4);
    qToLittleEndian(rate * channels * bits / 8, body + 8);
    qToLittleEndian(quint16(channels * bits / 8), body + 12);
    qToLittleEndian(bits, body + 14);
    return chunk("fmt ", QByteArray(body, 16));
}

// A live stream's header: its sizes are the largest there are.
QByteArray wave(const QByteArray& chunks)
{
    return chunk("RIFF", "WAVE" + chunks, 0xFFFFFFFFu);
}

} // namespace

class TestStreamHeader : public QObject
{
    Q_OBJECT

private slots:

    void parse_data()
    {
        QTest::addColumn<QByteArray>("frame");
        // Where the samples start, or -1 with the start of the reason.
        QTest::addColumn<int>("dataOffset");
        QTest::addColumn<QString>("reason");

        const QByteArray samples(6, '\1');
        const QString notWave = "The stream must start with a WAV header";
        // What the client sends is what the server reads.
        QTest::newRow("client's own") << StreamHeader::write() + samples << 44 << "";
        QTest::newRow("plain") << wave(format() + chunk("data", samples, 0x7FFFFFFFu)) << 44 << "";
        QTest::newRow("header alone") << wave(format() + chunk("data", {}, 0x7FFFFFFFu)) << 44 << "";
        QTest::newRow("tags skipped, padded")
            << wave(chunk("LIST", "abc") + QByteArray(1, '\0') + format() + chunk("data", samples)) << 56 << "";
        QTest::newRow("stereo") << wave(format(2) + chunk("data", samples)) << -1
                                << "Audio must be 16 kHz mono 16-bit PCM (got format 1, 2 channels, 16000 Hz, 16 bits)";
        QTest::newRow("data before format") << wave(chunk("data", samples) + format()) << -1 << notWave;
        QTest::newRow("no data chunk") << wave(format()) << -1 << notWave;
        QTest::newRow("format cut short") << wave(format().left(20)) << -1 << notWave;
        QTest::newRow("chunk beyond the frame") << wave(chunk("LIST", "ab", 1000) + format()) << -1 << notWave;
        QTest::newRow("not RIFF") << QByteArray("RIFX") + wave(format()).mid(4) << -1 << notWave;
        QTest::newRow("raw samples") << samples << -1 << notWave;
    }

    void parse()
    {
        QFETCH(QByteArray, frame);
        QFETCH(int, dataOffset);
        QFETCH(QString, reason);
        const auto header = StreamHeader::parse(frame);
        if (dataOffset < 0) {
            const auto* refused = std::get_if<QString>(&header);
            QVERIFY(refused);
            QCOMPARE(*refused, reason);
        } else {
            const auto* accepted = std::get_if<StreamHeader>(&header);
            QVERIFY(accepted);
            QCOMPARE(accepted->dataOffset, dataOffset);
        }
    }

    void clientHeaderBytes()
    {
        QCOMPARE(StreamHeader::write().toHex(' '),
            QByteArray("52 49 46 46 23 00 00 80 57 41 56 45 66 6d 74 20 10 00 00 00 01 00 01 00 "
                       "80 3e 00 00 00 7d 00 00 02 00 10 00 64 61 74 61 ff ff ff 7f"));
        QCOMPARE(StreamHeader::write(1000).mid(4, 4), QByteArray::fromHex("0c040000"));
    }
};

QTEST_GUILESS_MAIN(TestStreamHeader)
#include "tst_StreamHeader.moc"
