#include "ResultText.h"

#include "model/RandomUuid.h"

#include <algorithm>

namespace tolvaran::ResultText {

namespace {

bool isHorizontalSpace(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

} // namespace

QString trimmed(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isHorizontalSpace(text[begin]))
        ++begin;
    while (end > begin && isHorizontalSpace(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

bool isTranslationOnlyMessage(const TranslationResult& result)
{
    const bool allTranslation = std::all_of(result.tokens.begin(), result.tokens.end(),
        [](const auto& token) { return token.translationStatus == TranslationStatus::translation; });
    return allTranslation && !trimmed(result.translation).isEmpty();
}

bool isFinalized(const TranslationResult& result)
{
    const bool allFinal
        = std::all_of(result.tokens.begin(), result.tokens.end(), [](const auto& token) { return token.isFinal; });
    return allFinal && !trimmed(result.original).isEmpty();
}

std::optional<QString> speakerIdentifier(const TranslationResult& result)
{
    for (const TranslationToken& token : result.tokens) {
        if (token.speaker && token.translationStatus != TranslationStatus::translation)
            return token.speaker;
    }
    return std::nullopt;
}

QString detectLanguage(const TranslationResult& result)
{
    for (const TranslationToken& token : result.tokens) {
        if (token.translationStatus == TranslationStatus::original && token.language)
            return *token.language;
    }
    return QStringLiteral("?");
}

QString speakerLabel(const QString& identifier)
{
    return QStringLiteral("Speaker ") + identifier;
}

SpokenTime spokenTime(const TranslationResult& result)
{
    SpokenTime time;
    for (const TranslationToken& token : result.tokens) {
        if (token.translationStatus == TranslationStatus::translation)
            continue;
        if (token.startMs)
            time.startMs = std::min(time.startMs.value_or(*token.startMs), *token.startMs);
        if (token.endMs)
            time.endMs = std::max(time.endMs.value_or(*token.endMs), *token.endMs);
    }
    return time;
}

QList<InterimWord> updateWords(const QList<InterimWord>& previous, const QString& text)
{
    const QStringList words = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<InterimWord> updated;
    updated.reserve(words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i < previous.size() && previous[i].text == words[i])
            updated.append(previous[i]);
        else
            updated.append(InterimWord{randomUuid(), words[i]});
    }
    return updated;
}

} // namespace tolvaran::ResultText
