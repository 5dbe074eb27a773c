#pragma once

#include "model/TranslationModels.h"

#include <QLocale>
#include <QObject>
#include <QPointer>
#include <QQmlEngine>
#include <QTranslator>

namespace tolvaran {

class AppSettings;

// Puts the interface's language in force: the program's own catalogue and
// Qt's (dialog buttons, the colour and folder dialogs), the locale dates and
// numbers are written in, and the layout direction. Open windows follow at
// once: QML bindings are evaluated anew and the C++ behind the views
// announces its texts anew (onLanguageChange). Main thread only.
class InterfaceTranslator : public QObject
{
    Q_OBJECT

public:
    // engine, when given, has its bindings retranslated on every change.
    explicit InterfaceTranslator(QQmlEngine* engine = nullptr, QObject* parent = nullptr);
    ~InterfaceTranslator() override;

    void setEngine(QQmlEngine* engine) { m_engine = engine; }

    // The interfaceLanguage setting as stored in the per-user store, read
    // without opening it for writing: for what is answered before the
    // settings are loaded (--help, --export).
    static QString storedSetting();

    // For a value of the interfaceLanguage setting ("system" or a code).
    void apply(const QString& setting);
    // Applies the setting now and whenever it changes.
    void follow(AppSettings& settings);

    TargetLanguage language() const { return m_language; }

signals:
    void languageChanged();

private:
    void remove();

    QPointer<QQmlEngine> m_engine;
    QTranslator m_own;
    QTranslator m_qt;
    TargetLanguage m_language = TargetLanguage::english;
    bool m_isApplied = false;
};

} // namespace tolvaran
