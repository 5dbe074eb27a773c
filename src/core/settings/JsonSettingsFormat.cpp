#include "JsonSettingsFormat.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QUrl>

#include <cmath>

Q_LOGGING_CATEGORY(lcSettings, "com.tolvaran.app.Settings")

namespace tolvaran {

namespace {

const QString dataTag = QStringLiteral("data");
const QString urlTag = QStringLiteral("url");

// A blank file holds no settings yet; anything else must be one JSON object.
std::optional<QJsonObject> parseSettings(const QByteArray& bytes)
{
    if (bytes.trimmed().isEmpty())
        return QJsonObject();
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

QVariant fromJson(const QJsonValue& value)
{
    if (value.isNull())
        return {};
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        if (object.size() == 1 && object.value(dataTag).isString()) {
            auto decoded = QByteArray::fromBase64Encoding(
                object.value(dataTag).toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
            if (decoded)
                return *decoded;
        }
        if (object.size() == 1 && object.value(urlTag).isString()) {
            const QUrl url(object.value(urlTag).toString());
            if (url.isValid())
                return url;
        }
    }
    // Untagged objects, arrays and malformed tags come through as maps and
    // lists, which no typed reader accepts: those keys fall back to defaults.
    return value.toVariant();
}

QJsonValue toJson(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return value.toLongLong();
    case QMetaType::Float:
    case QMetaType::Double: {
        const double number = value.toDouble();
        // JSON has no NaN or infinity; such a value reads back as absent.
        return std::isfinite(number) ? QJsonValue(number) : QJsonValue();
    }
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QByteArray:
        return QJsonObject{{dataTag, QString::fromLatin1(value.toByteArray().toBase64())}};
    case QMetaType::QUrl:
        return QJsonObject{{urlTag, QString::fromUtf8(value.toUrl().toEncoded())}};
    default:
        return QJsonValue::fromVariant(value);
    }
}

QString asidePath(const QString& path)
{
    const QString stem
        = path + QStringLiteral(".corrupt-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = stem;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = stem + QLatin1Char('-') + QString::number(n);
    return candidate;
}

void setAsideIfCorrupt(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return; // absent, or unreadable: QSettings reports the latter itself
    if (parseSettings(file.readAll()))
        return;
    file.close();
    const QString aside = asidePath(path);
    if (QFile::rename(path, aside))
        qCWarning(lcSettings, "Settings file %s is not valid JSON; kept it as %s and started on defaults",
            qUtf8Printable(path), qUtf8Printable(aside));
    else
        qCCritical(lcSettings, "Settings file %s is not valid JSON and could not be set aside", qUtf8Printable(path));
}

// QSettings locks the file while it writes. A lock file left empty by a crash
// between its creation and its first write names no owner, so QSettings would
// only take it over after half a minute, freezing the first settings change.
void clearAbandonedLock(const QString& path)
{
    QLockFile lock(path + QStringLiteral(".lock"));
    if (lock.tryLock(0))
        return;
    qint64 pid = 0;
    QString hostname;
    QString application;
    if (lock.error() == QLockFile::LockFailedError && !lock.getLockInfo(&pid, &hostname, &application)) {
        qCWarning(
            lcSettings, "Removing the abandoned settings lock %s", qUtf8Printable(path + QStringLiteral(".lock")));
        lock.removeStaleLockFile();
    }
}

} // namespace

QSettings::Format jsonSettingsFormat()
{
    static const QSettings::Format format
        = QSettings::registerFormat(QStringLiteral("json"), readJsonSettings, writeJsonSettings);
    return format;
}

bool readJsonSettings(QIODevice& device, QSettings::SettingsMap& map)
{
    const std::optional<QJsonObject> object = parseSettings(device.readAll());
    if (!object)
        return false;
    for (auto it = object->begin(); it != object->end(); ++it)
        map.insert(it.key(), fromJson(it.value()));
    return true;
}

bool writeJsonSettings(QIODevice& device, const QSettings::SettingsMap& map)
{
    QJsonObject object;
    for (auto it = map.begin(); it != map.end(); ++it)
        object.insert(it.key(), toJson(it.value()));
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    return device.write(bytes) == bytes.size();
}

namespace {

// QSettings writes its file on the next turn of the event loop after each
// change; here only sync() writes, so that the caller decides how changes
// are grouped.
class ExplicitlySyncedSettings : public QSettings
{
public:
    using QSettings::QSettings;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            return true;
        return QSettings::event(event);
    }
};

} // namespace

std::unique_ptr<QSettings> openSettingsFile(const QString& path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        qCCritical(lcSettings, "Cannot create the settings folder for %s", qUtf8Printable(path));
    clearAbandonedLock(path);
    setAsideIfCorrupt(path);
    return std::make_unique<ExplicitlySyncedSettings>(path, jsonSettingsFormat());
}

} // namespace tolvaran
