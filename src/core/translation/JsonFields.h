#pragma once

#include "RawRepresentable.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QList>
#include <QString>

#include <concepts>
#include <limits>
#include <optional>
#include <type_traits>

// Strict JSON decoding and encoding of wire records, written once. A record
// lists its fields in a static `fields(self, visit)` as visit("key", member);
// a std::optional member is optional on the wire (absent or null gives none),
// every other member is required. Kinds are checked strictly: a text is never
// a number, and an integer member takes only whole numbers.
namespace tolvaran::json {

template<typename T>
concept Record = requires(T& record)
{
    T::fields(record, [](QLatin1StringView, auto&) {});
};

template<typename T> struct IsOptional : std::false_type
{
};

template<typename T> struct IsOptional<std::optional<T>> : std::true_type
{
};

template<typename T>
concept RawEnum = std::is_enum_v<T> && requires
{
    RawValues<T>::values;
};

template<typename T> bool decodeValue(const QJsonValue& value, T& out);

template<Record T> bool decodeRecord(const QJsonObject& object, T& record)
{
    bool ok = true;
    T::fields(record, [&](QLatin1StringView key, auto& member) {
        if (!ok)
            return;
        using Member = std::remove_cvref_t<decltype(member)>;
        const QJsonValue value = object.value(key);
        if constexpr (IsOptional<Member>::value) {
            member.reset();
            if (value.isUndefined() || value.isNull())
                return;
            typename Member::value_type decoded {};
            ok = decodeValue(value, decoded);
            if (ok)
                member = std::move(decoded);
        } else {
            ok = !value.isUndefined() && decodeValue(value, member);
        }
    });
    return ok;
}

template<typename T> bool decodeValue(const QJsonValue& value, T& out)
{
    if constexpr (std::same_as<T, QString>) {
        if (!value.isString())
            return false;
        out = value.toString();
        return true;
    } else if constexpr (std::same_as<T, bool>) {
        if (!value.isBool())
            return false;
        out = value.toBool();
        return true;
    } else if constexpr (std::same_as<T, double>) {
        if (!value.isDouble())
            return false;
        out = value.toDouble();
        return true;
    } else if constexpr (std::same_as<T, qint64>) {
        // Whole and in range exactly when both fallbacks are ignored.
        if (!value.isDouble())
            return false;
        const qint64 low = value.toInteger(std::numeric_limits<qint64>::min());
        if (low != value.toInteger(std::numeric_limits<qint64>::max()))
            return false;
        out = low;
        return true;
    } else if constexpr (RawEnum<T>) {
        if (!value.isString())
            return false;
        const auto decoded = fromRawValue<T>(value.toString());
        if (!decoded)
            return false;
        out = *decoded;
        return true;
    } else if constexpr (Record<T>) {
        return value.isObject() && decodeRecord(value.toObject(), out);
    } else {
        // QList of any decodable element.
        if (!value.isArray())
            return false;
        const QJsonArray array = value.toArray();
        T list;
        list.reserve(array.size());
        for (const QJsonValue& element : array) {
            typename T::value_type decoded {};
            if (!decodeValue(element, decoded))
                return false;
            list.append(std::move(decoded));
        }
        out = std::move(list);
        return true;
    }
}

template<typename T> QJsonValue encodeValue(const T& value);

template<Record T> QJsonObject encodeRecord(const T& record)
{
    QJsonObject object;
    T::fields(record, [&](QLatin1StringView key, const auto& member) {
        using Member = std::remove_cvref_t<decltype(member)>;
        if constexpr (IsOptional<Member>::value) {
            if (member)
                object.insert(key, encodeValue(*member));
        } else {
            object.insert(key, encodeValue(member));
        }
    });
    return object;
}

template<typename T> QJsonValue encodeValue(const T& value)
{
    if constexpr (std::same_as<T,
                      QString> || std::same_as<T, bool> || std::same_as<T, double> || std::same_as<T, qint64>) {
        return QJsonValue(value);
    } else if constexpr (RawEnum<T>) {
        return rawValue(value);
    } else if constexpr (Record<T>) {
        return encodeRecord(value);
    } else {
        QJsonArray array;
        for (const auto& element : value)
            array.append(encodeValue(element));
        return array;
    }
}

} // namespace tolvaran::json
