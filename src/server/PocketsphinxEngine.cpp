#include "PocketsphinxEngine.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QThreadPool>

#include <cmn.h>
#include <err.h>
#include <feat.h>
#include <memory>
#include <mutex>
#include <optional>
#include <pocketsphinx.h>
#include <vector>

namespace tolvaran::server {

namespace {

struct DecoderDeleter
{
    void operator()(ps_decoder_t* decoder) const { ps_free(decoder); }
};

struct ConfigDeleter
{
    void operator()(cmd_ln_t* config) const { cmd_ln_free_r(config); }
};

struct SegmentDeleter
{
    void operator()(ps_seg_t* segment) const { ps_seg_free(segment); }
};

using Decoder = std::unique_ptr<ps_decoder_t, DecoderDeleter>;
using Config = std::unique_ptr<cmd_ln_t, ConfigDeleter>;

struct LoadedDecoder
{
    Config config;
    Decoder decoder;
};

struct ModelFiles
{
    QString acousticModel;
    QString languageModel;
    QString dictionary;
    int endSilenceMs = 500;
};

// Until a stream's first utterance ends, the model's initial cepstral mean
// counts as this many frames, so that the mean follows the voice within a
// fraction of a second.
constexpr int32 adaptingPriorFrames = 10;
// How often, in stream time, the mean is renewed while it adapts.
constexpr double adaptingIntervalMs = 100;

} // namespace

// Shared by the copies of one engine and by its recognisers.
struct PocketsphinxEngine::Shared
{
    std::mutex mutex;
    // A decoder loaded ahead of time: loading takes from half a second to
    // several on a busy machine, during which a new stream's audio waits.
    std::optional<LoadedDecoder> spare;
    bool isLoadingSpare = false;
    // The cepstral mean of the audio last recognised. Decoders start from
    // the model's own, which can be far from the sound card's level and
    // spoils every word until the decoder has adapted.
    std::vector<mfcc_t> cepstralMean;
};

namespace {

// Silence, noise and sentence marks are not words; "the(2)" is the second
// pronunciation of "the".
QString spokenWord(const char* word)
{
    if (word == nullptr || word[0] == '<' || word[0] == '[' || word[0] == '\0')
        return {};
    QString text = QString::fromUtf8(word);
    const qsizetype variant = text.indexOf(QLatin1Char('('));
    if (variant > 0)
        text.truncate(variant);
    return text;
}

class PocketsphinxRecognizer : public SpeechRecognizer
{
public:
    PocketsphinxRecognizer(LoadedDecoder loaded, const PocketsphinxEngine::Options& options,
        std::shared_ptr<PocketsphinxEngine::Shared> shared)
        : m_config(std::move(loaded.config))
        , m_decoder(std::move(loaded.decoder))
        , m_options(options)
        , m_shared(std::move(shared))
    {
        const int frameRate = cmd_ln_int32_r(m_config.get(), "-frate");
        m_msPerFrame = frameRate > 0 ? 1000.0 / frameRate : 10.0;
        feat_t* features = ps_get_feat(m_decoder.get());
        m_cmn = features ? features->cmn_struct : nullptr;
        if (!m_cmn)
            return;
        std::lock_guard lock(m_shared->mutex);
        if (m_shared->cepstralMean.size() == std::size_t(m_cmn->veclen)) {
            cmn_live_set(m_cmn, m_shared->cepstralMean.data());
        } else {
            m_isAdapting = true;
            for (int32 i = 0; i < m_cmn->veclen; ++i)
                m_cmn->sum[i] = m_cmn->cmn_mean[i] * adaptingPriorFrames;
            m_cmn->nframe = adaptingPriorFrames;
        }
    }

    bool start() { return ps_start_utt(m_decoder.get()) >= 0; }

