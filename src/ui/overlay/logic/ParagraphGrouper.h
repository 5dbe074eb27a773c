#pragma once

#include "model/TranslationModels.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

#include <optional>

namespace tolvaran {

// Consecutive lines of one speaker without a long pause, shown as one block.
struct TranslationParagraph
{
    QUuid id;
    QString speaker;
    QString language;
    QDateTime timestamp;
    QString originalText;
    QString translatedText;
    // Set only on the paragraph the live words continue.
    std::optional<QList<InterimWord>> interimOriginalWords;
    std::optional<QList<InterimWord>> interimTranslationWords;

    TranslationParagraph() = default;
    // Takes the first line's identity, so a paragraph keeps it while it grows.
    explicit TranslationParagraph(
        const QList<TranslationLine>& lines, const QDateTime& now = QDateTime::currentDateTime());

    // The identity of the paragraph made of live words only, the same for the
    // whole process so that its view survives from one update to the next.
    static QUuid interimID();

    bool operator==(const TranslationParagraph&) const = default;
};

struct ParagraphGrouper
{
    struct Interim
    {
        bool isListening = false;
        QString currentOriginal;
        QString speaker;
        QList<InterimWord> originalWords;
        QList<InterimWord> translationWords;
    };

    // Paragraphs of lines (oldest first), with the live words attached to the
    // last paragraph or after it. silenceThreshold is in seconds.
    static QList<TranslationParagraph> group(const QList<TranslationLine>& lines, const Interim& interim,
        double silenceThreshold, const QDateTime& now = QDateTime::currentDateTime());
};

// Keeps each paragraph on screen under one identity while the view model
// renames what it holds: the live words that become a finished line, and a
// line whose translation arrives after it (both come under new ids). A view
// that follows paragraphs by identity then keeps what it has shown. Holds
// what it saw in the previous grouping; one per list of paragraphs.
class ParagraphIdentities
{
public:
    // Gives `paragraphs`, grouped from `lines`, the identities they were
    // shown under.
    void apply(const QList<TranslationLine>& lines, QList<TranslationParagraph>& paragraphs);

private:
    // Line id -> the identity its paragraph is shown under.
    QHash<QUuid, QUuid> m_shownAs;
    QSet<QUuid> m_lineIds;
    std::optional<TranslationLine> m_lastLine;
    // The identity of the paragraph of live words only; it passes to the
    // line those words become.
    QUuid m_liveId;
    bool m_hadLiveParagraph = false;
};

// The live words as one text, as the overlay shows them.
QString joinedWords(const std::optional<QList<InterimWord>>& words);

} // namespace tolvaran
