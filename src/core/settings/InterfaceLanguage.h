#pragma once

#include "model/TranslationModels.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

// Which of the target languages the interface speaks. The desktop's
// languages are the ones Qt reads from LANGUAGE, LC_ALL, LC_MESSAGES and LANG,
// most wanted first ("de-AT", "de", "en-US").
namespace tolvaran::InterfaceLanguage {

// The setting's value that follows the desktop.
inline const QString systemSetting = QStringLiteral("system");

// The first of the desktop's languages that is a target language.
std::optional<TargetLanguage> fromDesktop(const QStringList& desktopLanguages = QLocale::system().uiLanguages());

// The language for a value of the interfaceLanguage setting: a target
// language's code, or "system" (and anything unknown) for the desktop's,
// English when the desktop speaks none of them.
TargetLanguage resolve(const QString& setting, const QStringList& desktopLanguages = QLocale::system().uiLanguages());

// How dates and numbers are written in that language: the desktop's own way
// when the desktop speaks it (an Austrian desktop keeps its dates, a C one
// its neutral English), else the language's usual one.
QLocale locale(TargetLanguage language, const QLocale& desktop = QLocale::system());

// The language's name in itself ("Deutsch", "العربية"), for the picker.
QString nativeName(TargetLanguage language);

} // namespace tolvaran::InterfaceLanguage
