#include "InterfaceLanguage.h"

#include <array>

namespace tolvaran::InterfaceLanguage {

std::optional<TargetLanguage> fromDesktop(const QStringList& desktopLanguages)
{
    for (const QString& name : desktopLanguages) {
        // "pt-BR", "zh_TW", "de": the language is what comes before the region.
        const QString code = name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
        if (const auto language = fromRawValue<TargetLanguage>(code))
            return language;
    }
    return std::nullopt;
}

TargetLanguage resolve(const QString& setting, const QStringList& desktopLanguages)
{
    if (const auto chosen = fromRawValue<TargetLanguage>(setting))
        return *chosen;
    return fromDesktop(desktopLanguages).value_or(TargetLanguage::english);
}

QLocale locale(TargetLanguage language, const QLocale& desktop)
{
    const QLocale own(rawValue(language));
    // A C desktop speaks English in neutral formats.
    const bool isNeutralEnglish = language == TargetLanguage::english && desktop.language() == QLocale::C;
    return desktop.language() == own.language() || isNeutralEnglish ? desktop : own;
}

QString nativeName(TargetLanguage language)
{
    // Qt's own names carry the region ("español de España").
    static const std::array<const char*, caseCount<TargetLanguage>> names{"English", "Español", "Français", "Deutsch",
        "Italiano", "Português", "Русский", "日本語", "한국어", "中文", "العربية", "हिन्दी", "Українська", "Polski",
        "Nederlands", "Türkçe"};
    return QString::fromUtf8(names.at(static_cast<std::size_t>(language)));
}

} // namespace tolvaran::InterfaceLanguage
