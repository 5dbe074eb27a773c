#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>

#include <chrono>
#include <optional>

class QJsonObject;

namespace tolvaran {

// Wall-clock time kept to the microsecond, so a saved date reads back equal.
using RecordingDate = std::chrono::time_point<std::chrono::system_clock, std::chrono::microseconds>;

RecordingDate recordingDateNow();
QDateTime toDateTime(RecordingDate date);

// One transcript line, placed by its distance from the start of the recording.
struct TimedTranscriptLine
{
    QUuid id;
    qint64 offsetMs = 0;
    QString speaker;
    QString originalText;
    QString translatedText;
    QString language;

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

    bool operator==(const RecordingEntry&) const = default;
};

QJsonObject toJson(const TimedTranscriptLine& line);
QJsonObject toJson(const RecordingEntry& entry);
std::optional<TimedTranscriptLine> timedTranscriptLineFromJson(const QJsonObject& object);
std::optional<RecordingEntry> recordingEntryFromJson(const QJsonObject& object);

// The file form: one compact UTF-8 JSON object.
QByteArray encodeRecordingEntry(const RecordingEntry& entry);
// Nothing when a key is missing or has the wrong kind, or when the audio file
// name could point outside its folder.
std::optional<RecordingEntry> decodeRecordingEntry(const QByteArray& bytes);

// A name that stays inside the folder it is joined to: not empty, no
// separator, not "." or "..".
bool isPlainFileName(const QString& name);
// "a.b.m4a" -> "a.b"; a name whose only dot leads it has no extension.
QString deletingPathExtension(const QString& name);
QString pathExtension(const QString& name);
// The JSON file that describes the recording with this audio file.
QString jsonFileName(const QString& audioFileName);

} // namespace tolvaran
