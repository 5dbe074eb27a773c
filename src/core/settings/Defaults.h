#pragma once

#include "model/RawRepresentable.h"

#include <QColor>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariant>

// Typed reading and writing of the per-user settings store. Readers accept a
// stored value only of a compatible kind and otherwise give the fallback;
// writers change the store in memory, and sync() writes it to the file.
namespace tolvaran::Defaults {

// The per-user store: $XDG_CONFIG_HOME/Tolvaran/settings.json.
QString standardStorePath();

QString string(const QSettings& store, const QString& key, const QString& fallback);
// Numbers and booleans are interchangeable (non-zero is true); nothing else is.
bool boolean(const QSettings& store, const QString& key, bool fallback);
// A fractional number is truncated toward zero.
qint64 integer(const QSettings& store, const QString& key, qint64 fallback);
double number(const QSettings& store, const QString& key, double fallback);
QColor color(const QSettings& store, const QString& key, const QColor& fallback);
// A binary value holding a JSON array of texts.
QStringList stringList(const QSettings& store, const QString& key, const QStringList& fallback);
// An empty URL when the key holds none.
QUrl url(const QSettings& store, const QString& key);

template<typename E>
E rawRepresentable(const QSettings& store, const QString& key, E fallback)
{
    return fromRawValue<E>(string(store, key, QString())).value_or(fallback);
}

void set(QSettings& store, const QString& key, const QVariant& value);
void setColor(QSettings& store, const QString& key, const QColor& color);
// Stored as a binary value holding the compact JSON array.
void setStringList(QSettings& store, const QString& key, const QStringList& list);
void remove(QSettings& store, const QString& key);
// Writes the store's pending changes to its file, atomically.
void sync(QSettings& store);

template<typename E>
void setRaw(QSettings& store, const QString& key, E value)
{
    set(store, key, rawValue(value));
}

} // namespace tolvaran::Defaults
