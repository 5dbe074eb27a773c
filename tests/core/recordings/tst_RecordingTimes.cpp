#include "recordings/RecordingTimes.h"

#include <QTest>

namespace RecordingTimes = tolvaran::RecordingTimes;

class tst_RecordingTimes : public QObject
{
    Q_OBJECT

private slots:

    void durations_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::newRow("75.9 s") << 75.9 << "C"
                                << "1:15";
        QTest::newRow("zero") << 0.0 << "C"
                              << "0:00";
        QTest::newRow("just under a minute") << 59.999 << "C"
                                             << "0:59";
        QTest::newRow("an hour") << 3600.0 << "C"
                                 << "60:00";
        QTest::newRow("an hour and more is not wrapped") << 3725.0 << "C"
                                                         << "62:05";
        QTest::newRow("negative") << -5.0 << "C"
                                  << "0:00";
        QTest::newRow("not a number") << qQNaN() << "C"
                                      << "0:00";
        QTest::newRow("infinite") << qInf() << "C"
                                  << "0:00";
        // The interface language's digits, without a thousands separator.
        QTest::newRow("Egyptian Arabic digits") << 75.9 << "ar_EG" << QString::fromUtf8("١:١٥");
        QTest::newRow("Egyptian Arabic zero") << 0.0 << "ar_EG" << QString::fromUtf8("٠:٠٠");
        QTest::newRow("Hindi keeps Latin digits") << 3725.0 << "hi_IN"
                                                  << "62:05";
        QTest::newRow("a thousand minutes, ungrouped") << 60000.0 << "en_US"
                                                       << "1000:00";
    }

    void durations()
    {
        QFETCH(double, seconds);
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QCOMPARE(RecordingTimes::formatDuration(seconds, QLocale(locale)), text);
    }

    // A recording is listed by when it started: its stored date less its length.
    void datesInTheLocalesMediumStyle_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<double>("duration");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << "en_US" << 0.0 << "Mar 4, 2026, 3:07 PM";
        QTest::newRow("de_DE") << "de_DE" << 0.0 << "4. März 2026, 15:07";
        QTest::newRow("C, whose short time has seconds") << "C" << 0.0 << "4 Mar 2026, 15:07";
        QTest::newRow("started 3.5 minutes before it was saved") << "C" << 210.0 << "4 Mar 2026, 15:04";
        QTest::newRow("a length that is not a number") << "C" << qQNaN() << "4 Mar 2026, 15:07";
    }

    void datesInTheLocalesMediumStyle()
    {
        QFETCH(QString, locale);
        QFETCH(double, duration);
        QFETCH(QString, text);
        const QDateTime date(QDate(2026, 3, 4), QTime(15, 7, 30), Qt::LocalTime);
        QCOMPARE(RecordingTimes::formatStartDate(date, duration, QLocale(locale)), text);
        if (duration == 0)
            QCOMPARE(RecordingTimes::formatDate(date, QLocale(locale)), text);
    }
};

QTEST_GUILESS_MAIN(tst_RecordingTimes)
#include "tst_RecordingTimes.moc"
