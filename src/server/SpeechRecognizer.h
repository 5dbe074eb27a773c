#pragma once

#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>

#include <memory>
#include <span>
#include <variant>

namespace tolvaran::server {

// One recognised word with its place in the stream, in milliseconds from the
// first sample after the stream header.
struct RecognizedWord
{
    QString text;
    qint64 startMs = 0;
    qint64 endMs = 0;

    bool operator==(const RecognizedWord&) const = default;
};

// What the recogniser believes was said in the current utterance: a partial
// guess while the speaker is still talking, or the final words once the
// utterance has ended.
struct Recognition
{
    QList<RecognizedWord> words;
    bool isFinal = false;

    QString text() const
    {
        QStringList texts;
        texts.reserve(words.size());
        for (const RecognizedWord& word : words)
            texts.append(word.text);
        return texts.join(QLatin1Char(' '));
    }
};

// One stream's recogniser. Not thread-safe: one worker thread feeds it.
class SpeechRecognizer
{
public:
    virtual ~SpeechRecognizer() = default;

    // 16 kHz mono samples in stream order; appends what they yielded to out.
    // False when the engine failed; the recogniser is unusable afterwards.
    virtual bool feed(std::span<const qint16> samples, QList<Recognition>& out) = 0;
    // Ends the current utterance as if a pause had followed.
    virtual bool flush(QList<Recognition>& out) = 0;
};

using RecognizerOrError = std::variant<std::unique_ptr<SpeechRecognizer>, QString>;

// A recognition engine for one spoken language. Shared by all connections;
// createRecognizer may be called from any thread and may take a while.
class RecognitionEngine
{
public:
    virtual ~RecognitionEngine() = default;

    // The code of the language it recognises ("en").
    virtual QString language() const = 0;
    virtual RecognizerOrError createRecognizer() const = 0;

    // Gets the next recogniser ready in the background, so that a new
    // stream does not wait for a model to load.
    virtual void prepare() const { }
};

} // namespace tolvaran::server

Q_DECLARE_METATYPE(tolvaran::server::Recognition)
