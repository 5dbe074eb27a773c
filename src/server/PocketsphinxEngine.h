#pragma once

#include "SpeechRecognizer.h"

#include <QString>

#include <memory>

namespace tolvaran::server {

// pocketsphinx with one model folder: an acoustic model (a sub-folder holding
// "mdef"), a language model (*.lm.bin or *.lm) and a dictionary (*.dict), as
// Debian's pocketsphinx-en-us lays them out.
class PocketsphinxEngine : public RecognitionEngine
{
public:
    static QString defaultModelFolder();

    struct Options
    {
        // Partial results go out at most this often, in stream time.
        int interimIntervalMs = 250;
        // Silence that ends an utterance.
        int endSilenceMs = 500;
        // A longer utterance is cut, which bounds the decoder's memory.
        int maxUtteranceMs = 30'000;
    };

    // Checks the folder; an error text when it does not hold a model.
    static std::variant<PocketsphinxEngine, QString> open(
        const QString& modelFolder, const QString& language, const Options& options);

    QString language() const override { return m_language; }

    RecognizerOrError createRecognizer() const override;
    void prepare() const override;

    struct Shared;

private:
    PocketsphinxEngine() = default;

    QString m_language;
    QString m_acousticModel;
    QString m_languageModel;
    QString m_dictionary;
    Options m_options;
    std::shared_ptr<Shared> m_shared;
};

} // namespace tolvaran::server
