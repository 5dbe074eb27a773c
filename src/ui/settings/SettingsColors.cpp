#include "SettingsColors.h"

#include <algorithm>
#include <cmath>

namespace tolvaran {

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor blend(const QColor& from, const QColor& to, double amount)
{
    const auto mix = [amount](double a, double b) { return a + (b - a) * amount; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())),
        static_cast<float>(mix(from.greenF(), to.greenF())), static_cast<float>(mix(from.blueF(), to.blueF())));
}

QColor opaque(const QColor& color)
{
    QColor result = color.toRgb();
    result.setAlphaF(1.0f);
    return result;
}

} // namespace

double SettingsColors::luminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

double SettingsColors::contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor SettingsColors::textOn(const QColor& text, const QColor& background)
{
    const QColor base = opaque(text);
    if (contrastRatio(base, background) >= minimumContrast)
        return base;
    // Toward black or white, whichever stands out more, keeping the hue as
    // far as the contrast allows: a warning stays red.
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const QColor extreme = contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
    for (double amount = 0.1; amount < 1.0; amount += 0.1) {
        const QColor candidate = blend(base, extreme, amount);
        if (contrastRatio(candidate, background) >= minimumContrast + 0.3)
            return candidate;
    }
    return extreme;
}

QColor SettingsColors::secondaryOn(const QColor& text, const QColor& background)
{
    const QColor base = textOn(text, background);
    // A little above the minimum, so that rounding to 8-bit channels and
    // antialiasing do not take it below.
    constexpr double target = minimumContrast + 0.3;
    constexpr double quietest = 0.45;
    for (double amount = quietest; amount > 0.0; amount -= 0.05) {
        const QColor candidate = blend(base, background, amount);
        if (contrastRatio(candidate, background) >= target)
            return candidate;
    }
    return base;
}

} // namespace tolvaran
