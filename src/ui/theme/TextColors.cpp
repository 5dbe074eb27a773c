#include "TextColors.h"

#include <algorithm>
#include <cmath>

namespace tolvaran {
namespace {

const QColor darkInk(0x1D, 0x1D, 0x1F);
const QColor lightInk(0xF5, 0xF5, 0xF7);

// Aimed a little above the minimum: edges are smoothed and colours rounded
// to 8 bits on the way to the screen.
constexpr double aim = TextColors::minimumContrast * 1.05;
constexpr double secondaryAim = 7.0;

double channel(double value)
{
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double ratio(const QColor& text, const QColor& background)
{
    const double a = TextColors::luminance(TextColors::over(text, background));
    const double b = TextColors::luminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor mix(const QColor& from, const QColor& to, double amount)
{
    return QColor::fromRgbF(float(from.redF() + (to.redF() - from.redF()) * amount),
        float(from.greenF() + (to.greenF() - from.greenF()) * amount),
        float(from.blueF() + (to.blueF() - from.blueF()) * amount), from.alphaF());
}

QColor withAlpha(QColor color, double alpha)
{
    color.setAlphaF(float(std::clamp(alpha, 0.0, 1.0)));
    return color;
}

} // namespace

double TextColors::luminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

QColor TextColors::over(const QColor& top, const QColor& bottom)
{
    const QColor a = top.toRgb();
    const QColor b = bottom.toRgb();
    const double alpha = a.alphaF() + b.alphaF() * (1 - a.alphaF());
    if (alpha <= 0)
        return QColor(Qt::transparent);
    const auto blend
        = [&](double x, double y) { return float((x * a.alphaF() + y * b.alphaF() * (1 - a.alphaF())) / alpha); };
    return QColor::fromRgbF(
        blend(a.redF(), b.redF()), blend(a.greenF(), b.greenF()), blend(a.blueF(), b.blueF()), float(alpha));
}

double TextColors::contrast(const QColor& text, const QColor& background)
{
    if (background.alphaF() >= 1)
        return ratio(text, background);
    return std::min(ratio(text, over(background, Qt::black)), ratio(text, over(background, Qt::white)));
}

QColor TextColors::ink(const QColor& background)
{
    const bool dark = contrast(darkInk, background) >= contrast(lightInk, background);
    const QColor soft = dark ? darkInk : lightInk;
    // A mid-tone background leaves room only for pure black or white.
    if (contrast(soft, background) >= aim)
        return soft;
    return contrast(Qt::black, background) >= contrast(Qt::white, background) ? QColor(Qt::black) : QColor(Qt::white);
}

QColor TextColors::label(const QColor& background, int level)
{
    const QColor base = ink(background);
    if (level == Primary)
        return base;
    const double wanted = level == Secondary ? secondaryAim : aim;
    for (int percent = 30; percent < 100; ++percent) {
        const QColor candidate = withAlpha(base, percent / 100.0);
        if (contrast(candidate, background) >= wanted)
            return candidate;
    }
    return base;
}

QColor TextColors::readable(const QColor& color, const QColor& background)
{
    if (contrast(color, background) >= aim)
        return color;
    const QColor target = ink(background);
    for (int percent = 5; percent < 100; percent += 5) {
        const QColor candidate = mix(color, target, percent / 100.0);
        if (contrast(candidate, background) >= aim)
            return candidate;
    }
    return target;
}

QColor TextColors::faint(const QColor& color, const QColor& background, double opacity)
{
    const QColor wanted = withAlpha(color, color.alphaF() * opacity);
    if (contrast(wanted, background) >= aim)
        return wanted;
    if (contrast(color, background) < aim)
        return color;
    for (double alpha = wanted.alphaF(); alpha < color.alphaF(); alpha += 0.01) {
        const QColor candidate = withAlpha(color, alpha);
        if (contrast(candidate, background) >= aim)
            return candidate;
    }
    return color;
}

QColor TextColors::fillUnderWhite(const QColor& tint, double opacity, const QColor& background)
{
    for (int percent = 0; percent < 100; percent += 5) {
        const QColor fill = mix(tint, Qt::black, percent / 100.0);
        if (contrast(lightInk, over(withAlpha(fill, fill.alphaF() * opacity), background)) >= aim)
            return fill;
    }
    return Qt::black;
}

} // namespace tolvaran
