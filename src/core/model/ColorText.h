#pragma once

#include <QColor>
#include <QString>
#include <QStringView>

#include <optional>

namespace tolvaran {

// Colours are stored and exchanged as "#RRGGBB".

// Blanks and line breaks around the text and every "#" are ignored; exactly six
// hexadecimal digits must remain. The colour is sRGB with opacity 1.
std::optional<QColor> colorFromHex(QStringView text);

// Channels are truncated, not rounded, onto the 8-bit grid; opacity is dropped.
QString hexString(const QColor& color);

} // namespace tolvaran
