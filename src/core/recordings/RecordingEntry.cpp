#include "RecordingEntry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>

namespace tolvaran {

namespace {

using namespace std::chrono;

// Dates are stored as seconds since 2001-01-01 00:00:00 UTC.
constexpr sys_seconds referenceDate = sys_days{year{2001} / January / 1};

double toReferenceSeconds(RecordingDate date)
{
    return double((date - referenceDate).count()) / 1e6;
}

RecordingDate fromReferenceSeconds(double seconds)
{
    return referenceDate + microseconds{std::llround(seconds * 1e6)};
}

QString uuidText(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces).toUpper();
}

std::optional<QUuid> uuidFromJson(const QJsonValue& value)
{
    if (!value.isString())
        return std::nullopt;
    const QString text = value.toString();
    if (text.size() != 36)
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
        const bool hex = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
        if (dash ? c != u'-' : !hex)
            return std::nullopt;
    }
    return QUuid::fromString(text);
}

std::optional<QString> stringFromJson(const QJsonValue& value)
{
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

std::optional<double> numberFromJson(const QJsonValue& value)
{
    if (!value.isDouble() || !std::isfinite(value.toDouble()))
        return std::nullopt;
    return value.toDouble();
}

std::optional<qint64> integerFromJson(const QJsonValue& value)
{
    const std::optional<double> number = numberFromJson(value);
    // 2^63 is the first double beyond qint64.
    if (!number || std::trunc(*number) != *number || std::fabs(*number) >= 9223372036854775808.0)
        return std::nullopt;
    return value.toInteger();
}

} // namespace

RecordingDate recordingDateNow()
{
    return time_point_cast<microseconds>(system_clock::now());
}

QDateTime toDateTime(RecordingDate date)
{
    return QDateTime::fromMSecsSinceEpoch(duration_cast<milliseconds>(date.time_since_epoch()).count(), Qt::UTC);
}

QJsonObject toJson(const TimedTranscriptLine& line)
{
    return QJsonObject{
        {QStringLiteral("id"), uuidText(line.id)},
        {QStringLiteral("offsetMs"), line.offsetMs},
        {QStringLiteral("speaker"), line.speaker},
        {QStringLiteral("originalText"), line.originalText},
        {QStringLiteral("translatedText"), line.translatedText},
        {QStringLiteral("language"), line.language},
    };
}

QJsonObject toJson(const RecordingEntry& entry)
{
    QJsonArray transcript;
    for (const TimedTranscriptLine& line : entry.transcript)
        transcript.append(toJson(line));
    return QJsonObject{
        {QStringLiteral("id"), uuidText(entry.id)},
        {QStringLiteral("date"), toReferenceSeconds(entry.date)},
        {QStringLiteral("duration"), entry.duration},
        {QStringLiteral("language"), entry.language},
        {QStringLiteral("audioFileName"), entry.audioFileName},
        {QStringLiteral("transcript"), transcript},
    };
}

std::optional<TimedTranscriptLine> timedTranscriptLineFromJson(const QJsonObject& object)
{
    const auto id = uuidFromJson(object.value(QLatin1String("id")));
    const auto offsetMs = integerFromJson(object.value(QLatin1String("offsetMs")));
    const auto speaker = stringFromJson(object.value(QLatin1String("speaker")));
    const auto originalText = stringFromJson(object.value(QLatin1String("originalText")));
    const auto translatedText = stringFromJson(object.value(QLatin1String("translatedText")));
    const auto language = stringFromJson(object.value(QLatin1String("language")));
    if (!id || !offsetMs || !speaker || !originalText || !translatedText || !language)
        return std::nullopt;
    return TimedTranscriptLine{*id, *offsetMs, *speaker, *originalText, *translatedText, *language};
}

std::optional<RecordingEntry> recordingEntryFromJson(const QJsonObject& object)
{
    const auto id = uuidFromJson(object.value(QLatin1String("id")));
    const auto date = numberFromJson(object.value(QLatin1String("date")));
    const auto duration = numberFromJson(object.value(QLatin1String("duration")));
    const auto language = stringFromJson(object.value(QLatin1String("language")));
    const auto audioFileName = stringFromJson(object.value(QLatin1String("audioFileName")));
    const QJsonValue transcriptValue = object.value(QLatin1String("transcript"));
    if (!id || !date || !duration || !language || !audioFileName || !transcriptValue.isArray())
        return std::nullopt;
    // A recording lives beside its description; anything else could make a
    // delete reach outside the folder.
    if (!isPlainFileName(*audioFileName))
        return std::nullopt;

    RecordingEntry entry{*id, fromReferenceSeconds(*date), *duration, *language, *audioFileName, {}};
    const QJsonArray lines = transcriptValue.toArray();
    entry.transcript.reserve(lines.size());
    for (const QJsonValue& value : lines) {
        if (!value.isObject())
            return std::nullopt;
        auto line = timedTranscriptLineFromJson(value.toObject());
        if (!line)
            return std::nullopt;
        entry.transcript.append(std::move(*line));
    }
    return entry;
}

QByteArray encodeRecordingEntry(const RecordingEntry& entry)
{
    return QJsonDocument(toJson(entry)).toJson(QJsonDocument::Compact);
}

std::optional<RecordingEntry> decodeRecordingEntry(const QByteArray& bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return recordingEntryFromJson(document.object());
}

bool isPlainFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(u'/')
        && !name.contains(QChar(0));
}

QString deletingPathExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.left(dot) : name;
}

QString pathExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot > 0 ? name.mid(dot + 1) : QString();
}

QString jsonFileName(const QString& audioFileName)
{
    return deletingPathExtension(audioFileName) + QStringLiteral(".json");
}

} // namespace tolvaran
