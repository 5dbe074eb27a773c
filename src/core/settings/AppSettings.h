#pragma once

#include "model/RawRepresentable.h"
#include "model/TranslationModels.h"

#include <QColor>
#include <QObject>
#include <QRect>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <chrono>
#include <memory>

class QSettings;

namespace tolvaran {

inline size_t qHash(TargetLanguage language, size_t seed = 0) noexcept
{
    return ::qHash(static_cast<int>(language), seed);
}

using LanguageSet = QSet<TargetLanguage>;

// Every setting, once, in load order: its type, its property, the property
// with a capital (for the setter's name), its store key and its default.
// Each row makes a property with its getter, setter, change signal, member,
// load and write-through; a type's reading and writing are in AppSettings.cpp.
// The namespace's enums are named with it and counts are int, so that the QML
// tools know each property's type.
#define TOLVARAN_APP_SETTINGS(X)                                                                                       \
    X(tolvaran::TargetLanguage, selectedLanguage, SelectedLanguage, "selectedLanguage", TargetLanguage::english)       \
    X(LanguageSet, speakerLanguages, SpeakerLanguages, "speakerLanguages", LanguageSet())                              \
    X(QString, serverURL, ServerURL, "serverURL", defaultServerURL)                                                    \
    X(tolvaran::DisplayMode, displayMode, DisplayMode, "displayMode", DisplayMode::both)                               \
    X(double, overlayOpacity, OverlayOpacity, "overlayOpacity", 0.95)                                                  \
    X(bool, showSpeakerLabels, ShowSpeakerLabels, "showSpeakerLabels", true)                                           \
    X(QColor, overlayTranslatedColor, OverlayTranslatedColor, "overlayTranslatedColorHex", QColor(Qt::black))          \
    X(QColor, overlayOriginalColor, OverlayOriginalColor, "overlayOriginalColorHex", QColor(Qt::black))                \
    X(QColor, overlayParagraphBgColor, OverlayParagraphBgColor, "overlayParagraphBgColorHex", QColor(Qt::white))       \
    X(double, overlayParagraphRadius, OverlayParagraphRadius, "overlayParagraphRadius", 12.0)                          \
    X(bool, isPinnedAboveAll, IsPinnedAboveAll, "isPinnedAboveAll", false)                                             \
    X(bool, isSubtitlesMode, IsSubtitlesMode, "isSubtitlesMode", false)                                                \
    X(SubtitlesSide, subtitlesSide, SubtitlesSide, "subtitlesSide", SubtitlesSide::center)                             \
    X(double, subtitleFontSize, SubtitleFontSize, "subtitleFontSize", 28.0)                                            \
    X(QColor, subtitleTextColor, SubtitleTextColor, "subtitleTextColorHex", QColor(Qt::white))                         \
    X(QColor, subtitleBgColor, SubtitleBgColor, "subtitleBgColorHex", QColor(Qt::black))                               \
    X(double, subtitleBgOpacity, SubtitleBgOpacity, "subtitleBgOpacity", 0.75)                                         \
    X(double, subtitleBottomOffset, SubtitleBottomOffset, "subtitleBottomOffset", 10.0)                                \
    X(double, subtitleCornerRadius, SubtitleCornerRadius, "subtitleCornerRadius", 6.0)                                 \
    X(double, subtitlePaddingH, SubtitlePaddingH, "subtitlePaddingH", 12.0)                                            \
    X(double, subtitlePaddingV, SubtitlePaddingV, "subtitlePaddingV", 6.0)                                             \
    X(FontSizePreset, fontSizePreset, FontSizePreset, "fontSizePreset", FontSizePreset::small)                         \
    X(bool, autoStartListening, AutoStartListening, "autoStartListening", false)                                       \
    X(bool, autoRecordOnListen, AutoRecordOnListen, "autoRecordOnListen", true)                                        \
    X(QUrl, recordingsFolder, RecordingsFolder, "recordingsFolder", QUrl())                                            \
    X(bool, isAutoDetectEnabled, IsAutoDetectEnabled, "autoDetectTeams", false)                                        \
    X(QString, callApplications, CallApplications, "callApplications", anyCallApplications)                            \
    X(QStringList, extraCallApplications, ExtraCallApplications, "extraCallApplications", QStringList())               \
    X(QString, listeningShortcut, ListeningShortcut, "listeningShortcut", QStringLiteral("Ctrl+Alt+L"))                \
    X(QString, overlayShortcut, OverlayShortcut, "overlayShortcut", QStringLiteral("Ctrl+Alt+O"))                      \
    X(QString, recordingShortcut, RecordingShortcut, "recordingShortcut", QStringLiteral("Ctrl+Alt+R"))                \
    X(int, maxTranslationLines, MaxTranslationLines, "maxTranslationLines", 50)                                        \
    X(double, paragraphSilenceGap, ParagraphSilenceGap, "paragraphSilenceGap", 8.0)                                    \
    X(QString, captureScope, CaptureScope, "captureScope", systemCaptureScope)                                         \
    X(bool, shareRoomsOnNetwork, ShareRoomsOnNetwork, "shareRoomsOnNetwork", false)                                    \
    X(QRect, overlayFrame, OverlayFrame, "overlayFrame", QRect())                                                      \
    X(QString, interfaceLanguage, InterfaceLanguage, "interfaceLanguage", QStringLiteral("system"))

#define TOLVARAN_SETTING_PROPERTY(Type, name, Name, key, fallback)                                                     \
    Q_PROPERTY(Type name READ name WRITE set##Name NOTIFY name##Changed)
#define TOLVARAN_SETTING_ACCESSORS(Type, name, Name, key, fallback)                                                    \
    Type name() const                                                                                                  \
    {                                                                                                                  \
        return m_##name;                                                                                               \
    }                                                                                                                  \
    void set##Name(const Type& value);
#define TOLVARAN_SETTING_SIGNAL(Type, name, Name, key, fallback) void name##Changed();
#define TOLVARAN_SETTING_MEMBER(Type, name, Name, key, fallback) Type m_##name;

// Every user preference, read once from the per-user store and written back
// after every assignment: a burst of assignments (a slider being dragged)
// reaches the file once, at most writeDelay after its first one, and what is
// pending is written on quit and by flush(). Observers hear only of real
// changes.
class AppSettings : public QObject
{
    Q_OBJECT
    TOLVARAN_APP_SETTINGS(TOLVARAN_SETTING_PROPERTY)
    Q_PROPERTY(double fontSize READ fontSize NOTIFY fontSizePresetChanged)
    Q_PROPERTY(bool isServerURLValid READ isServerURLValid NOTIFY serverURLChanged)

public:
    enum class FontSizePreset { small, medium, large };
    Q_ENUM(FontSizePreset)

    enum class SubtitlesSide { left, center, right };
    Q_ENUM(SubtitlesSide)

    enum class SettingsTab { general, connection, translation, subtitles, audio, recording, advanced };
    Q_ENUM(SettingsTab)

    // There is no public translation service; the project ships a local one.
    static inline const QString defaultServerURL = QStringLiteral("ws://localhost:3000");
    static constexpr std::chrono::milliseconds writeDelay{250};

    // A ws:// or wss:// URL with a host; anything else cannot be connected to.
    static bool isValidServerURL(const QString& text);

    // What listening captures: everything the computer plays, the detected
    // call's application, or one application by its executable name
    // ("app:firefox-esr").
    static inline const QString systemCaptureScope = QStringLiteral("system");
    static inline const QString callAppCaptureScope = QStringLiteral("callApp");
    static inline const QString appCaptureScopePrefix = QStringLiteral("app:");
    // The scope itself when it is one of those, else "system".
    static QString knownCaptureScope(const QString& scope);

    // Which applications' calls are detected: those of the call list and
    // the user's own (extraCallApplications), or Teams alone.
    static inline const QString anyCallApplications = QStringLiteral("any");
    static inline const QString teamsCallApplications = QStringLiteral("teams");

    // Reads the standard per-user store. Without a store (a first start) the
    // target language is the desktop's when it is one of them, and is stored.
    explicit AppSettings(QObject* parent = nullptr);
    // Reads the store at storePath (tests, tools).
    explicit AppSettings(const QString& storePath, QObject* parent = nullptr);
    ~AppSettings() override;

    // selectedLanguage(), setSelectedLanguage(...) and so on, one pair per row.
    // overlayFrame is where the user left the overlay panel, in the
    // desktop's coordinates (top-left origin, as Qt places windows); an empty
    // one, or one that could not be read, means its home corner.
    TOLVARAN_APP_SETTINGS(TOLVARAN_SETTING_ACCESSORS)

    // The overlay text size in points of the current preset.
    double fontSize() const;

    // small -> medium -> large -> small.
    Q_INVOKABLE void cycleFontSize();

    bool isServerURLValid() const { return isValidServerURL(m_serverURL); }

    // Writes pending assignments to the file now.
    Q_INVOKABLE void flush();

signals:
    TOLVARAN_APP_SETTINGS(TOLVARAN_SETTING_SIGNAL)

private:
    void load();
    template<typename T>
    void assign(T& field, const T& value, const QString& key, void (AppSettings::*changed)());

    std::unique_ptr<QSettings> m_store;
    QTimer m_writeTimer;
    TOLVARAN_APP_SETTINGS(TOLVARAN_SETTING_MEMBER)
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