    bool feed(std::span<const qint16> samples, QList<Recognition>& out) override
    {
        // Small blocks, so that the end of speech is seen within 20 ms.
        constexpr std::size_t block = 320;
        while (!samples.empty()) {
            const std::size_t count = std::min(block, samples.size());
            if (ps_process_raw(m_decoder.get(), samples.data(), count, FALSE, FALSE) < 0)
                return false;
            m_samplesFed += qint64(count);
            samples = samples.subspan(count);

            const bool inSpeech = ps_get_in_speech(m_decoder.get()) != 0;
            if (inSpeech && !m_inUtterance) {
                m_inUtterance = true;
                // Silence before the speech is not passed to the search, so
                // the utterance's first frame is this far into the stream.
                m_utteranceStartMs = msOfSamples(m_samplesFed) - ps_get_n_frames(m_decoder.get()) * m_msPerFrame;
                m_lastInterimAtMs = msOfSamples(m_samplesFed);
                m_lastInterimText.clear();
            }
            if (!m_inUtterance)
                continue;
            const double now = msOfSamples(m_samplesFed);
            if (m_isAdapting && now - m_lastAdaptedAtMs >= adaptingIntervalMs) {
                m_lastAdaptedAtMs = now;
                cmn_live_update(m_cmn);
            }
            if (!inSpeech || now - m_utteranceStartMs >= m_options.maxUtteranceMs) {
                if (!endUtterance(out))
                    return false;
            } else if (now - m_lastInterimAtMs >= m_options.interimIntervalMs) {
                m_lastInterimAtMs = now;
                addInterim(out);
            }
        }
        return true;
    }

    bool flush(QList<Recognition>& out) override { return endUtterance(out); }

private:
    static double msOfSamples(qint64 samples) { return double(samples) / 16.0; }

    void addInterim(QList<Recognition>& out)
    {
        const char* hypothesis = ps_get_hyp(m_decoder.get(), nullptr);
        const QString text = hypothesis ? QString::fromUtf8(hypothesis) : QString();
        if (text.trimmed().isEmpty() || text == m_lastInterimText)
            return;
        m_lastInterimText = text;
        Recognition recognition{words(), false};
        if (!recognition.words.isEmpty())
            out.append(std::move(recognition));
    }

    bool endUtterance(QList<Recognition>& out)
    {
        if (ps_end_utt(m_decoder.get()) < 0)
            return false;
        if (m_inUtterance) {
            Recognition recognition{words(), true};
            if (!recognition.words.isEmpty())
                out.append(std::move(recognition));
            shareCepstralMean();
        }
        m_inUtterance = false;
        return start();
    }

    // The mean the decoder renewed at the end of the utterance serves the
    // next streams from their first word.
    void shareCepstralMean()
    {
        m_isAdapting = false;
        if (!m_cmn)
            return;
        std::vector<mfcc_t> mean(std::size_t(m_cmn->veclen));
        cmn_live_get(m_cmn, mean.data());
        std::lock_guard lock(m_shared->mutex);
        m_shared->cepstralMean = std::move(mean);
    }

    // The decoder counts frames from the first sample it was given, which
    // is the stream's first.
    QList<RecognizedWord> words() const
    {
        QList<RecognizedWord> words;
        for (ps_seg_t* segment = ps_seg_iter(m_decoder.get()); segment; segment = ps_seg_next(segment)) {
            const QString text = spokenWord(ps_seg_word(segment));
            if (text.isEmpty())
                continue;
            int startFrame = 0;
            int endFrame = 0;
            ps_seg_frames(segment, &startFrame, &endFrame);
            words.append({text, qint64(startFrame * m_msPerFrame), qint64((endFrame + 1) * m_msPerFrame)});
        }
        return words;
    }

    Config m_config;
    Decoder m_decoder;
    PocketsphinxEngine::Options m_options;
    std::shared_ptr<PocketsphinxEngine::Shared> m_shared;
    cmn_t* m_cmn = nullptr;
    bool m_isAdapting = false;
    double m_lastAdaptedAtMs = 0;
    double m_msPerFrame = 10.0;
    qint64 m_samplesFed = 0;
    bool m_inUtterance = false;
    double m_utteranceStartMs = 0;
    double m_lastInterimAtMs = 0;
    QString m_lastInterimText;
};

// Model folders may also hold a phone language model ("en-us-phone.lm.bin"),
// which recognises sounds and not words.
QString firstFile(const QDir& folder, const QStringList& patterns)
{
    const QFileInfoList files = folder.entryInfoList(patterns, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        if (!file.fileName().contains(QLatin1String("phone")))
            return file.absoluteFilePath();
    }
    return {};
}

} // namespace

namespace {

std::variant<LoadedDecoder, QString> loadDecoder(const ModelFiles& files)
{
    const QByteArray hmm = QFile::encodeName(files.acousticModel);
    const QByteArray lm = QFile::encodeName(files.languageModel);
    const QByteArray dict = QFile::encodeName(files.dictionary);
    const QByteArray postSpeech = QByteArray::number(std::max(1, files.endSilenceMs / 10));
    // The second search passes would re-decode the whole utterance after it
    // ended, which delays every final by a large part of its length without
    // making it better on conversational speech. The model's feature
    // parameters override the cepstral mean setting: a stream decoder always
    // normalises live.
    // The library's log is one process-wide file that each decoder given
    // "-logfn" closes and reopens, under the feet of decoders logging on
    // other threads (a heap corruption with several streams starting at
    // once): it is switched off once, and decoders are loaded one at a time.
    static std::once_flag logOff;
    std::call_once(logOff, [] { err_set_logfp(nullptr); });
    static std::mutex loading;
    std::lock_guard lock(loading);
    Config config(cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", hmm.constData(), "-lm", lm.constData(), "-dict",
        dict.constData(), "-fwdflat", "no", "-bestpath", "no", "-vad_postspeech", postSpeech.constData(), nullptr));
    if (!config)
        return QStringLiteral("The speech recogniser rejected its configuration");
    Decoder decoder(ps_init(config.get()));
    if (!decoder)
        return QStringLiteral("The speech model in %1 could not be loaded").arg(files.acousticModel);
    return LoadedDecoder{std::move(config), std::move(decoder)};
}

} // namespace

