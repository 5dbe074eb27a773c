#pragma once

#include "RecordingEntry.h"

#include <QFile>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace tolvaran {

// A recording in progress lives inside the recordings folder, in a hidden
// folder the store does not list: the audio file the recorder writes, and a
// journal beside it that gets each transcript line as it arrives. Whatever
// ends the program, the next start adopts both into an ordinary recording.
//
// Journal: one JSON object per line. The first holds the recording's id,
// start date and language; then a transcript line per object (a later object
// with the same id replaces an earlier one); and once the audio has been
// moved into the recordings folder, an object naming it.
class RecordingJournal
{
public:
    static constexpr qint64 maxJournalBytes = 64 * 1024 * 1024;
    static inline const QString journalSuffix = QStringLiteral(".jsonl");

    // The hidden folder inside a recordings folder.
    static QString inProgressDirectory(const QString& recordingsFolder);

    // Creates an empty audio file and a journal under a name free in both
    // folders. Nothing on failure, with the reason in errorText.
    static std::optional<RecordingJournal> create(const QString& recordingsFolder, const QUuid& id, RecordingDate start,
        const QString& language, QString* errorText = nullptr);

    RecordingJournal(RecordingJournal&&) noexcept;
    RecordingJournal& operator=(RecordingJournal&&) noexcept;
    ~RecordingJournal();

    const QString& audioPath() const { return m_audioPath; }

    const QString& journalPath() const { return m_journalPath; }

    // Written through at once, so a killed process loses no line it had.
    bool appendLine(const TimedTranscriptLine& line);

    // Any thread: the transcript of a journal this run wrote, its later
    // objects in place of earlier ones with the same id, followed by the
    // lines from the first one it could not take on (kept in memory).
    static QList<TimedTranscriptLine> readTranscript(
        const QString& journalPath, const QList<TimedTranscriptLine>& unjournaled);

    // Any thread: notes where the audio went after the move, for a start-up
    // that finds the journal but not the recording's description.
    static bool appendPublishedAudio(const QString& journalPath, const QString& audioFileName);

    // A recording left by a run that ended before saving it.
    struct Leftover
    {
        QString journalPath;
        RecordingEntry entry;
    };

    // Moves the audio of every journal in the folder last written before
    // modifiedBefore (so not one a running recording still writes) into the
    // folder and builds its entry. Journals left without audio are removed.
    // Any thread; duration reads an audio file's length in seconds.
    static QList<Leftover> collectLeftovers(const QString& recordingsFolder, const QDateTime& modifiedBefore,
        const std::function<double(const QString& audioPath)>& duration);

private:
    RecordingJournal(QString audioPath, QString journalPath, std::unique_ptr<QFile> file);

    QString m_audioPath;
    QString m_journalPath;
    std::unique_ptr<QFile> m_file;
    bool m_isTorn = false;
};

} // namespace tolvaran
