#include "RecordingStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

Q_LOGGING_CATEGORY(lcRecordingStore, "com.tolvaran.app.RecordingStore")

namespace tolvaran {

RecordingStore::RecordingStore()
{
    ensureDirectory();
    loadRecordings();
}

QString RecordingStore::recordingsDirectory()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Tolvaran/Recordings"));
}

void RecordingStore::setCustomDirectory(const QUrl& folder)
{
    m_customDirectory = folder.isLocalFile() ? folder : QUrl();
    ensureDirectory();
    loadRecordings();
}

QString RecordingStore::activeDirectory() const
{
    if (m_customDirectory.isLocalFile())
        return QDir::cleanPath(m_customDirectory.toLocalFile());
    return recordingsDirectory();
}

void RecordingStore::ensureDirectory()
{
    const QString path = activeDirectory();
    if (!QFileInfo::exists(path)) {
        if (QDir().mkpath(path))
            qCInfo(lcRecordingStore, "Created recordings directory: %s", qUtf8Printable(path));
        else
            qCCritical(lcRecordingStore, "Failed to create recordings directory: %s",
                qUtf8Printable(QStringLiteral("cannot create %1").arg(path)));
    }
    qCInfo(lcRecordingStore, "Recordings directory: %s", qUtf8Printable(path));
}

void RecordingStore::loadRecordings()
{
    const QDir folder(activeDirectory());
    const QFileInfo folderInfo(folder.path());
    if (!folderInfo.isDir() || !folderInfo.isReadable() || !folderInfo.isExecutable()) {
        qCInfo(lcRecordingStore, "No files found in recordings directory");
        m_recordings.clear();
        return;
    }

    QStringList jsonFiles;
    const QStringList names
        = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : names) {
        if (pathExtension(name) == QLatin1String("json"))
            jsonFiles.append(name);
    }
    qCInfo(lcRecordingStore, "Found %ld JSON files in recordings directory", long(jsonFiles.size()));

    QList<RecordingEntry> entries;
    for (const QString& name : std::as_const(jsonFiles)) {
        QFile file(folder.filePath(name));
        std::optional<RecordingEntry> entry;
        if (file.open(QIODevice::ReadOnly))
            entry = decodeRecordingEntry(file.readAll());
        if (!entry) {
            qCCritical(lcRecordingStore, "Failed to decode JSON: %s", qUtf8Printable(name));
            continue;
        }
        if (!QFileInfo::exists(folder.filePath(entry->audioFileName))) {
            qCCritical(lcRecordingStore, "Audio file missing for %s", qUtf8Printable(entry->audioFileName));
            continue;
        }
        entries.append(std::move(*entry));
    }

    std::stable_sort(entries.begin(), entries.end(),
        [](const RecordingEntry& a, const RecordingEntry& b) { return a.date > b.date; });
    m_recordings = std::move(entries);
    qCInfo(lcRecordingStore, "Loaded %ld recordings", long(m_recordings.size()));
}

void RecordingStore::save(const RecordingEntry& entry)
{
    ensureDirectory();
    const QDir folder(activeDirectory());

    const QString jsonName = jsonFileName(entry.audioFileName);
    // An audio file named like its own description would be overwritten by it.
    if (!isPlainFileName(entry.audioFileName) || jsonName == entry.audioFileName) {
        qCCritical(lcRecordingStore, "Failed to save recording JSON: %s",
            qUtf8Printable(QStringLiteral("unsuitable audio file name \"%1\"").arg(entry.audioFileName)));
    } else {
        // Written aside and renamed over the old file, so a crash never
        // leaves a truncated description that would hide the recording.
        const QString target = folder.filePath(jsonName);
        QSaveFile file(target);
        const QByteArray bytes = encodeRecordingEntry(entry);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            qCInfo(lcRecordingStore, "Saved recording JSON: %s", qUtf8Printable(target));
        else
            qCCritical(lcRecordingStore, "Failed to save recording JSON: %s", qUtf8Printable(file.errorString()));

        const QString audioPath = folder.filePath(entry.audioFileName);
        qCInfo(lcRecordingStore, "Audio file exists at %s: %s", qUtf8Printable(audioPath),
            QFileInfo::exists(audioPath) ? "true" : "false");
    }
    loadRecordings();
}

void RecordingStore::remove(const RecordingEntry& entry)
{
    // Only names that stay inside the folder are ever removed.
    if (isPlainFileName(entry.audioFileName)) {
        const QDir folder(activeDirectory());
        QFile::remove(folder.filePath(entry.audioFileName));
        QFile::remove(folder.filePath(jsonFileName(entry.audioFileName)));
    }
    loadRecordings();
}

QUrl RecordingStore::audioURL(const RecordingEntry& entry) const
{
    if (!isPlainFileName(entry.audioFileName))
        return {};
    return QUrl::fromLocalFile(QDir(activeDirectory()).filePath(entry.audioFileName));
}

std::optional<QString> RecordingStore::moveIntoDirectory(
    const QString& filePath, const QString& folder, QString* errorText)
{
    const auto fail = [errorText](const QString& reason) -> std::optional<QString> {
        if (errorText)
            *errorText = reason;
        return std::nullopt;
    };

    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return fail(QStringLiteral("Cannot create the folder %1").arg(folder));

    const QFileInfo source(filePath);
    if (!source.isFile())
        return fail(QStringLiteral("No file at %1").arg(filePath));
    const QString base = deletingPathExtension(source.fileName());
    const QString extension = pathExtension(source.fileName());
    const QDir target(folder);
    QString lastError;
    for (int attempt = 1; attempt <= 1000; ++attempt) {
        QString name = attempt == 1 ? base : QStringLiteral("%1_%2").arg(base).arg(attempt);
        if (!extension.isEmpty())
            name += u'.' + extension;
        if (QFileInfo::exists(target.filePath(name)) || QFileInfo::exists(target.filePath(jsonFileName(name))))
            continue;
        // Never replaces an existing file, even one that appeared just now.
        QFile file(filePath);
        if (file.rename(target.filePath(name)))
            return name;
        lastError = file.errorString();
        if (QFileInfo::exists(target.filePath(name)))
            continue;
        return fail(lastError);
    }
    return fail(QStringLiteral("No free file name in %1").arg(folder));
}

} // namespace tolvaran
