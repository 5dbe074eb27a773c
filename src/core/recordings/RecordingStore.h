#pragma once

#include "RecordingEntry.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

namespace tolvaran {

// The recordings folder: each recording is an audio file and a JSON file with
// the same base name beside it. The folder's contents are the truth; every
// change ends with a full reload. Main thread only.
class RecordingStore
{
public:
    // Uses the default folder, creating it when needed, and lists it.
    RecordingStore();

    // The default folder, shared by all stores.
    static QString recordingsDirectory();

    // Empty means the default folder. Every assignment creates the folder if
    // needed and reloads. Only local folders count.
    QUrl customDirectory() const { return m_customDirectory; }

    void setCustomDirectory(const QUrl& folder);

    // The folder all reading, writing and deleting uses.
    QString activeDirectory() const;

    // Newest first, as of the last load.
    const QList<RecordingEntry>& recordings() const { return m_recordings; }

    void ensureDirectory();
    void loadRecordings();
    void save(const RecordingEntry& entry);
    void remove(const RecordingEntry& entry);
    QUrl audioURL(const RecordingEntry& entry) const;

    // Moves a finished audio file into folder (created if missing) under its
    // own name, or under a distinct one when that name or its JSON name is
    // taken: nothing already there is overwritten. Gives the name used, or
    // nothing with the reason in errorText. Safe on any thread.
    static std::optional<QString> moveIntoDirectory(
        const QString& filePath, const QString& folder, QString* errorText = nullptr);

private:
    QList<RecordingEntry> m_recordings;
    QUrl m_customDirectory;
};

} // namespace tolvaran
