#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QUuid>

#include <chrono>
#include <optional>

namespace tolvaran {

// Wall-clock time kept to the microsecond, so a saved date reads back equal.
using RecordingDate = std::chrono::time_point<std::chrono::system_clock, std::chrono::microseconds>;

RecordingDate recordingDateNow();
QDateTime toDateTime(RecordingDate date);

// Values are held to these ranges when written and when read, so whatever is
// saved reads back, and no reader of the files computes beyond its types: dates
// in the years 1 to 9999, offsets and durations exact in a 64-bit float.
inline constexpr RecordingDate minRecordingDate{std::chrono::sys_days{std::chrono::year{1} / std::chrono::January / 1}};
inline constexpr RecordingDate maxRecordingDate{
    std::chrono::sys_days{std::chrono::year{10000} / std::chrono::January / 1} - std::chrono::microseconds{1}};
inline constexpr qint64 maxOffsetMs = qint64(1) << 53;
inline constexpr double maxDurationSeconds = double(maxOffsetMs) / 1000;

// One transcript line, placed by its distance from the start of the recording.
struct TimedTranscriptLine
{
    QUuid id;
    qint64 offsetMs = 0;
    QString speaker;
    QString originalText;
    QString translatedText;
    QString language;
    // Where the words ended, on the same clock; absent when the server did
    // not say, and in files written before it was kept.
    std::optional<qint64> endMs = std::nullopt;

    // The file's keys, in the order they have always been written.
    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("id"), self.id);
        visit(QLatin1StringView("language"), self.language);
        visit(QLatin1StringView("offsetMs"), self.offsetMs);
        visit(QLatin1StringView("originalText"), self.originalText);
        visit(QLatin1StringView("speaker"), self.speaker);
        visit(QLatin1StringView("translatedText"), self.translatedText);
        visit(QLatin1StringView("endMs"), self.endMs);
    }

    bool operator==(const TimedTranscriptLine&) const = default;
};

// A saved recording: the audio file beside it and its timed transcript.
struct RecordingEntry
{
    QUuid id;
    RecordingDate date;
    double duration = 0;
    QString language;
    QString audioFileName;
    QList<TimedTranscriptLine> transcript;

    template<typename Self, typename Visit>
    static void fields(Self& self, Visit&& visit)
    {
        visit(QLatin1StringView("audioFileName"), self.audioFileName);
        visit(QLatin1StringView("date"), self.date);
        visit(QLatin1StringView("duration"), self.duration);
        visit(QLatin1StringView("id"), self.id);
        visit(QLatin1StringView("language"), self.language);
        visit(QLatin1StringView("transcript"), self.transcript);
    }

    bool operator==(const RecordingEntry&) const = default;
};

// Holds every value to the ranges above (encoding and decoding do this too).
void bound(TimedTranscriptLine& line);
void bound(RecordingEntry& entry);

// The file form: one compact UTF-8 JSON object, values bounded.
QByteArray encodeRecordingEntry(const RecordingEntry& entry);
// Nothing when the text is not JSON, nests deeper than any entry does, misses
// a key or has one of the wrong kind, or when the audio file name could point
// outside its folder. Values out of range are held to it.
std::optional<RecordingEntry> decodeRecordingEntry(QByteArrayView bytes);

// One transcript line alone, in the same form as inside an entry.
QByteArray encodeTimedTranscriptLine(const TimedTranscriptLine& line);
std::optional<TimedTranscriptLine> decodeTimedTranscriptLine(QByteArrayView bytes);

// A name that stays inside the folder it is joined to: not empty, no
// separator, not "." or "..".
bool isPlainFileName(const QString& name);
// "a.b.m4a" -> "a.b"; a name whose only dot leads it has no extension.
QString deletingPathExtension(const QString& name);
QString pathExtension(const QString& name);
// The JSON file that describes the recording with this audio file.
QString jsonFileName(const QString& audioFileName);

} // namespace tolvaran
