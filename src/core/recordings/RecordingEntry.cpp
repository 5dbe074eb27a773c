#include "RecordingEntry.h"

#include "model/JsonFields.h"

#include <algorithm>
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
    constexpr double earliest = double((minRecordingDate - referenceDate).count()) / 1e6;
    constexpr double latest = double((maxRecordingDate - referenceDate).count()) / 1e6;
    // Clamped before the conversion: a date beyond the time point's range
    // cannot even be computed.
    return referenceDate + microseconds{std::llround(std::clamp(seconds, earliest, latest) * 1e6)};
}

} // namespace

namespace json {

// A UUID in the 8-4-4-4-12 form, written upper-case; braces or other forms are refused.
template<>
struct Codec<QUuid>
{
    static bool decode(const rapidjson::Value& value, QUuid& out)
    {
        if (!value.IsString() || value.GetStringLength() != 36)
            return false;
        const char* text = value.GetString();
        for (int i = 0; i < 36; ++i) {
            const char c = text[i];
            const bool dash = i == 8 || i == 13 || i == 18 || i == 23;
            const bool hex = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
            if (dash ? c != '-' : !hex)
                return false;
        }
        out = QUuid::fromString(QLatin1StringView(text, 36));
        return true;
    }

    static void encode(Writer& writer, const QUuid& id)
    {
        const QByteArray text = id.toByteArray(QUuid::WithoutBraces).toUpper();
        writer.String(text.constData(), rapidjson::SizeType(text.size()));
    }
};

template<>
struct Codec<RecordingDate>
{
    static bool decode(const rapidjson::Value& value, RecordingDate& out)
    {
        if (!value.IsNumber())
            return false;
        out = fromReferenceSeconds(value.GetDouble());
        return true;
    }

    static void encode(Writer& writer, RecordingDate date) { writer.Double(toReferenceSeconds(date)); }
};

} // namespace json

RecordingDate recordingDateNow()
{
    return time_point_cast<microseconds>(system_clock::now());
}

QDateTime toDateTime(RecordingDate date)
{
    return QDateTime::fromMSecsSinceEpoch(duration_cast<milliseconds>(date.time_since_epoch()).count(), Qt::UTC);
}

void bound(TimedTranscriptLine& line)
{
    line.offsetMs = std::clamp(line.offsetMs, qint64(0), maxOffsetMs);
    if (line.endMs)
        line.endMs = std::clamp(*line.endMs, qint64(0), maxOffsetMs);
}

void bound(RecordingEntry& entry)
{
    entry.date = std::clamp(entry.date, minRecordingDate, maxRecordingDate);
    // NaN is not a number JSON can hold: it counts as no length at all.
    entry.duration = std::isnan(entry.duration) ? 0.0 : std::clamp(entry.duration, 0.0, maxDurationSeconds);
    for (TimedTranscriptLine& line : entry.transcript)
        bound(line);
}

QByteArray encodeRecordingEntry(const RecordingEntry& entry)
{
    RecordingEntry bounded = entry;
    bound(bounded);
    return json::encodeCompact(bounded);
}

std::optional<RecordingEntry> decodeRecordingEntry(QByteArrayView bytes)
{
    rapidjson::Document document;
    RecordingEntry entry;
    if (!json::parse(bytes, document) || !json::decodeRecord(document, entry))
        return std::nullopt;
    // A recording lives beside its description; anything else could make a
    // delete reach outside the folder.
    if (!isPlainFileName(entry.audioFileName))
        return std::nullopt;
    bound(entry);
    return entry;
}

QByteArray encodeTimedTranscriptLine(const TimedTranscriptLine& line)
{
    TimedTranscriptLine bounded = line;
    bound(bounded);
    return json::encodeCompact(bounded);
}

std::optional<TimedTranscriptLine> decodeTimedTranscriptLine(QByteArrayView bytes)
{
    rapidjson::Document document;
    TimedTranscriptLine line;
    if (!json::parse(bytes, document) || !json::decodeRecord(document, line))
        return std::nullopt;
    bound(line);
    return line;
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
