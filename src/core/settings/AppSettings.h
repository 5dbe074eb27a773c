#pragma once

#include "model/RawRepresentable.h"
#include "model/TranslationModels.h"

#include <QColor>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>

#include <memory>

class QSettings;

namespace tolvaran {

inline size_t qHash(TargetLanguage language, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(language), seed);
}

// Every user preference, read once from the per-user store and written back
// on every assignment. Observers hear only of real changes.
class AppSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        TargetLanguage selectedLanguage READ selectedLanguage WRITE setSelectedLanguage NOTIFY selectedLanguageChanged)
    Q_PROPERTY(QSet<TargetLanguage> speakerLanguages READ speakerLanguages WRITE setSpeakerLanguages NOTIFY
            speakerLanguagesChanged)
    Q_PROPERTY(QString serverURL READ serverURL WRITE setServerURL NOTIFY serverURLChanged)
    Q_PROPERTY(DisplayMode displayMode READ displayMode WRITE setDisplayMode NOTIFY displayModeChanged)
    Q_PROPERTY(double overlayOpacity READ overlayOpacity WRITE setOverlayOpacity NOTIFY overlayOpacityChanged)
    Q_PROPERTY(bool showSpeakerLabels READ showSpeakerLabels WRITE setShowSpeakerLabels NOTIFY showSpeakerLabelsChanged)
    Q_PROPERTY(QColor overlayTranslatedColor READ overlayTranslatedColor WRITE setOverlayTranslatedColor NOTIFY
            overlayTranslatedColorChanged)
    Q_PROPERTY(QColor overlayOriginalColor READ overlayOriginalColor WRITE setOverlayOriginalColor NOTIFY
            overlayOriginalColorChanged)
    Q_PROPERTY(QColor overlayParagraphBgColor READ overlayParagraphBgColor WRITE setOverlayParagraphBgColor NOTIFY
            overlayParagraphBgColorChanged)
    Q_PROPERTY(double overlayParagraphRadius READ overlayParagraphRadius WRITE setOverlayParagraphRadius NOTIFY
            overlayParagraphRadiusChanged)
    Q_PROPERTY(bool isPinnedAboveAll READ isPinnedAboveAll WRITE setIsPinnedAboveAll NOTIFY isPinnedAboveAllChanged)
    Q_PROPERTY(bool isSubtitlesMode READ isSubtitlesMode WRITE setIsSubtitlesMode NOTIFY isSubtitlesModeChanged)
    Q_PROPERTY(SubtitlesSide subtitlesSide READ subtitlesSide WRITE setSubtitlesSide NOTIFY subtitlesSideChanged)
    Q_PROPERTY(double subtitleFontSize READ subtitleFontSize WRITE setSubtitleFontSize NOTIFY subtitleFontSizeChanged)
    Q_PROPERTY(
        QColor subtitleTextColor READ subtitleTextColor WRITE setSubtitleTextColor NOTIFY subtitleTextColorChanged)
    Q_PROPERTY(QColor subtitleBgColor READ subtitleBgColor WRITE setSubtitleBgColor NOTIFY subtitleBgColorChanged)
    Q_PROPERTY(
        double subtitleBgOpacity READ subtitleBgOpacity WRITE setSubtitleBgOpacity NOTIFY subtitleBgOpacityChanged)
    Q_PROPERTY(double subtitleBottomOffset READ subtitleBottomOffset WRITE setSubtitleBottomOffset NOTIFY
            subtitleBottomOffsetChanged)
    Q_PROPERTY(double subtitleCornerRadius READ subtitleCornerRadius WRITE setSubtitleCornerRadius NOTIFY
            subtitleCornerRadiusChanged)
    Q_PROPERTY(double subtitlePaddingH READ subtitlePaddingH WRITE setSubtitlePaddingH NOTIFY subtitlePaddingHChanged)
    Q_PROPERTY(double subtitlePaddingV READ subtitlePaddingV WRITE setSubtitlePaddingV NOTIFY subtitlePaddingVChanged)
    Q_PROPERTY(FontSizePreset fontSizePreset READ fontSizePreset WRITE setFontSizePreset NOTIFY fontSizePresetChanged)
    Q_PROPERTY(
        bool autoStartListening READ autoStartListening WRITE setAutoStartListening NOTIFY autoStartListeningChanged)
    Q_PROPERTY(
        bool autoRecordOnListen READ autoRecordOnListen WRITE setAutoRecordOnListen NOTIFY autoRecordOnListenChanged)
    Q_PROPERTY(QUrl recordingsFolder READ recordingsFolder WRITE setRecordingsFolder NOTIFY recordingsFolderChanged)
    Q_PROPERTY(bool isAutoDetectEnabled READ isAutoDetectEnabled WRITE setIsAutoDetectEnabled NOTIFY
            isAutoDetectEnabledChanged)
    Q_PROPERTY(qint64 maxTranslationLines READ maxTranslationLines WRITE setMaxTranslationLines NOTIFY
            maxTranslationLinesChanged)
    Q_PROPERTY(double paragraphSilenceGap READ paragraphSilenceGap WRITE setParagraphSilenceGap NOTIFY
            paragraphSilenceGapChanged)
    Q_PROPERTY(double fontSize READ fontSize NOTIFY fontSizePresetChanged)

