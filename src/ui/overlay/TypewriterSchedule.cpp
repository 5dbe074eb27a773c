#include "TypewriterSchedule.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace tolvaran {

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
    if (firstChanged < 0)
        firstChanged = i;
    m_chars.resize(i);
    m_offsets.resize(i + 1);
    m_text.truncate(m_offsets[i]);

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