QString PocketsphinxEngine::defaultModelFolder()
{
    return QStringLiteral("/usr/share/pocketsphinx/model/en-us");
}

std::variant<PocketsphinxEngine, QString> PocketsphinxEngine::open(
    const QString& modelFolder, const QString& language, const Options& options)
{
    const QDir folder(modelFolder);
    if (!folder.exists())
        return QStringLiteral("No speech model folder %1").arg(modelFolder);
    PocketsphinxEngine engine;
    engine.m_language = language;
    engine.m_options = options;
    engine.m_shared = std::make_shared<Shared>();
    for (const QFileInfo& entry : folder.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFileInfo::exists(entry.absoluteFilePath() + QStringLiteral("/mdef"))) {
            engine.m_acousticModel = entry.absoluteFilePath();
            break;
        }
    }
    engine.m_languageModel = firstFile(folder, {QStringLiteral("*.lm.bin")});
    if (engine.m_languageModel.isEmpty())
        engine.m_languageModel = firstFile(folder, {QStringLiteral("*.lm"), QStringLiteral("*.lm.dmp")});
    engine.m_dictionary = firstFile(folder, {QStringLiteral("*.dict"), QStringLiteral("*.dic")});
    if (engine.m_acousticModel.isEmpty() || engine.m_languageModel.isEmpty() || engine.m_dictionary.isEmpty()) {
        return QStringLiteral("%1 does not hold an acoustic model, a language model and a dictionary").arg(modelFolder);
    }
    return engine;
}

RecognizerOrError PocketsphinxEngine::createRecognizer() const
{
    std::optional<LoadedDecoder> loaded;
    {
        std::lock_guard lock(m_shared->mutex);
        loaded.swap(m_shared->spare);
    }
    if (!loaded) {
        auto fresh = loadDecoder({m_acousticModel, m_languageModel, m_dictionary, m_options.endSilenceMs});
        if (auto* error = std::get_if<QString>(&fresh))
            return *error;
        loaded = std::move(std::get<LoadedDecoder>(fresh));
    }
    prepare();
    auto recognizer = std::make_unique<PocketsphinxRecognizer>(std::move(*loaded), m_options, m_shared);
    if (!recognizer->start())
        return QStringLiteral("The speech recogniser did not start");
    return std::unique_ptr<SpeechRecognizer>(std::move(recognizer));
}

void PocketsphinxEngine::prepare() const
{
    {
        std::lock_guard lock(m_shared->mutex);
        if (m_shared->spare || m_shared->isLoadingSpare)
            return;
        m_shared->isLoadingSpare = true;
    }
    QThreadPool::globalInstance()->start(
        [shared = m_shared,
            files = ModelFiles{m_acousticModel, m_languageModel, m_dictionary, m_options.endSilenceMs}] {
            auto loaded = loadDecoder(files);
            std::lock_guard lock(shared->mutex);
            shared->isLoadingSpare = false;
            // A failure shows when the next stream loads its own.
            if (auto* decoder = std::get_if<LoadedDecoder>(&loaded))
                shared->spare = std::move(*decoder);
        });
}

} // namespace tolvaran::server
