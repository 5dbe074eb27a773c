#pragma once

#include "audio/MicDevice.h"
#include "model/TranslationModels.h"
#include "protocol/ServerMessages.h"
#include "recordings/RecordingEntry.h"

#include <QAbstractListModel>
#include <QList>

namespace tolvaran {

// A list of plain records shown by views. Replacing the list sends the
// smallest row changes it can find by each row's key, so delegates of rows
// that stay are kept (their animations do not restart).
template<typename T>
class RecordListModel : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }

    const QList<T>& rows() const { return m_rows; }

    // Keeps the rows whose key is in both lists in the new list's order as far
    // as a single forward walk allows; anything else becomes a reset.
    void setRows(const QList<T>& next)
    {
        if (next == m_rows)
            return;
        // Common cases first: one row added or removed anywhere, or the same
        // keys with changed values.
        if (sameKeys(m_rows, next)) {
            for (qsizetype i = 0; i < next.size(); ++i) {
                if (m_rows[i] == next[i])
                    continue;
                m_rows[i] = next[i];
                emit dataChanged(index(int(i)), index(int(i)));
            }
            return;
        }
        if (next.size() == m_rows.size() + 1) {
            const qsizetype at = firstDifference(m_rows, next);
            if (sameKeys(m_rows.mid(at), next.mid(at + 1))) {
                beginInsertRows({}, int(at), int(at));
                m_rows.insert(at, next[at]);
                endInsertRows();
                setRows(next);
                return;
            }
        }
        if (next.size() + 1 == m_rows.size()) {
            const qsizetype at = firstDifference(next, m_rows);
            if (sameKeys(m_rows.mid(at + 1), next.mid(at))) {
                beginRemoveRows({}, int(at), int(at));
                m_rows.remove(at);
                endRemoveRows();
                setRows(next);
                return;
            }
        }
        beginResetModel();
        m_rows = next;
        endResetModel();
    }

    void append(const T& row)
    {
        beginInsertRows({}, int(m_rows.size()), int(m_rows.size()));
        m_rows.append(row);
        endInsertRows();
    }

    void removeFirst()
    {
        if (m_rows.isEmpty())
            return;
        beginRemoveRows({}, 0, 0);
        m_rows.removeFirst();
        endRemoveRows();
    }

    void replace(qsizetype row, const T& value)
    {
        m_rows[row] = value;
        emit dataChanged(index(int(row)), index(int(row)));
    }

protected:
    virtual bool sameKey(const T& a, const T& b) const = 0;

private:
    bool sameKeys(const QList<T>& a, const QList<T>& b) const
    {
        if (a.size() != b.size())
            return false;
        for (qsizetype i = 0; i < a.size(); ++i)
            if (!sameKey(a[i], b[i]))
                return false;
        return true;
    }

    qsizetype firstDifference(const QList<T>& shorter, const QList<T>& longer) const
    {
        qsizetype at = 0;
        while (at < shorter.size() && sameKey(shorter[at], longer[at]))
            ++at;
        return at;
    }

    QList<T> m_rows;
};

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
        TranscriptLineCountRole
    };

    using RecordListModel::RecordListModel;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

protected:
    bool sameKey(const RecordingEntry& a, const RecordingEntry& b) const override { return a.id == b.id; }
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

class MicDeviceModel : public RecordListModel<MicDevice>
{
    Q_OBJECT
public:
    enum Role { IdRole = Qt::UserRole + 1, NameRole };

    using RecordListModel::RecordListModel;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

protected:
    bool sameKey(const MicDevice& a, const MicDevice& b) const override { return a.id == b.id; }
};

} // namespace tolvaran
