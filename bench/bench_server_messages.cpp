// The cost of one incoming "result" message: the server sends a few per
// second, so decoding must stay a negligible share of a core (under 50 us).
#include "protocol/ServerMessages.h"

#include <benchmark/benchmark.h>

using namespace tolvaran;

namespace {

QByteArray typicalResult(int tokenCount)
{
    QByteArray tokens;
    for (int i = 0; i < tokenCount; ++i) {
        const bool translated = i >= tokenCount / 2;
        if (i > 0)
            tokens += ',';
        tokens += QStringLiteral("{\"text\":\" word%1\",\"start_ms\":%2,\"end_ms\":%3,\"is_final\":%4,"
                                 "\"confidence\":0.93,\"language\":\"%5\",\"source_language\":\"en\","
                                 "\"translation_status\":\"%6\",\"speaker\":\"1\"}")
                      .arg(i)
                      .arg(1000 + i * 240)
                      .arg(1200 + i * 240)
                      .arg(i < tokenCount - 3 ? "true" : "false")
                      .arg(translated ? "de" : "en")
                      .arg(translated ? "translation" : "original")
                      .toUtf8();
    }
    return "{\"type\":\"result\",\"tokens\":[" + tokens
        + "],\"original\":\"word0 word1 word2 word3 word4 word5 word6 word7 word8 word9\","
          "\"translation\":\"Wort0 Wort1 Wort2 Wort3 Wort4 Wort5 Wort6 Wort7 Wort8 Wort9\"}";
}

void BM_DecodeResult20Tokens(benchmark::State& state)
{
    const QByteArray message = typicalResult(20);
    if (!decodeIncomingMessage(message)) {
        state.SkipWithError("the sample message does not decode");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeIncomingMessage(message));
    state.SetBytesProcessed(state.iterations() * message.size());
}

BENCHMARK(BM_DecodeResult20Tokens)->Unit(benchmark::kMicrosecond);

} // namespace
