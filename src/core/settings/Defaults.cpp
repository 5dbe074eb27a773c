#include "Defaults.h"

#include "JsonSettingsFormat.h"
#include "model/ColorText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>

#include <cmath>
#include <limits>

namespace tolvaran::Defaults {

namespace {

bool isNumber(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

bool isNumberOrBool(const QVariant& value)
{
    return isNumber(value) || value.typeId() == QMetaType::Bool;
}

} // namespace

QString standardStorePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Tolvaran/settings.json");
}

QString string(const QSettings& store, const QString& key, const QString& fallback)
{
    const QVariant value = store.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : fallback;
}

bool boolean(const QSettings& store, const QString& key, bool fallback)
{
    const QVariant value = store.value(key);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    return isNumber(value) ? value.toDouble() != 0.0 : fallback;
}

qint64 integer(const QSettings& store, const QString& key, qint64 fallback)
{
    const QVariant value = store.value(key);
    if (!isNumberOrBool(value))
        return fallback;
    if (value.typeId() == QMetaType::LongLong || value.typeId() == QMetaType::Int)
        return value.toLongLong();
    const double number = std::trunc(value.toDouble());
    // Beyond the range (or NaN) there is no integer to give.
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!(number >= -limit && number < limit))
        return fallback;
    return static_cast<qint64>(number);
}

double number(const QSettings& store, const QString& key, double fallback)
{
    const QVariant value = store.value(key);
    return isNumberOrBool(value) ? value.toDouble() : fallback;
}

QColor color(const QSettings& store, const QString& key, const QColor& fallback)
{
    const QVariant value = store.value(key);
    if (value.typeId() != QMetaType::QString)
        return fallback;
    return colorFromHex(value.toString()).value_or(fallback);
}

QStringList stringList(const QSettings& store, const QString& key, const QStringList& fallback)
{
    const QVariant value = store.value(key);
    if (value.typeId() != QMetaType::QByteArray)
        return fallback;
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(value.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return fallback;
    QStringList list;
    for (const QJsonValue& element : document.array()) {
        if (!element.isString())
            return fallback;
        list.append(element.toString());
    }
    return list;
}

QUrl url(const QSettings& store, const QString& key)
{
    const QVariant value = store.value(key);
    return value.typeId() == QMetaType::QUrl ? value.toUrl() : QUrl();
}

void set(QSettings& store, const QString& key, const QVariant& value)
{
    store.setValue(key, value);
}

void setColor(QSettings& store, const QString& key, const QColor& color)
{
    set(store, key, hexString(color));
}

void setStringList(QSettings& store, const QString& key, const QStringList& list)
{
    set(store, key, QJsonDocument(QJsonArray::fromStringList(list)).toJson(QJsonDocument::Compact));
}

void remove(QSettings& store, const QString& key)
{
    store.remove(key);
}

void sync(QSettings& store)
{
    store.sync();
    if (store.status() != QSettings::NoError)
        qCCritical(lcSettings, "Could not write the settings to %s", qUtf8Printable(store.fileName()));
}

} // namespace tolvaran::Defaults
