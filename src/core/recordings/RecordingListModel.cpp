#include "RecordingListModel.h"

#include "model/LanguageChange.h"
#include "recordings/RecordingTimes.h"

namespace tolvaran {

RecordingListModel::RecordingListModel(QObject* parent)
    : RecordListModel(parent)
{
    onLanguageChange(this, [this] {
        if (rowCount() > 0)
            emit dataChanged(index(0), index(rowCount() - 1), {StartTextRole, DurationTextRole});
    });
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
    case StartTextRole:
        return RecordingTimes::formatStartDate(toDateTime(entry.date), entry.duration);
    case DurationTextRole:
        return RecordingTimes::formatDuration(entry.duration);
    }
    return {};
}

QHash<int, QByteArray> RecordingListModel::roleNames() const
{
    return {{IdRole, "id"}, {DateRole, "date"}, {DurationRole, "duration"}, {LanguageRole, "language"},
        {AudioFileNameRole, "audioFileName"}, {TranscriptLineCountRole, "transcriptLineCount"},
        {StartTextRole, "startText"}, {DurationTextRole, "durationText"}};
}

} // namespace tolvaran
