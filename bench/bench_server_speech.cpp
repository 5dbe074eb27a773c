// The local server's figures, streamed in real time as the program streams:
// word error rate against pocketsphinx's own batch decoding of the same
// recordings, end of speech to final, final to translation, and CPU time per
// concurrent speaker. A measurement run, not a test: it prints and passes.
#include "ApertiumTranslator.h"
#include "PocketsphinxEngine.h"
#include "TranslationServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QTimer>
#include <QWebSocket>
#include <QtEndian>

#include <cstdio>
#include <ctime>
#include <err.h>
#include <pocketsphinx.h>
#include <sys/resource.h>

using namespace tolvaran::server;

namespace {

const QString folder = QStringLiteral("/usr/share/pocketsphinx/test/data/librivox/");

struct Utterance
{
    QString id;
    QStringList reference;
    QByteArray pcm;
};

QList<Utterance> utterances()
{
    QList<Utterance> list;
    QFile transcription(folder + "transcription");
    if (!transcription.open(QIODevice::ReadOnly))
        return list;
    for (const QByteArray& line : transcription.readAll().split('\n')) {
        const QString text = QString::fromUtf8(line).trimmed();
        const qsizetype open = text.lastIndexOf('(');
        if (open < 0)
            continue;
        Utterance utterance;
        utterance.id = text.mid(open + 1).chopped(1);
        QStringList words = text.left(open).split(' ', Qt::SkipEmptyParts);
        words.removeAll("<s>");
        words.removeAll("</s>");
        utterance.reference = words;
        QFile wav(folder + utterance.id + ".wav");
        if (!wav.open(QIODevice::ReadOnly))
            continue;
        utterance.pcm = wav.readAll().mid(44);
        list.append(utterance);
    }
    return list;
}

int editDistance(const QStringList& a, const QStringList& b)
{
    std::vector<int> row(std::size_t(b.size()) + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[std::size_t(j)] = int(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = int(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int up = row[std::size_t(j)];
            row[std::size_t(j)] = std::min({up + 1, row[std::size_t(j - 1)] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = up;
        }
    }
    return row[std::size_t(b.size())];
}

double threadCpuSeconds()
{
    timespec now{};
    if (clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now) != 0)
        return 0;
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct BatchResult
{
    QStringList words;
    // Where the last word ends in the recording: the end of speech.
    double lastWordEndMs = -1;
    double loadCpuSeconds = 0;
    double decodeCpuSeconds = 0;
};

// pocketsphinx's own batch decoding of a whole recording, fresh decoder.
BatchResult batchDecode(const QByteArray& pcm, bool serverSettings)
{
    BatchResult result;
    const double loadStart = threadCpuSeconds();
    const char* passes = serverSettings ? "no" : "yes";
    cmd_ln_t* config = cmd_ln_init(nullptr, ps_args(), TRUE, "-hmm", "/usr/share/pocketsphinx/model/en-us/en-us", "-lm",
        "/usr/share/pocketsphinx/model/en-us/en-us.lm.bin", "-dict",
        "/usr/share/pocketsphinx/model/en-us/cmudict-en-us.dict", "-fwdflat", passes, "-bestpath", passes, nullptr);
    if (!config)
        return {};
    ps_decoder_t* decoder = ps_init(config);
    const double decodeStart = threadCpuSeconds();
    result.loadCpuSeconds = decodeStart - loadStart;
    if (decoder && ps_start_utt(decoder) >= 0
        && ps_process_raw(
               decoder, reinterpret_cast<const int16*>(pcm.constData()), std::size_t(pcm.size() / 2), FALSE, TRUE)
            >= 0
        && ps_end_utt(decoder) >= 0) {
        const char* hypothesis = ps_get_hyp(decoder, nullptr);
        result.words = QString::fromUtf8(hypothesis ? hypothesis : "").split(' ', Qt::SkipEmptyParts);
        result.decodeCpuSeconds = threadCpuSeconds() - decodeStart;
        for (ps_seg_t* segment = ps_seg_iter(decoder); segment; segment = ps_seg_next(segment)) {
            const char* word = ps_seg_word(segment);
            if (word[0] == '<' || word[0] == '[')
                continue;
            int startFrame = 0;
            int endFrame = 0;
            ps_seg_frames(segment, &startFrame, &endFrame);
            result.lastWordEndMs = (endFrame + 1) * 10.0;
        }
    }
    if (decoder)
        ps_free(decoder);
    cmd_ln_free_r(config);
    return result;
}

QString loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    return QString::fromLatin1(file.readAll()).section(' ', 0, 2);
}

QByteArray wavHeader()
{
    static const unsigned char header[44]
        = {'R', 'I', 'F', 'F', 0x23, 0, 0, 0x80, 'W', 'A', 'V', 'E', 'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x80,
            0x3e, 0, 0, 0, 0x7d, 0, 0, 2, 0, 16, 0, 'd', 'a', 't', 'a', 0xff, 0xff, 0xff, 0x7f};
    return QByteArray(reinterpret_cast<const char*>(header), sizeof(header));
}

// One speaker streaming a recording, then silence, in 20 ms frames in real time.
struct Stream
{
    QWebSocket socket;
    QElapsedTimer clock;
    QByteArray audio;
    qsizetype sent = 0;
    QTimer pacer;
    QStringList finalWords;
    // When each final arrived, in ms after the first sample was due.
    QList<double> finalArrivalMs;
    QList<double> translationLatencyMs;
    double lastFinalAtMs = -1;
    bool isDone = false;

    Stream(const QString& url, const QByteArray& pcm)
    {
        audio = pcm + QByteArray(32000 * 2, '\0');
        QObject::connect(&socket, &QWebSocket::connected, &socket, [this] {
            clock.start();
            pacer.start(20);
        });
        QObject::connect(&pacer, &QTimer::timeout, &socket, [this] {
            // Whatever is due by now, as a capture that fell behind would send it.
            const qsizetype due = std::min(audio.size(), qsizetype(clock.elapsed()) * 32);
            if (due > sent) {
                const QByteArray chunk = audio.mid(sent, due - sent);
                socket.sendBinaryMessage(sent == 0 ? wavHeader() + chunk : chunk);
                sent = due;
            }
            if (sent == audio.size()) {
                pacer.stop();
                socket.sendTextMessage("{\"type\":\"finish\"}");
            }
        });
        QObject::connect(&socket, &QWebSocket::textMessageReceived, &socket, [this](const QString& text) {
            const QJsonObject message = QJsonDocument::fromJson(text.toUtf8()).object();
            const double now = clock.nsecsElapsed() / 1e6;
            if (message.value("type") == "finished") {
                isDone = true;
                return;
            }
            if (message.value("type") == "error")
                std::fprintf(stderr, "server error: %s\n", qPrintable(message.value("message").toString()));
            const QJsonArray tokens = message.value("tokens").toArray();
            if (tokens.isEmpty())
                return;
            const QJsonObject last = tokens.last().toObject();
            if (last.value("translation_status") == "translation") {
                if (lastFinalAtMs >= 0)
                    translationLatencyMs.append(now - lastFinalAtMs);
            } else if (last.value("is_final").toBool()) {
                lastFinalAtMs = now;
                finalArrivalMs.append(now);
                for (const QJsonValue& token : tokens)
                    finalWords.append(token.toObject().value("text").toString());
            }
        });
        QObject::connect(&socket, &QWebSocket::disconnected, &socket, [this] { isDone = true; });
        socket.open(QUrl(url));
    }
};

double cpuSeconds()
{
    rusage usage{};
    if (getrusage(RUSAGE_SELF, &usage) != 0)
        return 0;
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double mean(const QList<double>& values)
{
    double sum = 0;
    for (double v : values)
        sum += v;
    return values.isEmpty() ? 0 : sum / double(values.size());
}

double maximum(const QList<double>& values)
{
    return values.isEmpty() ? 0 : *std::max_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QCoreApplication app(argc, argv);
    // The library's one log file is shared by every decoder of the process.
    err_set_logfp(nullptr);
    const QList<Utterance> recordings = utterances();
    if (recordings.isEmpty()) {
        std::fprintf(stderr, "pocketsphinx-testdata is not installed\n");
        return 1;
    }
    auto opened = PocketsphinxEngine::open(PocketsphinxEngine::defaultModelFolder(), "en", {});
    if (const auto* error = std::get_if<QString>(&opened)) {
        std::fprintf(stderr, "%s\n", qPrintable(*error));
        return 1;
    }
    auto engine = std::make_shared<PocketsphinxEngine>(std::get<PocketsphinxEngine>(opened));
    ApertiumTranslator translator;
    std::printf("Load average at the start: %s\n", qPrintable(loadAverage()));

    // The floor: pocketsphinx's own batch decoding of each whole recording.
    int referenceWords = 0;
    int batchErrors = 0;
    int batchServerErrors = 0;
    double audioSeconds = 0;
    double batchLoadCpu = 0;
    double batchDecodeCpu = 0;
    QList<BatchResult> batches;
    for (const Utterance& recording : recordings) {
        const BatchResult batch = batchDecode(recording.pcm, true);
        batchErrors += editDistance(recording.reference, batchDecode(recording.pcm, false).words);
        batchServerErrors += editDistance(recording.reference, batch.words);
        referenceWords += int(recording.reference.size());
        audioSeconds += double(recording.pcm.size()) / 32000.0;
        batchLoadCpu += batch.loadCpuSeconds;
        batchDecodeCpu += batch.decodeCpuSeconds;
        batches.append(batch);
    }
    std::printf("pocketsphinx batch, the server's passes: %.2f CPU seconds per second of audio, model load %.2f CPU "
                "seconds\n",
        batchDecodeCpu / audioSeconds, batchLoadCpu / double(recordings.size()));

    // Streamed in real time: on one server, whose recogniser carries what it
    // learnt of the audio from one connection to the next as it does for its
    // user, and on a new server for each recording, as a first connection.
    for (const bool freshServer : {false, true}) {
        std::unique_ptr<TranslationServer> server;
        auto startServer = [&] {
            auto fresh = PocketsphinxEngine::open(PocketsphinxEngine::defaultModelFolder(), "en", {});
            server = std::make_unique<TranslationServer>(
                std::make_shared<PocketsphinxEngine>(std::get<PocketsphinxEngine>(fresh)), translator);
            // A server is started before anyone speaks to it.
            const bool isListening = !server->listen(QHostAddress::LocalHost, 0);
            QTest::qWait(3000);
            return isListening;
        };
        int streamedErrors = 0;
        QList<double> finalLatency;
        QList<double> translationLatency;
        qsizetype extraFinals = 0;
        std::printf("\n%s\n", freshServer ? "A new server for each recording:" : "One server for all recordings:");
        for (qsizetype i = 0; i < recordings.size(); ++i) {
            const Utterance& recording = recordings.at(i);
            if ((freshServer || !server) && !startServer())
                return 1;
            const QString url = QStringLiteral("ws://127.0.0.1:%1/translate?lang=es").arg(server->port());
            Stream stream(url, recording.pcm);
            if (!QTest::qWaitFor([&] { return stream.isDone; }, 120000))
                std::fprintf(stderr, "%s: no end\n", qPrintable(recording.id));
            streamedErrors += editDistance(recording.reference, stream.finalWords);
            // The end of speech is where the batch decoding puts the last
            // word; the last final follows it.
            const double latency = stream.finalArrivalMs.isEmpty() || batches.at(i).lastWordEndMs < 0
                ? -1
                : stream.finalArrivalMs.last() - batches.at(i).lastWordEndMs;
            if (latency >= 0)
                finalLatency.append(latency);
            extraFinals += std::max<qsizetype>(0, stream.finalArrivalMs.size() - 1);
            translationLatency += stream.translationLatencyMs;
            std::printf("%s: end of speech to final %.0f ms\n  streamed: %s\n  batch:    %s\n",
                qPrintable(recording.id), latency, qPrintable(stream.finalWords.join(' ')),
                qPrintable(batches.at(i).words.join(' ')));
        }
        std::printf("Word error rate on %d words: streamed %.1f %%, pocketsphinx batch %.1f %% (the server's passes), "
                    "%.1f %% (default passes)\n",
            referenceWords, 100.0 * streamedErrors / referenceWords, 100.0 * batchServerErrors / referenceWords,
            100.0 * batchErrors / referenceWords);
        std::printf("End of speech to the last final of each recording: mean %.0f ms, worst %.0f ms (%lld finals, "
                    "%lld more within recordings)\n",
            mean(finalLatency), maximum(finalLatency), qint64(finalLatency.size()), qint64(extraFinals));
        std::printf("Final to translation: mean %.1f ms, worst %.1f ms\n", mean(translationLatency),
            maximum(translationLatency));
        std::printf("Load average: %s\n", qPrintable(loadAverage()));
    }

    TranslationServer server(engine, translator);
    if (server.listen(QHostAddress::LocalHost, 0))
        return 1;
    const QString url = QStringLiteral("ws://127.0.0.1:%1/translate?lang=es").arg(server.port());
    const QByteArray longest = recordings.first().pcm;
    for (int speakers : {1, 2, 4, 8}) {
        const double cpuBefore = cpuSeconds();
        QElapsedTimer wall;
        wall.start();
        std::vector<std::unique_ptr<Stream>> streams;
        for (int i = 0; i < speakers; ++i)
            streams.push_back(std::make_unique<Stream>(url, longest));
        if (!QTest::qWaitFor(
                [&] { return std::all_of(streams.begin(), streams.end(), [](const auto& s) { return s->isDone; }); },
                300000))
            std::fprintf(stderr, "%d speakers: not all streams ended\n", speakers);
        const double streamSeconds = double(streams.front()->audio.size()) / 32000.0;
        const double cpu = cpuSeconds() - cpuBefore;
        std::printf("%d concurrent speakers: %.2f CPU seconds per second of audio per speaker, wall %.1f s for "
                    "%.1f s of audio\n",
            speakers, cpu / streamSeconds / speakers, wall.elapsed() / 1000.0, streamSeconds);
    }
    std::printf("Load average at the end: %s\n", qPrintable(loadAverage()));
    return 0;
}
