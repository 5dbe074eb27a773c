#pragma once

#include "model/RawRepresentable.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QLatin1StringView>
#include <QList>
#include <QString>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <concepts>
#include <optional>
#include <rapidjson/document.h>
#include <rapidjson/encodedstream.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>
#include <system_error>
#include <type_traits>
#include <utility>

// Strict JSON decoding and encoding of wire records, written once. A record
// lists its fields in a static `fields(self, visit)` as visit("key", member);
// a std::optional member is optional on the wire (absent or null gives none),
// every other member is required. Kinds are checked strictly: a text is never
// a number, and an integer member takes only whole numbers. RapidJSON parses:
// results arrive several times a second for hours, and Qt's parser costs
// several times as much.
namespace tolvaran::json {

template<typename T>
concept Record = requires(T& record)
{
    T::fields(record, [](QLatin1StringView, auto&) {});
};

template<typename T>
struct IsOptional : std::false_type
{
};

template<typename T>
struct IsOptional<std::optional<T>> : std::true_type
{
};

template<typename T>
concept RawEnum = std::is_enum_v<T> && requires
{
    RawValues<T>::values;
};

using Writer = rapidjson::Writer<rapidjson::StringBuffer>;

// A type with a JSON form of its own (a UUID as text, a date as a number)
// specialises Codec with `static bool decode(const rapidjson::Value&, T&)` and
// `static void encode(Writer&, const T&)`, where the records using it are coded.
template<typename T>
struct Codec
{
};

template<typename T>
concept HasCodec = requires(const rapidjson::Value& value, T& out, Writer& writer)
{
    {
        Codec<T>::decode(value, out)
        } -> std::same_as<bool>;
    Codec<T>::encode(writer, std::as_const(out));
};

inline QString toQString(const rapidjson::Value& value)
{
    return QString::fromUtf8(value.GetString(), qsizetype(value.GetStringLength()));
}

template<typename T>
bool decodeValue(const rapidjson::Value& value, T& out);

template<Record T>
bool decodeRecord(const rapidjson::Value& object, T& record)
{
    if (!object.IsObject())
        return false;
    bool ok = true;
    T::fields(record, [&](QLatin1StringView key, auto& member) {
        if (!ok)
            return;
        using Member = std::remove_cvref_t<decltype(member)>;
        const auto found = object.FindMember(rapidjson::Value(rapidjson::StringRef(key.data(), key.size())));
        const rapidjson::Value* value = found == object.MemberEnd() ? nullptr : &found->value;
        if constexpr (IsOptional<Member>::value) {
            member.reset();
            if (!value || value->IsNull())
                return;
            typename Member::value_type decoded{};
            ok = decodeValue(*value, decoded);
            if (ok)
                member = std::move(decoded);
        } else {
            ok = value && decodeValue(*value, member);
        }
    });
    return ok;
}

template<typename T>
bool decodeValue(const rapidjson::Value& value, T& out)
{
    if constexpr (HasCodec<T>) {
        return Codec<T>::decode(value, out);
    } else if constexpr (std::same_as<T, QString>) {
        if (!value.IsString())
            return false;
        out = toQString(value);
        return true;
    } else if constexpr (std::same_as<T, bool>) {
        if (!value.IsBool())
            return false;
        out = value.GetBool();
        return true;
    } else if constexpr (std::same_as<T, double>) {
        if (!value.IsNumber())
            return false;
        out = value.GetDouble();
        return true;
    } else if constexpr (std::same_as<T, qint64>) {
        if (value.IsInt64()) {
            out = value.GetInt64();
            return true;
        }
        // A whole number written with a fraction or exponent ("3.0") still counts.
        if (!value.IsDouble())
            return false;
        const double number = value.GetDouble();
        constexpr double limit = 9223372036854775808.0; // 2^63
        if (std::trunc(number) != number || !(number >= -limit && number < limit))
            return false;
        out = qint64(number);
        return true;
    } else if constexpr (RawEnum<T>) {
        if (!value.IsString())
            return false;
        const auto decoded = fromRawValue<T>(toQString(value));
        if (!decoded)
            return false;
        out = *decoded;
        return true;
    } else if constexpr (Record<T>) {
        return decodeRecord(value, out);
    } else {
        // QList of any decodable element.
        if (!value.IsArray())
            return false;
        T list;
        list.reserve(qsizetype(value.Size()));
        for (const rapidjson::Value& element : value.GetArray()) {
            typename T::value_type decoded{};
            if (!decodeValue(element, decoded))
                return false;
            list.append(std::move(decoded));
        }
        out = std::move(list);
        return true;
    }
}

// No record nests deeper than a few levels; text from outside that does is
// refused before it can cost stack or memory.
inline constexpr unsigned maxDepth = 64;

// Builds the document from the reader's events, refusing to open a container
// beyond maxDepth.
class DepthBoundHandler
{
public:
    explicit DepthBoundHandler(rapidjson::Document& document)
        : m_document(document)
    { }

