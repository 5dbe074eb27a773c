#pragma once

#include "RawRepresentable.h"
#include "TolvaranError.h"

#include <QDateTime>
#include <QHash>
#include <QMetaType>
#include <QObject>
#include <QString>
#include <QUuid>

#include <optional>

namespace tolvaran {
Q_NAMESPACE

// Declaration order is the order in which languages are offered for choice.
enum class TargetLanguage {
    english,
    spanish,
    french,
    german,
    italian,
    portuguese,
    russian,
    japanese,
    korean,
    chinese,
    arabic,
    hindi,
    ukrainian,
    polish,
    dutch,
    turkish,
};
Q_ENUM_NS(TargetLanguage)

template<>
struct RawValues<TargetLanguage>
{
    static constexpr std::array values{
        "en", "es", "fr", "de", "it", "pt", "ru", "ja", "ko", "zh", "ar", "hi", "uk", "pl", "nl", "tr"};
};

QString displayName(TargetLanguage language);
// Two regional-indicator symbols of a country where the language is spoken.
QString flag(TargetLanguage language);

enum class DisplayMode { translatedOnly, both, originalOnly };
Q_ENUM_NS(DisplayMode)

template<>
struct RawValues<DisplayMode>
{
    static constexpr std::array values{"translated", "both", "original"};
};

constexpr bool showOriginal(DisplayMode mode)
{
    return mode != DisplayMode::translatedOnly;
}

constexpr bool showTranslated(DisplayMode mode)
{
    return mode != DisplayMode::originalOnly;
}

class ConnectionState
{
public:
    enum class Kind { error, disconnected, connecting, connected, listening };

    ConnectionState() = default;

    static ConnectionState disconnected() { return ConnectionState(Kind::disconnected); }

    static ConnectionState connecting() { return ConnectionState(Kind::connecting); }

    static ConnectionState connected() { return ConnectionState(Kind::connected); }

    static ConnectionState listening() { return ConnectionState(Kind::listening); }

    static ConnectionState error(const TolvaranError& error);

    Kind kind() const { return m_kind; }

    // Set only in the error state.
    const std::optional<TolvaranError>& error() const { return m_error; }

    QString statusText() const;

    bool operator==(const ConnectionState&) const = default;

private:
    explicit ConnectionState(Kind kind)
        : m_kind(kind)
    { }

    Kind m_kind = Kind::disconnected;
    std::optional<TolvaranError> m_error;
};

// One finished line of the conversation.
struct TranslationLine
{
    Q_GADGET
    Q_PROPERTY(QUuid id MEMBER id CONSTANT)
    Q_PROPERTY(QString speaker MEMBER speaker CONSTANT)
    Q_PROPERTY(QString originalText MEMBER originalText CONSTANT)
    Q_PROPERTY(QString translatedText MEMBER translatedText CONSTANT)
    Q_PROPERTY(QString language MEMBER language CONSTANT)
    Q_PROPERTY(QDateTime timestamp MEMBER timestamp CONSTANT)
    Q_PROPERTY(bool isFinal MEMBER isFinal CONSTANT)

public:
    QUuid id;
    QString speaker;
    QString originalText;
    QString translatedText;
    QString language;
    QDateTime timestamp;
    bool isFinal = false;

    bool operator==(const TranslationLine&) const = default;
};

// A not-yet-final piece of text, shown while the speaker is still talking.
struct InterimWord
{
    Q_GADGET
    Q_PROPERTY(QUuid id MEMBER id CONSTANT)
    Q_PROPERTY(QString text MEMBER text CONSTANT)

public:
    QUuid id;
    QString text;

    bool operator==(const InterimWord&) const = default;
};

} // namespace tolvaran

Q_DECLARE_METATYPE(tolvaran::ConnectionState)
