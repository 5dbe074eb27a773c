#include "TranslationModels.h"

#include <QCoreApplication>

namespace tolvaran {

namespace {

struct LanguageInfo
{
    const char* displayName;
    char country[3];
};

constexpr std::array<LanguageInfo, caseCount<TargetLanguage>> languageInfo{{
    {QT_TRANSLATE_NOOP("TargetLanguage", "English"), "US"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Spanish"), "ES"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "French"), "FR"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "German"), "DE"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Italian"), "IT"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Portuguese"), "BR"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Russian"), "RU"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Japanese"), "JP"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Korean"), "KR"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Chinese"), "CN"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Arabic"), "SA"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Hindi"), "IN"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Ukrainian"), "UA"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Polish"), "PL"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Dutch"), "NL"},
    {QT_TRANSLATE_NOOP("TargetLanguage", "Turkish"), "TR"},
}};

const LanguageInfo& info(TargetLanguage language)
{
    return languageInfo.at(static_cast<std::size_t>(language));
}

} // namespace

QString displayName(TargetLanguage language)
{
    return QCoreApplication::translate("TargetLanguage", info(language).displayName);
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
        return QCoreApplication::translate("ConnectionState", "Error: %1").arg(m_error->errorDescription());
    case Kind::disconnected:
        return QCoreApplication::translate("ConnectionState", "Disconnected");
    case Kind::connecting:
        return QCoreApplication::translate("ConnectionState", "Connecting...");
    case Kind::connected:
        return QCoreApplication::translate("ConnectionState", "Ready");
    case Kind::listening:
        return QCoreApplication::translate("ConnectionState", "Listening...");
    }
    Q_UNREACHABLE();
    return {};
}

} // namespace tolvaran
