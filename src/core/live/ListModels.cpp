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

} // namespace tolvaran
