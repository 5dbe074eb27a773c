#include "TypewriterSchedule.h"

#include <QTextBoundaryFinder>

#include <algorithm>

namespace tolvaran {

namespace {

bool isPunctuation(QStringView character)
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

QStringView TypewriterSchedule::character(qsizetype index) const
{
    return QStringView(m_text).sliced(m_offsets[index], m_offsets[index + 1] - m_offsets[index]);
}

// A long text changes many times a second while it is spoken: its characters
// are offsets into one string, never a string each.
qsizetype TypewriterSchedule::synchronise(const QList<TypewriterSegment>& segments, double now)
{
    QString text;
    qsizetype units = 0;
    for (const TypewriterSegment& segment : segments)
        units += segment.text.size();
    text.reserve(units);
    // Sized once: a text of thousands of characters held with room to grow
    // would keep up to twice what it needs.
    QList<qsizetype> starts;
    starts.reserve(units + 1);
    starts.append(0);
    QList<QColor> colors;
    colors.reserve(units);
    for (const TypewriterSegment& segment : segments) {
        const qsizetype base = text.size();
        text += segment.text;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, segment.text);
        while (finder.toNextBoundary() != -1) {
            if (finder.position() == 0)
                continue;
            starts.append(base + finder.position());
            colors.append(segment.color);
        }
    }
    const qsizetype count = colors.size();
    const auto target
        = [&](qsizetype index) { return QStringView(text).sliced(starts[index], starts[index + 1] - starts[index]); };

    qsizetype i = 0;
    qsizetype firstChanged = -1;
    while (i < m_chars.size() && i < count && character(i) == target(i)) {
        if (m_chars[i].color != colors[i] && firstChanged < 0)
            firstChanged = i;
        m_chars[i].color = colors[i];
        ++i;
    }

    // Past the first difference both texts are walked together. A character
    // that differs only in case or in punctuation is what the recogniser
    // tidied up when it finished the line: it is swapped where it stands and
    // keeps its time, so the text on screen stays. Anything else ends what
    // is kept.
    QList<double> tidied;
    qsizetype old = i;
    while (old < m_chars.size() && i < count) {
        const QStringView shown = character(old);
        const QStringView next = target(i);
        const bool wasPunct = isPunctuation(shown);
        const bool isPunct = isPunctuation(next);
        if ((wasPunct && isPunct) || shown.compare(next, Qt::CaseInsensitive) == 0) {
            tidied.append(m_chars[old].revealedAt);
            ++old;
            ++i;
        } else if (wasPunct) {
            ++old;
        } else if (isPunct) {
            // Shown with its neighbours: start times never decrease.
            tidied.append(m_chars[old].revealedAt);
            ++i;
        } else {
            break;
        }
    }
    const qsizetype common = i - tidied.size();
    if (firstChanged < 0 || firstChanged > common)
        firstChanged = common;
    // The kept characters are the new text's first ones, the tidied ones
    // follow them: the new text and its offsets stand as they are.
    m_chars.resize(common);
    m_chars.reserve(count);
    for (qsizetype k = 0; k < tidied.size(); ++k)
        m_chars.append({colors[common + k], tidied[k]});

    double cursor = m_chars.isEmpty() ? now : std::max(now, m_chars.last().revealedAt);
    for (; i < count; ++i) {
        cursor += charInterval;
        m_chars.append({colors[i], cursor});
    }
    m_text = std::move(text);
    m_offsets = std::move(starts);
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
