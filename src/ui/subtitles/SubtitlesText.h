#pragma once

#include "model/TranslationModels.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the subtitles show of the transcript: the lines of the current
// paragraph, joined with the words still being spoken.
namespace tolvaran::SubtitlesText {

// The newest line and the older ones of the same paragraph (same speaker, each
// at most silenceGap seconds before the next), at most the newest three,
// oldest first.
QList<TranslationLine> recentLines(const QList<TranslationLine>& lines, double silenceGap);

// The non-empty finals joined by single spaces, then the interim text with
// spaces and tabs trimmed from its ends.
QString join(const QStringList& finals, const QString& interim);

} // namespace tolvaran::SubtitlesText
