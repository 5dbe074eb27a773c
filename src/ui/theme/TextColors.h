#pragma once

#include <QColor>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace tolvaran {

// The one rule by which every text gets its colour: from what it is drawn
// on, never from the palette alone, since a user's colour or the desktop
// under a translucent panel may be anything.
//
// - Plain text takes the ink of its background: near-black on a light one,
//   near-white on a dark one, whichever contrasts more.
// - Quieter levels are that ink at the least opacity that still reaches
//   their contrast: secondary 7:1, tertiary 4.5:1.
// - Coloured text (an error in red, a user's colour made fainter) keeps its
//   hue and is moved toward the ink only as far as 4.5:1 needs.
// - A coloured fill that carries a white label is deepened until the label
//   reads on it.
// - A translucent background is judged at its worst, over black and over
//   white, because the desktop beneath may be either.
//
// Contrast is WCAG's: (L1 + 0.05) / (L2 + 0.05) of relative luminances.
class TextColors : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    enum Level { Primary, Secondary, Tertiary };
    Q_ENUM(Level)

    // What every text must reach against what it is drawn on.
    static constexpr double minimumContrast = 4.5;

    using QObject::QObject;

    static double luminance(const QColor& color);
    // top drawn over bottom, with the alpha of both.
    Q_INVOKABLE static QColor over(const QColor& top, const QColor& bottom);
    // The contrast of text drawn on background, at the background's worst.
    Q_INVOKABLE static double contrast(const QColor& text, const QColor& background);

    Q_INVOKABLE static QColor ink(const QColor& background);
    Q_INVOKABLE static QColor label(const QColor& background, int level = Primary);
    Q_INVOKABLE static QColor readable(const QColor& color, const QColor& background);
    // color at opacity over background, but never fainter than readable:
    // a pair the user chose below that is left as chosen, not faded further.
    Q_INVOKABLE static QColor faint(const QColor& color, const QColor& background, double opacity);
    // A coloured fill that carries a white label (an action button, a
    // badge): tint, deepened as far as the label needs when it is drawn at
    // opacity over background.
    Q_INVOKABLE static QColor fillUnderWhite(const QColor& tint, double opacity, const QColor& background);
};

} // namespace tolvaran
