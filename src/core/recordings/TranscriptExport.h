#pragma once

#include "RecordingEntry.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

namespace tolvaran {

// A recording's transcript as subtitles or plain text. Each transcript line is
// one cue: it starts at the line's offset and ends where its words ended, or
// else where the next line starts (the last one at the recording's end), but
// no later than the time it takes to read (1.5 to 7 s); the speaker label
// leads the cue's text.
enum class TranscriptFormat { srt, vtt, txt };
// Which texts each cue holds; both puts the translation over the original.
enum class TranscriptText { translation, original, both };

std::optional<TranscriptFormat> transcriptFormatNamed(const QString& name);
std::optional<TranscriptText> transcriptTextNamed(const QString& name);
// "srt", "vtt", "txt".
QString fileExtension(TranscriptFormat format);

// UTF-8. A line with nothing to show in the chosen text gives no cue; one
// with no translation shows its original in a translation export.
QByteArray exportTranscript(const RecordingEntry& entry, TranscriptFormat format, TranscriptText text);

// Written atomically: the old file stays whole until the new one is complete.
// False with the reason in errorText.
bool writeTranscriptFile(const QString& path, const RecordingEntry& entry, TranscriptFormat format, TranscriptText text,
    QString* errorText = nullptr);

// The command line "--export <recording.json> --format srt|vtt|txt [--text
// translation|original|both]" (arguments without the program name): the
// export goes to out; an error goes to err alone. Gives the exit status: 0,
// 1 for wrong usage, 2 when the file is not a recording's description.
int runExportCommand(const QStringList& arguments, QIODevice& out, QIODevice& err);

// Whether a program's arguments ask for an export.
bool isExportCommand(const QStringList& arguments);

} // namespace tolvaran