public:
    enum class FontSizePreset { small, medium, large };
    Q_ENUM(FontSizePreset)

    enum class SubtitlesSide { left, center, right };
    Q_ENUM(SubtitlesSide)

    enum class SettingsTab { general, connection, translation, subtitles, audio, recording, advanced };
    Q_ENUM(SettingsTab)

    // There is no public translation service; the project ships a local one.
    static inline const QString defaultServerURL = QStringLiteral("ws://localhost:3000");

    // Reads the standard per-user store.
    explicit AppSettings(QObject* parent = nullptr);
    // Reads the store at storePath (tests, tools).
    explicit AppSettings(const QString& storePath, QObject* parent = nullptr);
    ~AppSettings() override;

    TargetLanguage selectedLanguage() const { return m_selectedLanguage; }

    QSet<TargetLanguage> speakerLanguages() const { return m_speakerLanguages; }

    QString serverURL() const { return m_serverURL; }

    DisplayMode displayMode() const { return m_displayMode; }

    double overlayOpacity() const { return m_overlayOpacity; }

    bool showSpeakerLabels() const { return m_showSpeakerLabels; }

    QColor overlayTranslatedColor() const { return m_overlayTranslatedColor; }

    QColor overlayOriginalColor() const { return m_overlayOriginalColor; }

    QColor overlayParagraphBgColor() const { return m_overlayParagraphBgColor; }

    double overlayParagraphRadius() const { return m_overlayParagraphRadius; }

    bool isPinnedAboveAll() const { return m_isPinnedAboveAll; }

    bool isSubtitlesMode() const { return m_isSubtitlesMode; }

    SubtitlesSide subtitlesSide() const { return m_subtitlesSide; }

    double subtitleFontSize() const { return m_subtitleFontSize; }

    QColor subtitleTextColor() const { return m_subtitleTextColor; }

    QColor subtitleBgColor() const { return m_subtitleBgColor; }

    double subtitleBgOpacity() const { return m_subtitleBgOpacity; }

    double subtitleBottomOffset() const { return m_subtitleBottomOffset; }

    double subtitleCornerRadius() const { return m_subtitleCornerRadius; }

    double subtitlePaddingH() const { return m_subtitlePaddingH; }

    double subtitlePaddingV() const { return m_subtitlePaddingV; }

    FontSizePreset fontSizePreset() const { return m_fontSizePreset; }

    bool autoStartListening() const { return m_autoStartListening; }

    bool autoRecordOnListen() const { return m_autoRecordOnListen; }

    QUrl recordingsFolder() const { return m_recordingsFolder; }

    bool isAutoDetectEnabled() const { return m_isAutoDetectEnabled; }

    qint64 maxTranslationLines() const { return m_maxTranslationLines; }

    double paragraphSilenceGap() const { return m_paragraphSilenceGap; }

    // The overlay text size in points of the current preset.
    double fontSize() const;

    void setSelectedLanguage(TargetLanguage value);
    void setSpeakerLanguages(const QSet<TargetLanguage>& value);
    void setServerURL(const QString& value);
    void setDisplayMode(DisplayMode value);
    void setOverlayOpacity(double value);
    void setShowSpeakerLabels(bool value);
    void setOverlayTranslatedColor(const QColor& value);
    void setOverlayOriginalColor(const QColor& value);
    void setOverlayParagraphBgColor(const QColor& value);
    void setOverlayParagraphRadius(double value);
    void setIsPinnedAboveAll(bool value);
    void setIsSubtitlesMode(bool value);
    void setSubtitlesSide(SubtitlesSide value);
    void setSubtitleFontSize(double value);
    void setSubtitleTextColor(const QColor& value);
    void setSubtitleBgColor(const QColor& value);
    void setSubtitleBgOpacity(double value);
    void setSubtitleBottomOffset(double value);
    void setSubtitleCornerRadius(double value);
    void setSubtitlePaddingH(double value);
    void setSubtitlePaddingV(double value);
    void setFontSizePreset(FontSizePreset value);
    void setAutoStartListening(bool value);
    void setAutoRecordOnListen(bool value);
    void setRecordingsFolder(const QUrl& value);
    void setIsAutoDetectEnabled(bool value);
    void setMaxTranslationLines(qint64 value);
    void setParagraphSilenceGap(double value);

    // small -> medium -> large -> small.
    Q_INVOKABLE void cycleFontSize();

