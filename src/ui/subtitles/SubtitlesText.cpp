#include "SubtitlesText.h"

#include <algorithm>

namespace tolvaran::SubtitlesText {

namespace {

constexpr qsizetype maxLines = 3;

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Line breaks are kept: only what the server pads words with goes.
QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

} // namespace

QList<TranslationLine> recentLines(const QList<TranslationLine>& lines, double silenceGap)
{
    QList<TranslationLine> collected;
    for (auto it = lines.crbegin(); it != lines.crend(); ++it) {
        if (!collected.isEmpty()) {
            const TranslationLine& newer = collected.constLast();
            const double gap = static_cast<double>(it->timestamp.msecsTo(newer.timestamp)) / 1000.0;
            if (gap > silenceGap || it->speaker != newer.speaker)
                break;
        }
        collected.append(*it);
        // Older lines could only be dropped again.
        if (collected.size() == maxLines)
            break;
    }
    std::reverse(collected.begin(), collected.end());
    return collected;
}

QString join(const QStringList& finals, const QString& interim)
{
    QStringList parts;
    for (const QString& text : finals)
        if (!text.isEmpty())
            parts.append(text);
    const QString trimmed = trimBlanks(interim);
    if (!trimmed.isEmpty())
        parts.append(trimmed);
    return parts.join(QLatin1Char(' '));
}

} // namespace tolvaran::SubtitlesText
