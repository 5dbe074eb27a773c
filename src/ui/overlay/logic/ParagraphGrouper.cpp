#include "ParagraphGrouper.h"

#include "model/RandomUuid.h"

#include <QStringList>

#include <algorithm>

namespace tolvaran {

namespace {

double secondsBetween(const QDateTime& from, const QDateTime& to)
{
    return double(from.msecsTo(to)) / 1000.0;
}

// Only blanks and tabs: a line break alone is still something said.
bool isBlank(const QString& text)
{
    for (const QChar c : text)
        if (c != u' ' && c != u'\t')
            return false;
    return true;
}

} // namespace

TranslationParagraph::TranslationParagraph(const QList<TranslationLine>& lines, const QDateTime& now)
{
    if (lines.isEmpty()) {
        id = randomUuid();
        speaker = QStringLiteral("Speaker 1");
        language = QStringLiteral("?");
        timestamp = now;
        return;
    }
    const TranslationLine& first = lines.first();
    id = first.id;
    speaker = first.speaker;
    language = first.language;
    timestamp = first.timestamp;
    QStringList originals;
    QStringList translations;
    for (const TranslationLine& line : lines) {
        originals.append(line.originalText);
        if (!line.translatedText.isEmpty())
            translations.append(line.translatedText);
    }
    originalText = originals.join(u' ');
    translatedText = translations.join(u' ');
}

QUuid TranslationParagraph::interimID()
{
    static const QUuid id = randomUuid();
    return id;
}

QList<TranslationParagraph> ParagraphGrouper::group(
    const QList<TranslationLine>& lines, const Interim& interim, double silenceThreshold, const QDateTime& now)
{
    QList<TranslationParagraph> paragraphs;
    QList<TranslationLine> run;
    QString currentSpeaker;
    for (const TranslationLine& line : lines) {
        const bool newRun = line.speaker != currentSpeaker
            || (!run.isEmpty() && secondsBetween(run.last().timestamp, line.timestamp) > silenceThreshold);
        if (newRun && !run.isEmpty()) {
            paragraphs.append(TranslationParagraph(run, now));
            run.clear();
        }
        run.append(line);
        currentSpeaker = line.speaker;
    }
    if (!run.isEmpty())
        paragraphs.append(TranslationParagraph(run, now));

    if (!interim.isListening || isBlank(interim.currentOriginal))
        return paragraphs;

    const QString liveSpeaker = interim.speaker.isEmpty() ? currentSpeaker : interim.speaker;
    const bool silence = !lines.isEmpty() && secondsBetween(lines.last().timestamp, now) > silenceThreshold;
    if (!paragraphs.isEmpty() && paragraphs.last().speaker == liveSpeaker && !silence) {
        paragraphs.last().interimOriginalWords = interim.originalWords;
        paragraphs.last().interimTranslationWords = interim.translationWords;
        return paragraphs;
    }
    TranslationParagraph live;
    live.id = TranslationParagraph::interimID();
    live.speaker = liveSpeaker;
    live.language = QStringLiteral("?");
    live.timestamp = now;
    live.interimOriginalWords = interim.originalWords;
    live.interimTranslationWords = interim.translationWords;
    paragraphs.append(live);
    return paragraphs;
}

void ParagraphIdentities::apply(const QList<TranslationLine>& lines, QList<TranslationParagraph>& paragraphs)
{
    QSet<QUuid> lineIds;
    lineIds.reserve(lines.size());
    for (const TranslationLine& line : lines)
        lineIds.insert(line.id);

    if (!lines.isEmpty() && !m_lineIds.contains(lines.last().id)) {
        const TranslationLine& last = lines.last();
        const bool retranslated = m_lastLine && !lineIds.contains(m_lastLine->id) && m_lastLine->speaker == last.speaker
            && m_lastLine->originalText == last.originalText && m_lastLine->timestamp == last.timestamp;
        if (retranslated) {
            m_shownAs.insert(last.id, m_shownAs.value(m_lastLine->id, m_lastLine->id));
        } else if (m_hadLiveParagraph) {
            // The first new line that opens a paragraph is what the live
            // paragraph showed.
            for (const TranslationLine& line : lines) {
                if (m_lineIds.contains(line.id))
                    continue;
                if (std::any_of(paragraphs.cbegin(), paragraphs.cend(),
                        [&](const TranslationParagraph& p) { return p.id == line.id; })) {
                    m_shownAs.insert(line.id, m_liveId);
                    m_liveId = {};
                }
                break;
            }
        }
    }

    m_hadLiveParagraph = false;
    for (TranslationParagraph& paragraph : paragraphs) {
        if (paragraph.id == TranslationParagraph::interimID()) {
            if (m_liveId.isNull())
                m_liveId = randomUuid();
            paragraph.id = m_liveId;
            m_hadLiveParagraph = true;
        } else if (const auto shown = m_shownAs.constFind(paragraph.id); shown != m_shownAs.cend()) {
            paragraph.id = *shown;
        }
    }

    for (auto it = m_shownAs.begin(); it != m_shownAs.end();)
        it = lineIds.contains(it.key()) ? std::next(it) : m_shownAs.erase(it);
    m_lineIds = std::move(lineIds);
    m_lastLine = lines.isEmpty() ? std::nullopt : std::optional(lines.last());
}

QString joinedWords(const std::optional<QList<InterimWord>>& words)
{
    if (!words)
        return {};
    QStringList texts;
    texts.reserve(words->size());
    for (const InterimWord& word : *words)
        texts.append(word.text);
    return texts.join(u' ');
}

} // namespace tolvaran
