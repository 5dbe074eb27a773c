#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <optional>

namespace tolvaran {

// Enumerations whose text raw value is also their stored and wire form.
// A specialisation lists the raw values in declaration order; the enumerators
// must be 0, 1, 2, ... in that same order.
template<typename E>
struct RawValues;

template<typename E>
inline constexpr std::size_t caseCount = RawValues<E>::values.size();

template<typename E>
QString rawValue(E value)
{
    return QString::fromLatin1(RawValues<E>::values.at(static_cast<std::size_t>(value)));
}

// Exact, case-sensitive match; any other text gives no value.
template<typename E>
std::optional<E> fromRawValue(QStringView text)
{
    const auto& values = RawValues<E>::values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (text == QLatin1StringView(values[i]))
            return static_cast<E>(i);
    }
    return std::nullopt;
}

template<typename E>
constexpr std::array<E, caseCount<E>> allCases()
{
    std::array<E, caseCount<E>> cases{};
    for (std::size_t i = 0; i < cases.size(); ++i)
        cases[i] = static_cast<E>(i);
    return cases;
}

} // namespace tolvaran
