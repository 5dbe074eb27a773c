#pragma once

#include "model/RecordListModel.h"
#include "model/TranslationModels.h"
#include "protocol/ServerMessages.h"

namespace tolvaran {

// Finished lines, oldest first.
class TranslationLineModel : public RecordListModel<TranslationLine>
{
    Q_OBJECT
public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        SpeakerRole,
        OriginalTextRole,
        TranslatedTextRole,
        LanguageRole,
        TimestampRole,
        IsFinalRole
    };

    using RecordListModel::RecordListModel;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

protected:
    bool sameKey(const TranslationLine& a, const TranslationLine& b) const override { return a.id == b.id; }
};

// Languages a room is followed in, with their listener counts.
class RoomLanguageModel : public RecordListModel<LanguageSubscriberCount>
{
    Q_OBJECT
public:
    enum Role { LanguageRole = Qt::UserRole + 1, CountRole };

    using RecordListModel::RecordListModel;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

protected:
    bool sameKey(const LanguageSubscriberCount& a, const LanguageSubscriberCount& b) const override
    {
        return a.lang == b.lang;
    }
};

} // namespace tolvaran
