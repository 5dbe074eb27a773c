#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

namespace tolvaran {

struct TypewriterSegment
{
    QString text;
    QColor color;

    bool operator==(const TypewriterSegment&) const = default;
};

// When each character of a growing text starts to fade in. Characters are
// what a reader counts as one (grapheme clusters: a flag or a letter with its
// accents is one). Times are seconds on a monotonic clock the caller reads.
class TypewriterSchedule
{
public:
    struct Char
    {
        QColor color;
        double revealedAt = 0;
    };

    static QStringList graphemes(const QString& text);

    double charInterval = 0.02;
    double fadeDuration = 0.25;

    // Keeps the characters the new text starts with (taking their new colour
    // without a new fade), drops the rest and queues the new ones behind the
    // later of now and the last queued one. Gives the first character that
    // looks different now: recoloured, replaced or new.
    qsizetype synchronise(const QList<TypewriterSegment>& segments, double now);

    const QList<Char>& chars() const { return m_chars; }

    // The text of character i.
    QStringView character(qsizetype index) const;

    // 0 before the character's start, 1 once it has faded in.
    double opacity(qsizetype index, double t) const;
    // How many characters have started by t; they always form a prefix.
    qsizetype visibleCount(double t) const;
    bool isFullyRevealed(double t) const;

    // Where character i starts in the text of all characters, in UTF-16 units;
    // offset(chars().size()) is the whole length.
    qsizetype offset(qsizetype index) const { return m_offsets[index]; }

    // The character that UTF-16 unit `offset` belongs to; chars().size() at
    // or past the end.
    qsizetype indexAt(qsizetype offset) const;

    // The first n characters as one text.
    QString text(qsizetype n) const { return m_text.left(m_offsets[n]); }

private:
    QList<Char> m_chars;
    QString m_text;
    QList<qsizetype> m_offsets{0};
};

} // namespace tolvaran
