#include "RecordingTimes.h"

#include "RecordingEntry.h"

#include <QRegularExpression>

#include <cmath>

namespace tolvaran::RecordingTimes {

QString formatDuration(double seconds, const QLocale& locale)
{
    // A duration read from a file may be anything.
    const qint64 whole = std::isfinite(seconds) && seconds > 0 && seconds < 1e12 ? qint64(seconds) : 0;
    QLocale digits = locale;
    digits.setNumberOptions(QLocale::OmitGroupSeparator);
    const QString secondsText = digits.toString(whole % 60);
    return digits.toString(whole / 60) + u':' + (whole % 60 < 10 ? digits.zeroDigit() : QString()) + secondsText;
}

QString formatDate(const QDateTime& date, const QLocale& locale)
{
    // Qt has a long and a short date style; the medium one is the long one
    // without the weekday and with abbreviated month names.
    QString dateFormat = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("d{4}[^dMy']*"));
    dateFormat.remove(weekday);
    dateFormat.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    // Some locales' short time still shows seconds.
    QString timeFormat = locale.timeFormat(QLocale::ShortFormat);
    static const QRegularExpression seconds(QStringLiteral("[:.]ss?"));
    timeFormat.remove(seconds);
    const QDateTime local = date.toLocalTime();
    return locale.toString(local.date(), dateFormat.trimmed()) + QStringLiteral(", ")
        + locale.toString(local.time(), timeFormat);
}

QDateTime recordingStart(const QDateTime& savedAt, double durationSeconds)
{
    if (!std::isfinite(durationSeconds) || durationSeconds <= 0)
        return savedAt;
    return savedAt.addMSecs(-std::llround(std::min(durationSeconds, maxDurationSeconds) * 1000));
}

QString formatStartDate(const QDateTime& savedAt, double durationSeconds, const QLocale& locale)
{
    return formatDate(recordingStart(savedAt, durationSeconds), locale);
}

} // namespace tolvaran::RecordingTimes
