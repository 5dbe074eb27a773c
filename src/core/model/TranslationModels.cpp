#include "TranslationModels.h"

namespace tolvaran {

namespace {

struct LanguageInfo
{
    const char* displayName;
    char country[3];
};

constexpr std::array<LanguageInfo, caseCount<TargetLanguage>> languageInfo{{
    {"English", "US"},
    {"Spanish", "ES"},
    {"French", "FR"},
    {"German", "DE"},
    {"Italian", "IT"},
    {"Portuguese", "BR"},
    {"Russian", "RU"},
    {"Japanese", "JP"},
    {"Korean", "KR"},
    {"Chinese", "CN"},
    {"Arabic", "SA"},
    {"Hindi", "IN"},
    {"Ukrainian", "UA"},
    {"Polish", "PL"},
    {"Dutch", "NL"},
    {"Turkish", "TR"},
}};

const LanguageInfo& info(TargetLanguage language)
{
    return languageInfo.at(static_cast<std::size_t>(language));
}

} // namespace

QString displayName(TargetLanguage language)
{
    return QString::fromLatin1(info(language).displayName);
}

QString flag(TargetLanguage language)
{
    constexpr char32_t regionalIndicatorA = 0x1F1E6;
    const char* country = info(language).country;
    const char32_t symbols[]
        = {regionalIndicatorA + char32_t(country[0] - 'A'), regionalIndicatorA + char32_t(country[1] - 'A')};
    return QString::fromUcs4(symbols, 2);
}

ConnectionState ConnectionState::error(const TolvaranError& error)
{
    ConnectionState state(Kind::error);
    state.m_error = error;
    return state;
}

QString ConnectionState::statusText() const
{
    switch (m_kind) {
    case Kind::error:
        return QStringLiteral("Error: ") + m_error->errorDescription();
    case Kind::disconnected:
        return QStringLiteral("Disconnected");
    case Kind::connecting:
        return QStringLiteral("Connecting...");
    case Kind::connected:
        return QStringLiteral("Ready");
    case Kind::listening:
        return QStringLiteral("Listening...");
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace tolvaran
