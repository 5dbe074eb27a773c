#include "AppSettings.h"

#include "Defaults.h"
#include "InterfaceLanguage.h"
#include "JsonSettingsFormat.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <algorithm>
#include <array>
#include <limits>

namespace tolvaran {

namespace Key {
#define TOLVARAN_SETTING_KEY(Type, name, Name, key, fallback) const QString name = QStringLiteral(key);
TOLVARAN_APP_SETTINGS(TOLVARAN_SETTING_KEY)
#undef TOLVARAN_SETTING_KEY
} // namespace Key

namespace {

// A frame is stored as the text "x,y,width,height"; anything else, or an
// empty size, reads as none.
QRect rectFromText(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return {};
    std::array<int, 4> numbers{};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        bool ok = false;
        numbers[i] = parts[qsizetype(i)].trimmed().toInt(&ok);
        if (!ok)
            return {};
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return {};
    return {numbers[0], numbers[1], numbers[2], numbers[3]};
}

QString textFromRect(const QRect& rect)
{
    return QStringLiteral("%1,%2,%3,%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height());
}

// How each kind of value is read from the store; anything unusable gives the fallback.
template<typename T>
T read(const QSettings& store, const QString& key, const T& fallback)
{
    using namespace Defaults;
    if constexpr (std::is_enum_v<T>) {
        return rawRepresentable(store, key, fallback);
    } else if constexpr (std::is_same_v<T, LanguageSet>) {
        // Unknown codes are dropped one by one.
        LanguageSet languages;
        for (const QString& code : stringList(store, key, {})) {
            if (const auto language = fromRawValue<TargetLanguage>(code))
                languages.insert(*language);
        }
        return languages;
    } else if constexpr (std::is_same_v<T, QStringList>) {
        return stringList(store, key, fallback);
    } else if constexpr (std::is_same_v<T, QString>) {
        return string(store, key, fallback);
    } else if constexpr (std::is_same_v<T, bool>) {
        return boolean(store, key, fallback);
    } else if constexpr (std::is_same_v<T, double>) {
        return number(store, key, fallback);
    } else if constexpr (std::is_same_v<T, int>) {
        const qint64 value = integer(store, key, fallback);
        return value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max() ? int(value)
                                                                                                    : fallback;
    } else if constexpr (std::is_same_v<T, QColor>) {
        return color(store, key, fallback);
    } else if constexpr (std::is_same_v<T, QRect>) {
        const QRect rect = rectFromText(string(store, key, QString()));
        return rect.isValid() ? rect : fallback;
    } else {
        static_assert(std::is_same_v<T, QUrl>);
        return url(store, key);
    }
}

// How each kind of value is written.
template<typename T>
void write(QSettings& store, const QString& key, const T& value)
{
    using namespace Defaults;
    if constexpr (std::is_enum_v<T>) {
        setRaw(store, key, value);
    } else if constexpr (std::is_same_v<T, LanguageSet>) {
        // Declaration order, so the file does not change from run to run.
        QList<TargetLanguage> languages(value.begin(), value.end());
        std::sort(languages.begin(), languages.end());
        QStringList codes;
        for (TargetLanguage language : languages)
            codes.append(rawValue(language));
        setStringList(store, key, codes);
    } else if constexpr (std::is_same_v<T, QStringList>) {
        setStringList(store, key, value);
    } else if constexpr (std::is_same_v<T, QColor>) {
        setColor(store, key, value);
    } else if constexpr (std::is_same_v<T, QRect>) {
        // No frame: the key goes.
        if (value.isValid())
            set(store, key, textFromRect(value));
        else
            remove(store, key);
    } else if constexpr (std::is_same_v<T, QUrl>) {
        // No folder: the key goes.
        if (value.isEmpty())
            remove(store, key);
        else
            set(store, key, value);
    } else {
        set(store, key, QVariant::fromValue(value));
    }
}

} // namespace

AppSettings::AppSettings(QObject* parent)
    : AppSettings(Defaults::standardStorePath(), parent)
{ }

AppSettings::AppSettings(const QString& storePath, QObject* parent)
    : QObject(parent)
    , m_store(openSettingsFile(storePath))
{
    const bool isFirstStart = !QFileInfo::exists(storePath);
    load();
    m_writeTimer.setSingleShot(true);
    m_writeTimer.setInterval(writeDelay);
    connect(&m_writeTimer, &QTimer::timeout, this, &AppSettings::flush);
    // A Spanish desktop translates into Spanish from the first call.
    if (isFirstStart)
        if (const auto desktop = InterfaceLanguage::fromDesktop())
            setSelectedLanguage(*desktop);
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &AppSettings::flush);
}

AppSettings::~AppSettings()
{
    flush();
}

void AppSettings::flush()
{
    m_writeTimer.stop();
    Defaults::sync(*m_store);
}

bool AppSettings::isValidServerURL(const QString& text)
{
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("ws") || scheme == QLatin1String("wss")) && !url.host().isEmpty();
}

