#pragma once

#include <QString>

namespace tolvaran {

// A program that plays sound right now: binary is its executable name (what
// the capture scope "app:<binary>" names), name what it calls itself, or
// the executable name when it gives none.
struct PlayingApplication
{
    QString binary;
    QString name;

    bool operator==(const PlayingApplication&) const = default;
};

} // namespace tolvaran
