#include "TranscriptExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QSaveFile>

#include <algorithm>

namespace tolvaran {

namespace {

struct Cue
{
    qint64 startMs = 0;
    qint64 endMs = 0;
    QStringList lines;
};

constexpr qint64 readingMsPerCharacter = 60;
constexpr qint64 minReadingMs = 1500;
constexpr qint64 maxReadingMs = 7000;

// A cue's text must not hold a line break: an empty line would end the cue.
QString oneLine(const QString& text)
{
    QString line = text;
    line.replace(u'\r', u' ')
        .replace(u'\n', u' ')
        .replace(QChar::LineSeparator, u' ')
        .replace(QChar::ParagraphSeparator, u' ');
    return line.trimmed();
}

QList<Cue> cuesOf(const RecordingEntry& entry, TranscriptText text)
{
    const qint64 endOfRecording = qint64(entry.duration * 1000);
    QList<Cue> cues;
    const auto& lines = entry.transcript;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const TimedTranscriptLine& line = lines[i];
        const QString translation = oneLine(line.translatedText);
        const QString original = oneLine(line.originalText);
        QStringList texts;
        if (text != TranscriptText::original && !translation.isEmpty())
            texts.append(translation);
        // A line the server did not translate is still something that was said.
        if ((text != TranscriptText::translation || translation.isEmpty()) && !original.isEmpty())
            texts.append(original);
        if (texts.isEmpty())
            continue;
        // A silence after the words is not time the cue needs.
        const qint64 readingMs
            = std::clamp(qint64(texts.join(u' ').size()) * readingMsPerCharacter, minReadingMs, maxReadingMs);
        const QString speaker = oneLine(line.speaker);
        if (!speaker.isEmpty())
            texts.first() = speaker + QStringLiteral(": ") + texts.first();
        Cue cue;
        cue.startMs = line.offsetMs;
        const qint64 next = i + 1 < lines.size() ? lines[i + 1].offsetMs : endOfRecording;
        // Lines out of order or past the end still give a cue a reader accepts.
        cue.endMs = std::max(cue.startMs, std::min(line.endMs.value_or(next), cue.startMs + readingMs));
        cue.lines = texts;
        cues.append(cue);
    }
    return cues;
}

QString clock(qint64 ms, QChar fractionSeparator)
{
    return QStringLiteral("%1:%2:%3%4%5")
        .arg(ms / 3600000, 2, 10, QChar(u'0'))
        .arg(ms / 60000 % 60, 2, 10, QChar(u'0'))
        .arg(ms / 1000 % 60, 2, 10, QChar(u'0'))
        .arg(fractionSeparator)
        .arg(ms % 1000, 3, 10, QChar(u'0'));
}

// WebVTT reads "<" as a tag and "&" as a character reference.
QString vttEscaped(const QString& text)
{
    QString escaped = text;
    escaped.replace(u'&', QStringLiteral("&amp;"))
        .replace(u'<', QStringLiteral("&lt;"))
        .replace(u'>', QStringLiteral("&gt;"));
    return escaped;
}

QString plainClock(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'));
}

} // namespace

std::optional<TranscriptFormat> transcriptFormatNamed(const QString& name)
{
    if (name == QLatin1String("srt"))
        return TranscriptFormat::srt;
    if (name == QLatin1String("vtt"))
        return TranscriptFormat::vtt;
    if (name == QLatin1String("txt"))
        return TranscriptFormat::txt;
    return std::nullopt;
}

std::optional<TranscriptText> transcriptTextNamed(const QString& name)
{
    if (name == QLatin1String("translation"))
        return TranscriptText::translation;
    if (name == QLatin1String("original"))
        return TranscriptText::original;
    if (name == QLatin1String("both"))
        return TranscriptText::both;
    return std::nullopt;
}

QString fileExtension(TranscriptFormat format)
{
    switch (format) {
    case TranscriptFormat::srt:
        return QStringLiteral("srt");
    case TranscriptFormat::vtt:
        return QStringLiteral("vtt");
    case TranscriptFormat::txt:
        break;
    }
    return QStringLiteral("txt");
}

