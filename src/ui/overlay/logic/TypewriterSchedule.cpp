#include "TypewriterSchedule.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace tolvaran {

namespace {

bool isPunctuation(const QString& character)
{
    return !character.isEmpty()
        && std::all_of(character.cbegin(), character.cend(), [](QChar c) { return c.isPunct(); });
}

} // namespace

QStringList TypewriterSchedule::graphemes(const QString& text)
{
    QStringList result;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() != -1) {
        const qsizetype end = finder.position();
        result.append(text.mid(start, end - start));
        start = end;
    }
    return result;
}

qsizetype TypewriterSchedule::synchronise(const QList<TypewriterSegment>& segments, double now)
{
    struct Target
    {
        QString character;
        QColor color;
    };

    QList<Target> targets;
    for (const TypewriterSegment& segment : segments)
        for (QString& character : graphemes(segment.text))
            targets.append({std::move(character), segment.color});

    qsizetype i = 0;
    qsizetype firstChanged = -1;
    while (i < m_chars.size() && i < targets.size() && m_chars[i].character == targets[i].character) {
        if (m_chars[i].color != targets[i].color && firstChanged < 0)
            firstChanged = i;
        m_chars[i].color = targets[i].color;
        ++i;
    }

    // Past the first difference both texts are walked together. A character
    // that differs only in case or in punctuation is what the recogniser
    // tidied up when it finished the line: it is swapped where it stands and
    // keeps its time, so the text on screen stays. Anything else ends what
    // is kept.
    QList<Char> tidied;
    qsizetype old = i;
    while (old < m_chars.size() && i < targets.size()) {
        const Char& shown = m_chars[old];
        Target& target = targets[i];
        const bool wasPunct = isPunctuation(shown.character);
        const bool isPunct = isPunctuation(target.character);
        if ((wasPunct && isPunct) || shown.character.toCaseFolded() == target.character.toCaseFolded()) {
            tidied.append({std::move(target.character), target.color, shown.revealedAt});
            ++old;
            ++i;
        } else if (wasPunct) {
            ++old;
        } else if (isPunct) {
            // Shown with its neighbours: start times never decrease.
            tidied.append({std::move(target.character), target.color, shown.revealedAt});
            ++i;
        } else {
            break;
        }
    }
    const qsizetype common = i - tidied.size();
    if (firstChanged < 0 || firstChanged > common)
        firstChanged = common;
    m_chars.resize(common);
    m_offsets.resize(common + 1);
    m_text.truncate(m_offsets[common]);
    for (Char& c : tidied) {
        m_text += c.character;
        m_offsets.append(m_text.size());
        m_chars.append(std::move(c));
    }

    double cursor = m_chars.isEmpty() ? now : std::max(now, m_chars.last().revealedAt);
    for (; i < targets.size(); ++i) {
        cursor += charInterval;
        m_text += targets[i].character;
        m_offsets.append(m_text.size());
        m_chars.append({std::move(targets[i].character), targets[i].color, cursor});
    }
    return firstChanged;
}

double TypewriterSchedule::opacity(qsizetype index, double t) const
{
    return std::clamp((t - m_chars[index].revealedAt) / fadeDuration, 0.0, 1.0);
}

qsizetype TypewriterSchedule::visibleCount(double t) const
{
    // Start times never decrease along the text.
    const auto firstHidden
        = std::partition_point(m_chars.cbegin(), m_chars.cend(), [t](const Char& c) { return c.revealedAt < t; });
    return firstHidden - m_chars.cbegin();
}

qsizetype TypewriterSchedule::indexAt(qsizetype offset) const
{
    const auto after = std::upper_bound(m_offsets.cbegin(), m_offsets.cend(), offset);
    return std::min<qsizetype>(after - m_offsets.cbegin() - 1, m_chars.size());
}

bool TypewriterSchedule::isFullyRevealed(double t) const
{
    // A hair of tolerance, so that sums of intervals that are exact on paper
    // end on the frame they should.
    return m_chars.isEmpty() || t - m_chars.last().revealedAt >= fadeDuration - 1e-9;
}

} // namespace tolvaran
