#include "ParagraphListModel.h"

#include <QSet>

namespace tolvaran {

QVariant ParagraphListModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const TranslationParagraph& paragraph = m_rows[index.row()];
    switch (role) {
    case IdRole:
        return paragraph.id;
    case SpeakerRole:
        return paragraph.speaker;
    case LanguageRole:
        return paragraph.language;
    case TimestampRole:
        return paragraph.timestamp;
    case Qt::DisplayRole:
    case OriginalTextRole:
        return paragraph.originalText;
    case TranslatedTextRole:
        return paragraph.translatedText;
    case InterimOriginalTextRole:
        return joinedWords(paragraph.interimOriginalWords);
    case InterimTranslationTextRole:
        return joinedWords(paragraph.interimTranslationWords);
    }
    return {};
}

QHash<int, QByteArray> ParagraphListModel::roleNames() const
{
    return {{IdRole, "paragraphId"}, {SpeakerRole, "speaker"}, {LanguageRole, "language"}, {TimestampRole, "timestamp"},
        {OriginalTextRole, "originalText"}, {TranslatedTextRole, "translatedText"},
        {InterimOriginalTextRole, "interimOriginalText"}, {InterimTranslationTextRole, "interimTranslationText"}};
}

void ParagraphListModel::setParagraphs(const QList<TranslationParagraph>& next)
{
    if (next == m_rows)
        return;
    const int countBefore = count();

    // Rows whose paragraph is gone leave first, from the back so that the
    // remaining indexes stay valid.
    QSet<QUuid> nextIds;
    for (const TranslationParagraph& paragraph : next)
        nextIds.insert(paragraph.id);
    for (qsizetype row = m_rows.size() - 1; row >= 0; --row) {
        if (nextIds.contains(m_rows[row].id))
            continue;
        beginRemoveRows({}, int(row), int(row));
        m_rows.remove(row);
        endRemoveRows();
    }

    // What stays must keep its order; paragraphs never swap places, so
    // anything else is a fresh list.
    qsizetype kept = 0;
    for (const TranslationParagraph& paragraph : next)
        if (kept < m_rows.size() && m_rows[kept].id == paragraph.id)
            ++kept;
    if (kept != m_rows.size()) {
        beginResetModel();
        m_rows = next;
        endResetModel();
    } else {
        for (qsizetype row = 0; row < next.size(); ++row) {
            if (row < m_rows.size() && m_rows[row].id == next[row].id) {
                if (m_rows[row] != next[row]) {
                    m_rows[row] = next[row];
                    emit dataChanged(index(int(row)), index(int(row)));
                }
                continue;
            }
            beginInsertRows({}, int(row), int(row));
            m_rows.insert(row, next[row]);
            endInsertRows();
        }
    }
    if (count() != countBefore)
        emit countChanged();
}

} // namespace tolvaran
