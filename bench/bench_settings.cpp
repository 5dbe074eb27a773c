// What a settings change and a start-up read cost: a slider in the settings
// window assigns on every move, and each assignment reaches the disk at once.
#include "model/ColorText.h"
#include "settings/AppSettings.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace tolvaran;

namespace {

void BM_AssignWritesThrough(benchmark::State& state)
{
    QTemporaryDir dir;
    AppSettings settings(dir.filePath("settings.json"));
    double opacity = 0.5;
    for (auto _ : state) {
        opacity = opacity > 0.9 ? 0.5 : opacity + 0.001;
        settings.setOverlayOpacity(opacity);
    }
}

BENCHMARK(BM_AssignWritesThrough)->Unit(benchmark::kMicrosecond);

void BM_LoadAllSettings(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("settings.json");
    {
        AppSettings settings(path);
        settings.setSpeakerLanguages({TargetLanguage::german, TargetLanguage::french});
        settings.setSubtitleTextColor(QColor(0x12, 0x34, 0x56));
        settings.setRecordingsFolder(QUrl::fromLocalFile(dir.path()));
    }
    for (auto _ : state) {
        AppSettings settings(path);
        benchmark::DoNotOptimize(settings.maxTranslationLines());
    }
}

BENCHMARK(BM_LoadAllSettings)->Unit(benchmark::kMicrosecond);

void BM_ColorTextRoundTrip(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(hexString(*colorFromHex(u"  #1a2B3c\n")));
}

BENCHMARK(BM_ColorTextRoundTrip);

} // namespace
