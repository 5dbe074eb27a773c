#include "AppSettings.h"

#include "Defaults.h"
#include "JsonSettingsFormat.h"

#include <QSettings>

#include <algorithm>

namespace tolvaran {

namespace Key {
const QString selectedLanguage = QStringLiteral("selectedLanguage");
const QString speakerLanguages = QStringLiteral("speakerLanguages");
const QString serverURL = QStringLiteral("serverURL");
const QString displayMode = QStringLiteral("displayMode");
const QString overlayOpacity = QStringLiteral("overlayOpacity");
const QString showSpeakerLabels = QStringLiteral("showSpeakerLabels");
const QString overlayTranslatedColor = QStringLiteral("overlayTranslatedColorHex");
const QString overlayOriginalColor = QStringLiteral("overlayOriginalColorHex");
const QString overlayParagraphBgColor = QStringLiteral("overlayParagraphBgColorHex");
const QString overlayParagraphRadius = QStringLiteral("overlayParagraphRadius");
const QString isPinnedAboveAll = QStringLiteral("isPinnedAboveAll");
const QString isSubtitlesMode = QStringLiteral("isSubtitlesMode");
const QString subtitlesSide = QStringLiteral("subtitlesSide");
const QString subtitleFontSize = QStringLiteral("subtitleFontSize");
const QString subtitleTextColor = QStringLiteral("subtitleTextColorHex");
const QString subtitleBgColor = QStringLiteral("subtitleBgColorHex");
const QString subtitleBgOpacity = QStringLiteral("subtitleBgOpacity");
const QString subtitleBottomOffset = QStringLiteral("subtitleBottomOffset");
const QString subtitleCornerRadius = QStringLiteral("subtitleCornerRadius");
const QString subtitlePaddingH = QStringLiteral("subtitlePaddingH");
const QString subtitlePaddingV = QStringLiteral("subtitlePaddingV");
const QString fontSizePreset = QStringLiteral("fontSizePreset");
const QString autoStartListening = QStringLiteral("autoStartListening");
const QString autoRecordOnListen = QStringLiteral("autoRecordOnListen");
const QString recordingsFolder = QStringLiteral("recordingsFolder");
const QString isAutoDetectEnabled = QStringLiteral("autoDetectTeams");
const QString maxTranslationLines = QStringLiteral("maxTranslationLines");
const QString paragraphSilenceGap = QStringLiteral("paragraphSilenceGap");
} // namespace Key

AppSettings::AppSettings(QObject* parent)
    : AppSettings(Defaults::standardStorePath(), parent)
{ }

AppSettings::AppSettings(const QString& storePath, QObject* parent)
    : QObject(parent)
    , m_store(openSettingsFile(storePath))
{
    load();
}

AppSettings::~AppSettings() = default;

void AppSettings::load()
{
    using namespace Defaults;
    const QSettings& store = *m_store;
    m_selectedLanguage = rawRepresentable(store, Key::selectedLanguage, TargetLanguage::english);
    m_speakerLanguages.clear();
    for (const QString& code : stringList(store, Key::speakerLanguages, {})) {
        if (const auto language = fromRawValue<TargetLanguage>(code))
            m_speakerLanguages.insert(*language);
    }
    m_serverURL = string(store, Key::serverURL, defaultServerURL);
    m_displayMode = rawRepresentable(store, Key::displayMode, DisplayMode::both);
    m_overlayOpacity = number(store, Key::overlayOpacity, 0.95);
    m_showSpeakerLabels = boolean(store, Key::showSpeakerLabels, true);
    m_overlayTranslatedColor = color(store, Key::overlayTranslatedColor, Qt::black);
    m_overlayOriginalColor = color(store, Key::overlayOriginalColor, Qt::black);
    m_overlayParagraphBgColor = color(store, Key::overlayParagraphBgColor, Qt::white);
    m_overlayParagraphRadius = number(store, Key::overlayParagraphRadius, 12);
    m_isPinnedAboveAll = boolean(store, Key::isPinnedAboveAll, false);
    m_isSubtitlesMode = boolean(store, Key::isSubtitlesMode, false);
    m_subtitlesSide = rawRepresentable(store, Key::subtitlesSide, SubtitlesSide::center);
    m_subtitleFontSize = number(store, Key::subtitleFontSize, 28);
    m_subtitleTextColor = color(store, Key::subtitleTextColor, Qt::white);
    m_subtitleBgColor = color(store, Key::subtitleBgColor, Qt::black);
    m_subtitleBgOpacity = number(store, Key::subtitleBgOpacity, 0.75);
    m_subtitleBottomOffset = number(store, Key::subtitleBottomOffset, 10);
    m_subtitleCornerRadius = number(store, Key::subtitleCornerRadius, 6);
    m_subtitlePaddingH = number(store, Key::subtitlePaddingH, 12);
    m_subtitlePaddingV = number(store, Key::subtitlePaddingV, 6);
    m_fontSizePreset = rawRepresentable(store, Key::fontSizePreset, FontSizePreset::small);
    m_autoStartListening = boolean(store, Key::autoStartListening, false);
    m_autoRecordOnListen = boolean(store, Key::autoRecordOnListen, true);
    m_recordingsFolder = url(store, Key::recordingsFolder);
    m_isAutoDetectEnabled = boolean(store, Key::isAutoDetectEnabled, false);
    m_maxTranslationLines = integer(store, Key::maxTranslationLines, 50);
    m_paragraphSilenceGap = number(store, Key::paragraphSilenceGap, 8.0);
}

double AppSettings::fontSize() const
{
    return size(m_fontSizePreset);
}

void AppSettings::cycleFontSize()
{
    const auto next = (static_cast<std::size_t>(m_fontSizePreset) + 1) % caseCount<FontSizePreset>;
    setFontSizePreset(static_cast<FontSizePreset>(next));
}

// An equal value is written again but notifies nobody.
template<typename T>
void AppSettings::assign(T& field, const T& value, const QString& key, void (AppSettings::*changed)())
{
    const bool differs = !(field == value);
    field = value;
    persist(key, value);
    if (differs)
        emit(this->*changed)();
}

void AppSettings::persist(const QString& key, bool value)
{
    Defaults::set(*m_store, key, value);
}

void AppSettings::persist(const QString& key, double value)
{
    Defaults::set(*m_store, key, value);
}

void AppSettings::persist(const QString& key, qint64 value)
{
    Defaults::set(*m_store, key, value);
}

void AppSettings::persist(const QString& key, const QString& value)
{
    Defaults::set(*m_store, key, value);
}

void AppSettings::persist(const QString& key, const QColor& value)
{
    Defaults::setColor(*m_store, key, value);
}

void AppSettings::persist(const QString& key, const QSet<TargetLanguage>& value)
{
    // Declaration order, so the file does not change from run to run.
    QList<TargetLanguage> languages(value.begin(), value.end());
    std::sort(languages.begin(), languages.end());
    QStringList codes;
    for (TargetLanguage language : languages)
        codes.append(rawValue(language));
    Defaults::setStringList(*m_store, key, codes);
}

void AppSettings::persist(const QString& key, const QUrl& value)
{
    if (value.isEmpty())
        Defaults::remove(*m_store, key);
    else
        Defaults::set(*m_store, key, value);
}

template<typename E>
requires std::is_enum_v<E>

void AppSettings::persist(const QString& key, E value)
{
    Defaults::setRaw(*m_store, key, value);
}

void AppSettings::setSelectedLanguage(TargetLanguage value)
{
    assign(m_selectedLanguage, value, Key::selectedLanguage, &AppSettings::selectedLanguageChanged);
}

void AppSettings::setSpeakerLanguages(const QSet<TargetLanguage>& value)
{
    assign(m_speakerLanguages, value, Key::speakerLanguages, &AppSettings::speakerLanguagesChanged);
}

void AppSettings::setServerURL(const QString& value)
{
    assign(m_serverURL, value, Key::serverURL, &AppSettings::serverURLChanged);
}

void AppSettings::setDisplayMode(DisplayMode value)
{
    assign(m_displayMode, value, Key::displayMode, &AppSettings::displayModeChanged);
}

void AppSettings::setOverlayOpacity(double value)
{
    assign(m_overlayOpacity, value, Key::overlayOpacity, &AppSettings::overlayOpacityChanged);
}

void AppSettings::setShowSpeakerLabels(bool value)
{
    assign(m_showSpeakerLabels, value, Key::showSpeakerLabels, &AppSettings::showSpeakerLabelsChanged);
}

void AppSettings::setOverlayTranslatedColor(const QColor& value)
{
    assign(m_overlayTranslatedColor, value, Key::overlayTranslatedColor, &AppSettings::overlayTranslatedColorChanged);
}

void AppSettings::setOverlayOriginalColor(const QColor& value)
{
    assign(m_overlayOriginalColor, value, Key::overlayOriginalColor, &AppSettings::overlayOriginalColorChanged);
}

void AppSettings::setOverlayParagraphBgColor(const QColor& value)
{
    assign(
        m_overlayParagraphBgColor, value, Key::overlayParagraphBgColor, &AppSettings::overlayParagraphBgColorChanged);
}

void AppSettings::setOverlayParagraphRadius(double value)
{
    assign(m_overlayParagraphRadius, value, Key::overlayParagraphRadius, &AppSettings::overlayParagraphRadiusChanged);
}

void AppSettings::setIsPinnedAboveAll(bool value)
{
    assign(m_isPinnedAboveAll, value, Key::isPinnedAboveAll, &AppSettings::isPinnedAboveAllChanged);
}

void AppSettings::setIsSubtitlesMode(bool value)
{
    assign(m_isSubtitlesMode, value, Key::isSubtitlesMode, &AppSettings::isSubtitlesModeChanged);
}

void AppSettings::setSubtitlesSide(SubtitlesSide value)
{
    assign(m_subtitlesSide, value, Key::subtitlesSide, &AppSettings::subtitlesSideChanged);
}

void AppSettings::setSubtitleFontSize(double value)
{
    assign(m_subtitleFontSize, value, Key::subtitleFontSize, &AppSettings::subtitleFontSizeChanged);
}

void AppSettings::setSubtitleTextColor(const QColor& value)
{
    assign(m_subtitleTextColor, value, Key::subtitleTextColor, &AppSettings::subtitleTextColorChanged);
}

void AppSettings::setSubtitleBgColor(const QColor& value)
{
    assign(m_subtitleBgColor, value, Key::subtitleBgColor, &AppSettings::subtitleBgColorChanged);
}

void AppSettings::setSubtitleBgOpacity(double value)
{
    assign(m_subtitleBgOpacity, value, Key::subtitleBgOpacity, &AppSettings::subtitleBgOpacityChanged);
}

void AppSettings::setSubtitleBottomOffset(double value)
{
    assign(m_subtitleBottomOffset, value, Key::subtitleBottomOffset, &AppSettings::subtitleBottomOffsetChanged);
}

void AppSettings::setSubtitleCornerRadius(double value)
{
    assign(m_subtitleCornerRadius, value, Key::subtitleCornerRadius, &AppSettings::subtitleCornerRadiusChanged);
}

void AppSettings::setSubtitlePaddingH(double value)
{
    assign(m_subtitlePaddingH, value, Key::subtitlePaddingH, &AppSettings::subtitlePaddingHChanged);
}

void AppSettings::setSubtitlePaddingV(double value)
{
    assign(m_subtitlePaddingV, value, Key::subtitlePaddingV, &AppSettings::subtitlePaddingVChanged);
}

void AppSettings::setFontSizePreset(FontSizePreset value)
{
    assign(m_fontSizePreset, value, Key::fontSizePreset, &AppSettings::fontSizePresetChanged);
}

void AppSettings::setAutoStartListening(bool value)
{
    assign(m_autoStartListening, value, Key::autoStartListening, &AppSettings::autoStartListeningChanged);
}

void AppSettings::setAutoRecordOnListen(bool value)
{
    assign(m_autoRecordOnListen, value, Key::autoRecordOnListen, &AppSettings::autoRecordOnListenChanged);
}

void AppSettings::setRecordingsFolder(const QUrl& value)
{
    assign(m_recordingsFolder, value, Key::recordingsFolder, &AppSettings::recordingsFolderChanged);
}

void AppSettings::setIsAutoDetectEnabled(bool value)
{
    assign(m_isAutoDetectEnabled, value, Key::isAutoDetectEnabled, &AppSettings::isAutoDetectEnabledChanged);
}

void AppSettings::setMaxTranslationLines(qint64 value)
{
    assign(m_maxTranslationLines, value, Key::maxTranslationLines, &AppSettings::maxTranslationLinesChanged);
}

void AppSettings::setParagraphSilenceGap(double value)
{
    assign(m_paragraphSilenceGap, value, Key::paragraphSilenceGap, &AppSettings::paragraphSilenceGapChanged);
}

double size(AppSettings::FontSizePreset preset)
{
    constexpr std::array sizes{14.0, 20.0, 26.0};
    return sizes.at(static_cast<std::size_t>(preset));
}

QString label(AppSettings::FontSizePreset preset)
{
    constexpr std::array labels{"Small", "Medium", "Large"};
    return QString::fromLatin1(labels.at(static_cast<std::size_t>(preset)));
}

QString label(AppSettings::SettingsTab tab)
{
    constexpr std::array labels{"General", "Connection", "Translation", "Subtitles", "Audio", "Recording", "Advanced"};
    return QString::fromLatin1(labels.at(static_cast<std::size_t>(tab)));
}

QString icon(AppSettings::SettingsTab tab)
{
    constexpr std::array icons{
        "gear", "network", "text.bubble", "captions.bubble", "waveform", "record.circle", "slider.horizontal.3"};
    return QString::fromLatin1(icons.at(static_cast<std::size_t>(tab)));
}

} // namespace tolvaran