signals:
    void selectedLanguageChanged();
    void speakerLanguagesChanged();
    void serverURLChanged();
    void displayModeChanged();
    void overlayOpacityChanged();
    void showSpeakerLabelsChanged();
    void overlayTranslatedColorChanged();
    void overlayOriginalColorChanged();
    void overlayParagraphBgColorChanged();
    void overlayParagraphRadiusChanged();
    void isPinnedAboveAllChanged();
    void isSubtitlesModeChanged();
    void subtitlesSideChanged();
    void subtitleFontSizeChanged();
    void subtitleTextColorChanged();
    void subtitleBgColorChanged();
    void subtitleBgOpacityChanged();
    void subtitleBottomOffsetChanged();
    void subtitleCornerRadiusChanged();
    void subtitlePaddingHChanged();
    void subtitlePaddingVChanged();
    void fontSizePresetChanged();
    void autoStartListeningChanged();
    void autoRecordOnListenChanged();
    void recordingsFolderChanged();
    void isAutoDetectEnabledChanged();
    void maxTranslationLinesChanged();
    void paragraphSilenceGapChanged();

private:
    void load();
    template<typename T>
    void assign(T& field, const T& value, const QString& key, void (AppSettings::*changed)());
    void persist(const QString& key, bool value);
    void persist(const QString& key, double value);
    void persist(const QString& key, qint64 value);
    void persist(const QString& key, const QString& value);
    void persist(const QString& key, const QColor& value);
    void persist(const QString& key, const QSet<TargetLanguage>& value);
    void persist(const QString& key, const QUrl& value);
    template<typename E>
    requires std::is_enum_v<E>
    void persist(const QString& key, E value);

    std::unique_ptr<QSettings> m_store;

    TargetLanguage m_selectedLanguage;
    QSet<TargetLanguage> m_speakerLanguages;
    QString m_serverURL;
    DisplayMode m_displayMode;
    double m_overlayOpacity;
    bool m_showSpeakerLabels;
    QColor m_overlayTranslatedColor;
    QColor m_overlayOriginalColor;
    QColor m_overlayParagraphBgColor;
    double m_overlayParagraphRadius;
    bool m_isPinnedAboveAll;
    bool m_isSubtitlesMode;
    SubtitlesSide m_subtitlesSide;
    double m_subtitleFontSize;
    QColor m_subtitleTextColor;
    QColor m_subtitleBgColor;
    double m_subtitleBgOpacity;
    double m_subtitleBottomOffset;
    double m_subtitleCornerRadius;
    double m_subtitlePaddingH;
    double m_subtitlePaddingV;
    FontSizePreset m_fontSizePreset;
    bool m_autoStartListening;
    bool m_autoRecordOnListen;
    QUrl m_recordingsFolder;
    bool m_isAutoDetectEnabled;
    qint64 m_maxTranslationLines;
    double m_paragraphSilenceGap;
};

template<>
struct RawValues<AppSettings::FontSizePreset>
{
    static constexpr std::array values{"small", "medium", "large"};
};

template<>
struct RawValues<AppSettings::SubtitlesSide>
{
    static constexpr std::array values{"left", "center", "right"};
};

template<>
struct RawValues<AppSettings::SettingsTab>
{
    static constexpr std::array values{
        "general", "connection", "translation", "subtitles", "audio", "recording", "advanced"};
};

// Overlay text size in points: 14, 20, 26.
double size(AppSettings::FontSizePreset preset);
QString label(AppSettings::FontSizePreset preset);
QString label(AppSettings::SettingsTab tab);
// A system symbol name; the views map it to a glyph.
QString icon(AppSettings::SettingsTab tab);

} // namespace tolvaran