    bool Null() { return m_document.Null(); }

    bool Bool(bool b) { return m_document.Bool(b); }

    bool Int(int i) { return m_document.Int(i); }

    bool Uint(unsigned i) { return m_document.Uint(i); }

    bool Int64(int64_t i) { return m_document.Int64(i); }

    bool Uint64(uint64_t i) { return m_document.Uint64(i); }

    bool Double(double d) { return m_document.Double(d); }

    // Numbers come as their text (RapidJSON's own full-precision conversion
    // reads out of bounds on some inputs) and are converted here, exactly and
    // whatever the locale: a double written by the writer reads back equal.
    bool RawNumber(const char* text, rapidjson::SizeType length, bool)
    {
        const char* end = text + length;
        if (std::find_if(text, end, [](char c) { return c == '.' || c == 'e' || c == 'E'; }) == end) {
            int64_t signedValue = 0;
            if (std::from_chars(text, end, signedValue).ptr == end)
                return m_document.Int64(signedValue);
            uint64_t unsignedValue = 0;
            if (std::from_chars(text, end, unsignedValue).ptr == end)
                return m_document.Uint64(unsignedValue);
        }
        double value = 0;
        const auto [rest, error] = std::from_chars(text, end, value);
        // Beyond the range of a double (either way) is refused, as RapidJSON does.
        return rest == end && error == std::errc() && m_document.Double(value);
    }

    bool String(const char* text, rapidjson::SizeType length, bool copy)
    {
        return m_document.String(text, length, copy);
    }

    bool Key(const char* text, rapidjson::SizeType length, bool copy) { return m_document.Key(text, length, copy); }

    bool StartObject() { return enter() && m_document.StartObject(); }

    bool EndObject(rapidjson::SizeType count)
    {
        --m_depth;
        return m_document.EndObject(count);
    }

    bool StartArray() { return enter() && m_document.StartArray(); }

    bool EndArray(rapidjson::SizeType count)
    {
        --m_depth;
        return m_document.EndArray(count);
    }

private:
    bool enter() { return ++m_depth <= maxDepth; }

    rapidjson::Document& m_document;
    unsigned m_depth = 0;
};

// Parses one JSON text strictly (valid UTF-8, no comments, no trailing
// commas), without recursion and at most maxDepth containers deep.
inline bool parse(QByteArrayView utf8, rapidjson::Document& document)
{
    constexpr unsigned flags = rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag
        | rapidjson::kParseNumbersAsStringsFlag;
    rapidjson::MemoryStream bytes(utf8.data(), size_t(utf8.size()));
    rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> stream(bytes);
    bool parsed = false;
    auto generate = [&](rapidjson::Document& target) {
        DepthBoundHandler handler(target);
        rapidjson::Reader reader;
        parsed = !reader.Parse<flags>(stream, handler).IsError();
        return parsed;
    };
    document.SetNull();
    document.Populate(generate);
    return parsed;
}

template<typename T>
void encodeValue(Writer& writer, const T& value);

template<Record T>
void encodeRecord(Writer& writer, const T& record)
{
    writer.StartObject();
    T::fields(record, [&](QLatin1StringView key, const auto& member) {
        using Member = std::remove_cvref_t<decltype(member)>;
        if constexpr (IsOptional<Member>::value) {
            // An empty optional is left out, not written as null.
            if (!member)
                return;
            writer.Key(key.data(), rapidjson::SizeType(key.size()));
            encodeValue(writer, *member);
        } else {
            writer.Key(key.data(), rapidjson::SizeType(key.size()));
            encodeValue(writer, member);
        }
    });
    writer.EndObject();
}

template<typename T>
void encodeValue(Writer& writer, const T& value)
{
    if constexpr (HasCodec<T>) {
        Codec<T>::encode(writer, value);
    } else if constexpr (std::same_as<T, QString>) {
        const QByteArray utf8 = value.toUtf8();
        writer.String(utf8.constData(), rapidjson::SizeType(utf8.size()));
    } else if constexpr (std::same_as<T, bool>) {
        writer.Bool(value);
    } else if constexpr (std::same_as<T, double>) {
        writer.Double(value);
    } else if constexpr (std::same_as<T, qint64>) {
        writer.Int64(value);
    } else if constexpr (RawEnum<T>) {
        encodeValue(writer, rawValue(value));
    } else if constexpr (Record<T>) {
        encodeRecord(writer, value);
    } else {
        writer.StartArray();
        for (const auto& element : value)
            encodeValue(writer, element);
        writer.EndArray();
    }
}

// Compact: no white space.
template<Record T>
QByteArray encodeCompact(const T& record)
{
    rapidjson::StringBuffer buffer;
    Writer writer(buffer);
    encodeRecord(writer, record);
    return QByteArray(buffer.GetString(), qsizetype(buffer.GetSize()));
}

} // namespace tolvaran::json