QByteArray exportTranscript(const RecordingEntry& entry, TranscriptFormat format, TranscriptText text)
{
    const QList<Cue> cues = cuesOf(entry, text);
    QString out;
    switch (format) {
    case TranscriptFormat::srt:
        for (qsizetype i = 0; i < cues.size(); ++i) {
            const Cue& cue = cues[i];
            out += QString::number(i + 1) + u'\n';
            out += clock(cue.startMs, u',') + QStringLiteral(" --> ") + clock(cue.endMs, u',') + u'\n';
            out += cue.lines.join(u'\n') + QStringLiteral("\n\n");
        }
        break;
    case TranscriptFormat::vtt:
        out = QStringLiteral("WEBVTT\n\n");
        for (const Cue& cue : cues) {
            out += clock(cue.startMs, u'.') + QStringLiteral(" --> ") + clock(cue.endMs, u'.') + u'\n';
            for (const QString& line : cue.lines)
                out += vttEscaped(line) + u'\n';
            out += u'\n';
        }
        break;
    case TranscriptFormat::txt:
        for (const Cue& cue : cues) {
            out += u'[' + plainClock(cue.startMs) + QStringLiteral("] ") + cue.lines.first() + u'\n';
            for (qsizetype i = 1; i < cue.lines.size(); ++i)
                out += QStringLiteral("    ") + cue.lines[i] + u'\n';
        }
        break;
    }
    return out.toUtf8();
}

bool writeTranscriptFile(
    const QString& path, const RecordingEntry& entry, TranscriptFormat format, TranscriptText text, QString* errorText)
{
    QSaveFile file(path);
    const QByteArray bytes = exportTranscript(entry, format, text);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    if (errorText)
        *errorText = file.errorString();
    return false;
}

bool isExportCommand(const QStringList& arguments)
{
    return arguments.contains(QStringLiteral("--export"))
        || std::any_of(arguments.begin(), arguments.end(),
            [](const QString& argument) { return argument.startsWith(QStringLiteral("--export=")); });
}

int runExportCommand(const QStringList& arguments, QIODevice& out, QIODevice& err)
{
    const auto fail = [&err](int status, const QString& text) {
        err.write((QStringLiteral("tolvaran: ") + text + u'\n').toUtf8());
        return status;
    };
    const QString usage = QCoreApplication::translate("TranscriptExport",
        "usage: tolvaran --export <recording.json> --format srt|vtt|txt [--text translation|original|both]");

    QString path;
    QString formatName;
    QString textName = QStringLiteral("translation");
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        QString* target = nullptr;
        QString name = argument;
        QString value;
        bool hasValue = false;
        if (const qsizetype equals = argument.indexOf(u'='); argument.startsWith(QStringLiteral("--")) && equals > 0) {
            name = argument.left(equals);
            value = argument.mid(equals + 1);
            hasValue = true;
        }
        if (name == QLatin1String("--export"))
            target = &path;
        else if (name == QLatin1String("--format"))
            target = &formatName;
        else if (name == QLatin1String("--text"))
            target = &textName;
        else
            return fail(
                1, QCoreApplication::translate("TranscriptExport", "unknown argument \"%1\"\n%2").arg(argument, usage));
        if (!hasValue) {
            if (i + 1 >= arguments.size())
                return fail(
                    1, QCoreApplication::translate("TranscriptExport", "%1 needs a value\n%2").arg(name, usage));
            value = arguments[++i];
        }
        *target = value;
    }
    if (path.isEmpty() || formatName.isEmpty())
        return fail(1, usage);
    const std::optional<TranscriptFormat> format = transcriptFormatNamed(formatName);
    if (!format)
        return fail(1,
            QCoreApplication::translate("TranscriptExport", "unknown format \"%1\": srt, vtt or txt").arg(formatName));
    const std::optional<TranscriptText> text = transcriptTextNamed(textName);
    if (!text)
        return fail(1,
            QCoreApplication::translate("TranscriptExport", "unknown text \"%1\": translation, original or both")
                .arg(textName));

    // The same bound as the recordings folder's reader.
    constexpr qint64 maxBytes = 256 * 1024 * 1024;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return fail(2,
            QCoreApplication::translate("TranscriptExport", "cannot read %1: %2")
                .arg(path,
                    QFileInfo::exists(path) ? file.errorString()
                                            : QCoreApplication::translate("TranscriptExport", "no such file")));
    if (file.size() > maxBytes)
        return fail(2,
            QCoreApplication::translate("TranscriptExport", "%1 is not a recording's description: larger than %2 bytes")
                .arg(path)
                .arg(maxBytes));
    const std::optional<RecordingEntry> entry = decodeRecordingEntry(file.readAll());
    if (!entry)
        return fail(2,
            QCoreApplication::translate("TranscriptExport",
                "%1 is not a recording's description (a Tolvaran recording .json file with id, date, "
                "duration, language, audioFileName and transcript)")
                .arg(path));
    const QByteArray bytes = exportTranscript(*entry, *format, *text);
    if (out.write(bytes) != bytes.size())
        return fail(
            1, QCoreApplication::translate("TranscriptExport", "cannot write the export: %1").arg(out.errorString()));
    return 0;
}

} // namespace tolvaran
