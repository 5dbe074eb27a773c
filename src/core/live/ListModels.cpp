#include "ListModels.h"

namespace tolvaran {

QVariant TranslationLineModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TranslationLine& line = rows()[index.row()];
    switch (role) {
    case IdRole:
        return line.id;
    case SpeakerRole:
        return line.speaker;
    case Qt::DisplayRole:
    case OriginalTextRole:
        return line.originalText;
    case TranslatedTextRole:
        return line.translatedText;
    case LanguageRole:
        return line.language;
    case TimestampRole:
        return line.timestamp;
    case IsFinalRole:
        return line.isFinal;
    }
    return {};
}

QHash<int, QByteArray> TranslationLineModel::roleNames() const
{
    return {{IdRole, "id"}, {SpeakerRole, "speaker"}, {OriginalTextRole, "originalText"},
        {TranslatedTextRole, "translatedText"}, {LanguageRole, "language"}, {TimestampRole, "timestamp"},
        {IsFinalRole, "isFinal"}};
}

QVariant RecordingListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const RecordingEntry& entry = rows()[index.row()];
    switch (role) {
    case IdRole:
        return entry.id;
    case DateRole:
        return toDateTime(entry.date);
    case DurationRole:
        return entry.duration;
    case LanguageRole:
        return entry.language;
    case Qt::DisplayRole:
    case AudioFileNameRole:
        return entry.audioFileName;
    case TranscriptLineCountRole:
        return int(entry.transcript.size());
    }
    return {};
}

QHash<int, QByteArray> RecordingListModel::roleNames() const
{
    return {{IdRole, "id"}, {DateRole, "date"}, {DurationRole, "duration"}, {LanguageRole, "language"},
        {AudioFileNameRole, "audioFileName"}, {TranscriptLineCountRole, "transcriptLineCount"}};
}

QVariant RoomLanguageModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const LanguageSubscriberCount& language = rows()[index.row()];
    switch (role) {
    case Qt::DisplayRole:
    case LanguageRole:
        return language.lang;
    case CountRole:
        return language.count;
    }
    return {};
}

QHash<int, QByteArray> RoomLanguageModel::roleNames() const
{
    return {{LanguageRole, "language"}, {CountRole, "count"}};
}

QVariant MicDeviceModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const MicDevice& device = rows()[index.row()];
    switch (role) {
    case IdRole:
        return device.id;
    case Qt::DisplayRole:
    case NameRole:
        return device.name;
    }
    return {};
}

QHash<int, QByteArray> MicDeviceModel::roleNames() const
{
    return {{IdRole, "uid"}, {NameRole, "name"}};
}

} // namespace tolvaran
