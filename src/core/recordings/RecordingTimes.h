#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// How recordings' dates and lengths read, wherever they are listed: the
// panel, the playback window, the tray.
namespace tolvaran::RecordingTimes {

// Minutes and seconds, "%d:%02d", of the whole seconds: 75.9 gives 1:15, in
// the locale's digits (١:١٥ in Egyptian Arabic).
QString formatDuration(double seconds, const QLocale& locale = QLocale());
// The date in the locale's medium style and the time in its short style.
QString formatDate(const QDateTime& date, const QLocale& locale = QLocale());
// When a recording started: its stored date is when it was saved, just
// after it stopped, and users know it by its start.
QDateTime recordingStart(const QDateTime& savedAt, double durationSeconds);
// formatDate of recordingStart.
QString formatStartDate(const QDateTime& savedAt, double durationSeconds, const QLocale& locale = QLocale());

} // namespace tolvaran::RecordingTimes
