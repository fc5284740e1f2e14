// RenderChunk on a typical ten-letter word with the built-in voice and the initial settings
// (linear intonation, three echo taps). Reports audio seconds rendered per CPU second and the
// heap allocations per chunk after the first.
#include <benchmark/benchmark.h>

#include "bench/AllocationCounter.h"
#include "core/EngineSettings.h"
#include "synthesis/WavImage.h"
#include "synthesis/WaveAssembly.h"
#include "voice/BuiltinVoice.h"

namespace vokadlo {
namespace {

struct TUnitRow {
    const char* sample;
    std::int32_t pause;     // ms
    std::int32_t duration;  // ms
    double gain;
    std::int32_t pitch;  // intonation target
};

// "pozornosti " inside a sentence, as the prosody shapes it: durations, pauses and gains from its
// timing tables (before the random spread), intonation -60 with the pitch walking up from the
// second vowel; t before i is the soft ť, the space a short pause.
constexpr TUnitRow kWord[] = {
    {"p", 0, 150, 0.6, -60},  {"o", 0, 170, 0.6, -60},  {"z", 20, 80, 0.6, -60},
    {"o", 0, 170, 0.6, -58},  {"r", 0, 140, 0.7, -58},  {"n", 55, 350, 0.8, -57},
    {"o", 15, 170, 0.6, -56}, {"s", 20, 170, 0.5, -55}, {"\x9D", 80, 150, 0.5, -54},
    {"i", 0, 150, 0.6, -53},  {" ", 0, 40, 1.0, 0},
};

TSayWord TypicalWord() {
    TSayWord word;
    for (const TUnitRow& row : kWord) {
        TCharacter unit;
        unit.Sample = row.sample;
        unit.Pause = row.pause;
        unit.Duration = row.duration;
        unit.Gain = row.gain;
        unit.Pitch = row.pitch;
        unit.Volume = Settings.OutputVolume;
        word.Chars.push_back(unit);
    }
    word.CharCount = static_cast<std::int32_t>(word.Chars.size());
    word.WordVolume = Settings.OutputVolume;
    word.IntonationStep = 100;  // SpeedPercent, as the pitch pass leaves it
    return word;
}

// state.range(0): echo taps (the initial settings have 3; 0 turns the echo off).
void BM_RenderChunk(benchmark::State& state) {
    Settings.PitchShift = -30;  // the first voice's shift
    Settings.EchoTracks = static_cast<std::int32_t>(state.range(0));
    TMemoryStream header;
    TMemoryStream silence;
    LoadHeaderTemplate(BuiltinVoice(), header, silence);
    TSayWord word = TypicalWord();
    TMemoryStream image;
    TRenderBuffers buffers;
    TEchoState echo;
    ResetEcho(echo);
    word.Intonation = -60;
    RenderChunk(word, image, header, buffers, echo, BuiltinVoice());  // buffers grow once

    const std::uint64_t before = bench::AllocationCount();
    std::int64_t samples = 0;
    for (auto _ : state) {
        word.Intonation = -60;
        RenderChunk(word, image, header, buffers, echo, BuiltinVoice());
        benchmark::DoNotOptimize(image.data());
        samples += static_cast<std::int64_t>((image.size() - kHeaderTemplateSize) / 2);
    }
    const std::uint64_t allocations = bench::AllocationCount() - before;
    const double seconds = static_cast<double>(samples) / 22050.0;
    state.counters["audio_s_per_cpu_s"] = benchmark::Counter(seconds, benchmark::Counter::kIsRate);
    state.counters["allocs_per_chunk"] =
        benchmark::Counter(static_cast<double>(allocations), benchmark::Counter::kAvgIterations);
    state.counters["chunk_ms"] =
        static_cast<double>(image.size() - kHeaderTemplateSize) / 2 / 22.05;
}
BENCHMARK(BM_RenderChunk)->ArgName("echo_taps")->Arg(3)->Arg(0);

}  // namespace
}  // namespace vokadlo

BENCHMARK_MAIN();
