#pragma once

#include <QLoggingCategory>
#include <QSettings>

#include <memory>

Q_DECLARE_LOGGING_CATEGORY(lcSettings)

namespace tolvaran {

// A QSettings file format that keeps value kinds apart, so that a text where a
// number belongs can be told from a number: numbers, booleans and texts are
// plain JSON values, binary values are {"data": "<base64>"} and URLs are
// {"url": "<encoded URL>"}. Keys are stored flat, as QSettings names them.
QSettings::Format jsonSettingsFormat();

bool readJsonSettings(QIODevice& device, QSettings::SettingsMap& map);
bool writeJsonSettings(QIODevice& device, const QSettings::SettingsMap& map);

// Opens the settings file at path; it is written, atomically, only by sync(). A file that does not hold a JSON object
// is renamed aside and kept, so the program starts on defaults and never overwrites what the user had.
std::unique_ptr<QSettings> openSettingsFile(const QString& path);

} // namespace tolvaran
