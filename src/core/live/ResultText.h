#pragma once

#include "model/TranslationModels.h"
#include "protocol/ServerMessages.h"

#include <QList>
#include <QString>

// The pure rules by which server results become lines and interim words.
namespace tolvaran::ResultText {

// Blanks, tabs and other horizontal white space off both ends; line breaks stay.
QString trimmed(const QString& text);

// Every token is a translation token and the translation is not blank.
bool isTranslationOnlyMessage(const TranslationResult& result);
// Every token is final and the original is not blank.
bool isFinalized(const TranslationResult& result);
// The speaker of the first token with one that is not a translation token.
std::optional<QString> speakerIdentifier(const TranslationResult& result);
// The language of the first original token that names one, else "?".
QString detectLanguage(const TranslationResult& result);
QString speakerLabel(const QString& identifier);

// When the words of a result were spoken, in milliseconds since the start of
// the connection's audio stream: from the first word's start to the last
// word's end, over the tokens that are not translation tokens. Each end is
// absent when no such token carries it.
struct SpokenTime
{
    std::optional<qint64> startMs;
    std::optional<qint64> endMs;
};

SpokenTime spokenTime(const TranslationResult& result);

// The words of text (split at blanks), keeping the identity of every word
// that stands at the same position with the same text as before.
QList<InterimWord> updateWords(const QList<InterimWord>& previous, const QString& text);

} // namespace tolvaran::ResultText
