#pragma once

#include "ParagraphGrouper.h"

#include <QAbstractListModel>

namespace tolvaran {

// The overlay's paragraphs as a list a view follows row by row. A paragraph
// that grows or gains live words stays the same row, so its delegate, its
// fade-in and its typed text survive; only paragraphs that come or go are
// inserted or removed.
class ParagraphListModel : public QAbstractListModel
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Role {
        IdRole = Qt::UserRole + 1,
        SpeakerRole,
        LanguageRole,
        TimestampRole,
        OriginalTextRole,
        TranslatedTextRole,
        // The live words joined with blanks; empty when none are attached.
        InterimOriginalTextRole,
        InterimTranslationTextRole,
    };

    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }

    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    int count() const { return int(m_rows.size()); }

    const QList<TranslationParagraph>& paragraphs() const { return m_rows; }

    void setParagraphs(const QList<TranslationParagraph>& next);

signals:
    void countChanged();

private:
    QList<TranslationParagraph> m_rows;
};

} // namespace tolvaran
