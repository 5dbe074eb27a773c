#include "InterfaceTranslator.h"

#include "settings/AppSettings.h"
#include "settings/Defaults.h"
#include "settings/InterfaceLanguage.h"
#include "settings/JsonSettingsFormat.h"

#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QQmlEngine>

// Which language was chosen is debug detail: --help and --export answer on the
// same terminal.
Q_LOGGING_CATEGORY(lcInterfaceLanguage, "com.tolvaran.app.InterfaceLanguage", QtInfoMsg)

namespace tolvaran {

InterfaceTranslator::InterfaceTranslator(QQmlEngine* engine, QObject* parent)
    : QObject(parent)
    , m_engine(engine)
{ }

InterfaceTranslator::~InterfaceTranslator()
{
    remove();
}

void InterfaceTranslator::remove()
{
    QCoreApplication::removeTranslator(&m_own);
    QCoreApplication::removeTranslator(&m_qt);
}

void InterfaceTranslator::apply(const QString& setting)
{
    const TargetLanguage language = InterfaceLanguage::resolve(setting);
    if (m_isApplied && language == m_language)
        return;
    m_isApplied = true;
    m_language = language;
    const QLocale locale = InterfaceLanguage::locale(language);
    QLocale::setDefault(locale);
    remove();
    // English is the texts' own language; Qt's own texts have no English
    // catalogue either.
    if (language != TargetLanguage::english) {
        const QLocale catalogueLocale(rawValue(language));
        if (m_own.load(catalogueLocale, QStringLiteral("tolvaran"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            QCoreApplication::installTranslator(&m_own);
        else
            qCWarning(lcInterfaceLanguage, "No catalogue for %s", qUtf8Printable(rawValue(language)));
        if (m_qt.load(catalogueLocale, QStringLiteral("qt"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&m_qt);
        else
            qCDebug(lcInterfaceLanguage, "No catalogue of Qt's own texts for %s", qUtf8Printable(rawValue(language)));
    }
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QGuiApplication::setLayoutDirection(locale.textDirection());
    qCDebug(lcInterfaceLanguage, "The interface speaks %s", qUtf8Printable(rawValue(language)));
    if (m_engine) {
        m_engine->setUiLanguage(rawValue(language));
        m_engine->retranslate();
    }
    emit languageChanged();
}

QString InterfaceTranslator::storedSetting()
{
    const QSettings store(Defaults::standardStorePath(), jsonSettingsFormat());
    return Defaults::string(store, QStringLiteral("interfaceLanguage"), InterfaceLanguage::systemSetting);
}

void InterfaceTranslator::follow(AppSettings& settings)
{
    apply(settings.interfaceLanguage());
    connect(&settings, &AppSettings::interfaceLanguageChanged, this,
        [this, &settings] { apply(settings.interfaceLanguage()); });
}

} // namespace tolvaran
