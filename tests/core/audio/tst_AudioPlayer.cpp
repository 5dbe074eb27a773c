#include "SoundServer.h"
#include "ToneRecording.h"
#include "audio/AudioPlayer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace tolvaran;

// The player on the private sound server of scripts/test, with files made by
// the program's own recorder; what it plays is heard on the default sink's
// monitor.
class TestAudioPlayer : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_tone; // 440 Hz for 4 s

private slots:

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_tone = test::recordFile(m_dir.path(), test::tonePCM(440, 4));
        QVERIFY(!m_tone.isEmpty());
    }

    void unplayableFilesSayWhy_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("isFile");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("text") << QByteArray("{\"id\": \"not audio\"}\n") << true;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("cut M4A header") << QByteArray("\0\0\0\x20"
                                                      "ftypM4A ",
            12) << true;
    }

    void unplayableFilesSayWhy()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, isFile);
        const QString path = m_dir.filePath(QStringLiteral("bad_%1.m4a").arg(QTest::currentDataTag()));
        if (isFile) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QString reason;
        QVERIFY(!AudioPlayer::load(path, &reason));
        QVERIFY(!reason.isEmpty());
    }

    void loadsPausedAtTheStart()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QString reason;
        const auto player = AudioPlayer::load(m_tone, &reason);
        QVERIFY2(player, qPrintable(reason));
        QVERIFY(!player->isPlaying());
        QVERIFY2(qAbs(player->duration() - 4.0) < 0.05, qPrintable(QString::number(player->duration())));
        QCOMPARE(player->currentTime(), 0.0);
        QCOMPARE(player->rate(), 1.0f);
    }

    // The tone reaches the sound server's default output, at its own pitch
    // whatever the rate, and the position runs at the rate.
    void playsAtItsPitchAtEveryRate_data()
    {
        QTest::addColumn<float>("rate");
        QTest::newRow("1x") << 1.0f;
        QTest::newRow("0.5x") << 0.5f;
        QTest::newRow("1.5x") << 1.5f;
        QTest::newRow("2x") << 2.0f;
    }

    void playsAtItsPitchAtEveryRate()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QFETCH(float, rate);
        auto player = AudioPlayer::load(m_tone);
        QVERIFY(player);
        test::MonitorRecorder monitor(test::speakerSink);
        QVERIFY(monitor.isRunning());
        player->setRate(rate);
        QTRY_VERIFY(!player->isSeeking());
        monitor.take();

        player->play();
        QVERIFY(player->isPlaying());
        // The test server's null sink may hold a new stream back for a while
        // before it runs; the rate is measured once it does.
        QTRY_VERIFY_WITH_TIMEOUT(player->currentTime() >= 0.3, 10000);
        const double from = player->currentTime();
        QElapsedTimer clock;
        clock.start();
        QTRY_VERIFY_WITH_TIMEOUT(clock.elapsed() >= 600, 5000);
        const double speed = (player->currentTime() - from) / (clock.elapsed() / 1000.0);
        QVERIFY2(speed > rate * 0.8 && speed < rate * 1.2, qPrintable(QString::number(speed)));
        QTRY_VERIFY_WITH_TIMEOUT(player->currentTime() >= 1.8, 10000);
        player->pause();
        QVERIFY(!player->isPlaying());

        const QList<float> heard = monitor.take();
        QVERIFY2(test::peak(heard) > 0.3f, qPrintable(QString::number(test::peak(heard))));
        const double frequency = test::toneFrequency(heard);
        QVERIFY2(qAbs(frequency - 440) < 440 * 0.03, qPrintable(QString::number(frequency)));

        // Paused: nothing more is heard and the position stands.
        const double pausedAt = player->currentTime();
        QTest::qWait(300);
        monitor.take();
        QTest::qWait(300);
        QVERIFY(test::peak(monitor.take()) < 0.01f);
        QCOMPARE(player->currentTime(), pausedAt);
    }

    void seeksLandWhereAsked_data()
    {
        QTest::addColumn<bool>("whilePlaying");
        QTest::addColumn<double>("target");
        QTest::newRow("paused") << false << 2.345;
        QTest::newRow("playing") << true << 1.5;
        QTest::newRow("paused, before the start") << false << -3.0;
    }

    void seeksLandWhereAsked()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        QFETCH(bool, whilePlaying);
        QFETCH(double, target);
        auto player = AudioPlayer::load(m_tone);
        QVERIFY(player);
        if (whilePlaying)
            player->play();
        player->setCurrentTime(target);
        QTRY_VERIFY(!player->isSeeking());
        const double expected = std::max(target, 0.0);
        const double landed = player->currentTime();
        QVERIFY2(landed >= expected - 0.05 && landed <= expected + (whilePlaying ? 0.3 : 0.05),
            qPrintable(QString::number(landed)));
        QCOMPARE(player->isPlaying(), whilePlaying);
        if (whilePlaying)
            QTRY_VERIFY(player->currentTime() > expected + 0.2);
    }

    void endOfFileStopsAndPlaysAgainFromTheStart()
    {
        TOLVARAN_REQUIRE_SOUND_SERVER();
        auto player = AudioPlayer::load(m_tone);
        QVERIFY(player);
        QSignalSpy finished(player.get(), &AudioPlayer::finished);
        player->setCurrentTime(3.5);
        player->play();
        QVERIFY(finished.wait(5000));
        QVERIFY(!player->isPlaying());
        QCOMPARE(player->currentTime(), player->duration());

        player->play();
        QVERIFY(player->isPlaying());
        QTRY_VERIFY(!player->isSeeking());
        QVERIFY2(player->currentTime() < 1.0, qPrintable(QString::number(player->currentTime())));
        player->stop();
        QVERIFY(!player->isPlaying());
        QTRY_VERIFY(!player->isSeeking());
        QCOMPARE(player->currentTime(), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestAudioPlayer)
#include "tst_AudioPlayer.moc"
