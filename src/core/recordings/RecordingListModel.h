#pragma once

#include "model/RecordListModel.h"
#include "recordings/RecordingEntry.h"

namespace tolvaran {

// Saved recordings, newest first.
class RecordingListModel : public RecordListModel<RecordingEntry>
{
    Q_OBJECT
public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        DateRole,
        DurationRole,
        LanguageRole,
        AudioFileNameRole,
        TranscriptLineCountRole,
        // As lists show them: when it started, and how long it is.
        StartTextRole,
        DurationTextRole
    };

    // Dates and lengths are written anew when the interface's language changes.
    explicit RecordingListModel(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

protected:
    bool sameKey(const RecordingEntry& a, const RecordingEntry& b) const override { return a.id == b.id; }
};

} // namespace tolvaran
