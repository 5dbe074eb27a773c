#include "ColorText.h"

#include <algorithm>

namespace tolvaran {

std::optional<QColor> colorFromHex(QStringView text)
{
    QString digits = text.trimmed().toString();
    digits.remove(QLatin1Char('#'));
    if (digits.size() != 6)
        return std::nullopt;
    // A leading "+" is accepted as a sign, as an unsigned number parser would.
    const QStringView number = digits.startsWith(QLatin1Char('+')) ? QStringView(digits).mid(1) : QStringView(digits);
    const auto isHexDigit
        = [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); };
    if (!std::all_of(number.begin(), number.end(), isHexDigit))
        return std::nullopt;
    bool ok = false;
    const qulonglong value = number.toULongLong(&ok, 16);
    if (!ok)
        return std::nullopt;
    return QColor::fromRgb(int((value >> 16) & 0xFF), int((value >> 8) & 0xFF), int(value & 0xFF));
}

QString hexString(const QColor& color)
{
    if (!color.isValid())
        return QStringLiteral("#FFFFFF");
    const QRgba64 rgb = color.toRgb().rgba64();
    // Integer arithmetic on the 16-bit channels: a float product could land a
    // hair below a whole number and truncate one step too dark.
    const auto to8Bit = [](quint16 channel) { return uint(channel) * 255u / 65535u; };
    return QStringLiteral("#%1%2%3")
        .arg(to8Bit(rgb.red()), 2, 16, QLatin1Char('0'))
        .arg(to8Bit(rgb.green()), 2, 16, QLatin1Char('0'))
        .arg(to8Bit(rgb.blue()), 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace tolvaran
