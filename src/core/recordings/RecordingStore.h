#pragma once

#include "RecordingEntry.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace tolvaran {

// The recordings folder: each recording is an audio file and a JSON file with
// the same base name beside it. The folder may be any folder of the user's,
// so only regular files of a bounded size are read, an entry counts only when
// its own file name is the one its audio file name implies, and hidden files
// (recordings in progress among them) are neither listed nor deleted.
//
// Loading reads every description; it can run on a worker thread, with the
// list updated on the main thread. A save or a delete changes its one entry
// in the list without reading the folder again. Lives on the main thread.
class RecordingStore : public QObject
{
    Q_OBJECT

public:
    enum class Loading {
        blocking, // done when the call returns
        inBackground, // read on a worker thread; recordingsChanged() tells of the result
    };

    // A description larger than this is not read.
    static constexpr qint64 maxDescriptionBytes = 256 * 1024 * 1024;

    // Uses the default folder, creating it when needed, and lists it before returning.
    explicit RecordingStore(QObject* parent = nullptr);
    // Uses customDirectory (empty: the default folder) and loads it as asked.
    RecordingStore(const QUrl& customDirectory, Loading loading, QObject* parent = nullptr);

    // The default folder, shared by all stores.
    static QString recordingsDirectory();

    // Empty means the default folder. Every assignment creates the folder if
    // needed and loads it. Only local folders count.
    QUrl customDirectory() const { return m_customDirectory; }

    void setCustomDirectory(const QUrl& folder, Loading loading = Loading::blocking);

    // The folder all reading, writing and deleting uses.
    QString activeDirectory() const;

    // Newest first (equal dates by file name), as of the last load and the
    // saves and deletes since.
    const QList<RecordingEntry>& recordings() const { return m_recordings; }

    // A background load is under way; recordings() is the list from before it.
    bool isLoading() const { return m_isLoading; }

    void ensureDirectory();
    void loadRecordings(Loading loading = Loading::blocking);
    // Writes the entry's description and puts the entry into the list (in
    // place of one with the same audio file), or takes it out when its audio
    // file is missing. False when the description could not be written
    // whole (a full disk, a read-only folder): the folder holds what it held.
    bool save(const RecordingEntry& entry);
    // Moves the entry's audio and description to the desktop's trash (or
    // removes them where there is none), only when the description in the
    // folder is this entry's, and takes the entry out of the list.
    void remove(const RecordingEntry& entry);
    QUrl audioURL(const RecordingEntry& entry) const;

    // What a load of folder lists, newest first. Safe on any thread.
    static QList<RecordingEntry> readFolder(const QString& folder);
    // An audio file name the store lists and deletes: a visible .m4a file
    // name of the folder itself.
    static bool isRecordingAudioName(const QString& name);

    // Moves a finished audio file into folder (created if missing) under its
    // own name, or under a distinct one when that name or its JSON name is
    // taken: nothing already there is overwritten. Gives the name used, or
    // nothing with the reason in errorText. Safe on any thread.
    static std::optional<QString> moveIntoDirectory(
        const QString& filePath, const QString& folder, QString* errorText = nullptr);

    // Recordings whose description is empty or cut short beside a playable
    // audio file with no journal: each broken description is set aside
    // under "<name>.broken" (never overwritten) and an entry is rebuilt from
    // the audio, with its length and an empty transcript, for the caller to
    // save. A description already set aside is not set aside again. Any
    // thread; duration reads an audio file's length in seconds.
    static QList<RecordingEntry> recoverBrokenDescriptions(
        const QString& folder, const std::function<double(const QString& audioPath)>& duration);

    enum class Description {
        missing,
        valid, // read whole and decoded
        broken, // read whole, and empty or not a description
        unreadable, // cannot be read now (too large, no permission)
    };

    // The state of the description of the recording with this audio file.
    // Any thread.
    static Description descriptionOf(const QString& folder, const QString& audioFileName);
    // Renames a broken description to "<name>.broken" (or a free variant of
    // it), so that a new one can be written without losing it. Any thread.
    static bool setDescriptionAside(const QString& folder, const QString& audioFileName);

signals:
    // After every load, save and delete, on the main thread.
    void recordingsChanged();
    void isLoadingChanged();

private:
    // A save (entry set) or a delete (entry empty) of the recording whose
    // description has this name.
    struct Change
    {
        QString jsonName;
        std::optional<RecordingEntry> entry;
    };

    static void apply(const Change& change, QList<RecordingEntry>& list);
    void change(const Change& change);
    void finishLoad(quint64 generation, QList<RecordingEntry> entries);
    void setLoading(bool loading);

    QList<RecordingEntry> m_recordings;
    QUrl m_customDirectory;
    bool m_isLoading = false;
    // Only the latest load may set the list.
    quint64 m_generation = 0;
    // Saves and deletes made while a background load reads the folder; they
    // are applied to what it found.
    QList<Change> m_changesDuringLoad;
};

} // namespace tolvaran