void AppSettings::load()
{
#define TOLVARAN_SETTING_LOAD(Type, name, Name, key, fallback) m_##name = read<Type>(*m_store, Key::name, fallback);
    TOLVARAN_APP_SETTINGS(TOLVARAN_SETTING_LOAD)
#undef TOLVARAN_SETTING_LOAD
    m_captureScope = knownCaptureScope(m_captureScope);
    if (m_callApplications != teamsCallApplications)
        m_callApplications = anyCallApplications;
}

QString AppSettings::knownCaptureScope(const QString& scope)
{
    if (scope == callAppCaptureScope)
        return scope;
    // An executable name has no slash and is not empty.
    if (scope.startsWith(appCaptureScopePrefix) && scope.size() > appCaptureScopePrefix.size()
        && !scope.contains(QLatin1Char('/')))
        return scope;
    return systemCaptureScope;
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

// An equal value is written again but notifies nobody. The timer is not
// restarted by later assignments, so a long drag is written every writeDelay.
template<typename T>
void AppSettings::assign(T& field, const T& value, const QString& key, void (AppSettings::*changed)())
{
    const bool differs = !(field == value);
    field = value;
    write(*m_store, key, value);
    if (!m_writeTimer.isActive())
        m_writeTimer.start();
    if (differs)
        emit(this->*changed)();
}

#define TOLVARAN_SETTING_SETTER(Type, name, Name, key, fallback)                                                       \
    void AppSettings::set##Name(const Type& value)                                                                     \
    {                                                                                                                  \
        assign(m_##name, value, Key::name, &AppSettings::name##Changed);                                               \
    }
TOLVARAN_APP_SETTINGS(TOLVARAN_SETTING_SETTER)
#undef TOLVARAN_SETTING_SETTER

double size(AppSettings::FontSizePreset preset)
{
    constexpr std::array sizes{14.0, 20.0, 26.0};
    return sizes.at(static_cast<std::size_t>(preset));
}

QString label(AppSettings::FontSizePreset preset)
{
    constexpr std::array labels{QT_TRANSLATE_NOOP("AppSettings", "Small"), QT_TRANSLATE_NOOP("AppSettings", "Medium"),
        QT_TRANSLATE_NOOP("AppSettings", "Large")};
    return QCoreApplication::translate("AppSettings", labels.at(static_cast<std::size_t>(preset)));
}

QString label(AppSettings::SettingsTab tab)
{
    constexpr std::array labels{QT_TRANSLATE_NOOP("AppSettings", "General"),
        QT_TRANSLATE_NOOP("AppSettings", "Connection"), QT_TRANSLATE_NOOP("AppSettings", "Translation"),
        QT_TRANSLATE_NOOP("AppSettings", "Subtitles"), QT_TRANSLATE_NOOP("AppSettings", "Audio"),
        QT_TRANSLATE_NOOP("AppSettings", "Recording"), QT_TRANSLATE_NOOP("AppSettings", "Advanced")};
    return QCoreApplication::translate("AppSettings", labels.at(static_cast<std::size_t>(tab)));
}

QString icon(AppSettings::SettingsTab tab)
{
    constexpr std::array icons{
        "gear", "network", "text.bubble", "captions.bubble", "waveform", "record.circle", "slider.horizontal.3"};
    return QString::fromLatin1(icons.at(static_cast<std::size_t>(tab)));
}

} // namespace tolvaran
