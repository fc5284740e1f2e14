// PrepareChunk on about 1 MB of text, with an engine over a voice of one silent recording and
// a settings store in memory:
// - tag-only words ("\ton=3\ "), then one real word: one call skips every tag word;
// - the same with two spaces after each tag word (every skip starts a new text);
// - ordinary words: one call per word, the first 1000 words of the text;
// - a whole text of 1 and 4 MiB, every chunk: the time per byte must not grow with the length
//   (each chunk costs about its own length, not the rest of the text's);
// - user dictionary rows that feed each other without end.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/EngineSettings.h"
#include "engine/OrvTts.h"
#include "engine/TextPipeline.h"
#include "platform/ConfigDir.h"
#include "tests/doubles/HeadlessEngine.h"

namespace vokadlo {
namespace {

constexpr std::size_t kTextBytes = 1 << 20;

std::string Repeated(const std::string& word, const std::string& last) {
    std::string text;
    while (text.size() < kTextBytes) {
        text += word;
    }
    return text + last;
}

void Queue(TSayText& engine, const std::string& text) {
    engine.PendingText = text;
    engine.TextRestart = true;
    engine.ChunkReady = false;
}

void SkipMany(benchmark::State& state, const std::string& text) {
    TSayText& engine = test::HeadlessEngine("bench");
    for (auto _ : state) {
        Queue(engine, text);
        engine.PrepareChunk();
        benchmark::DoNotOptimize(engine.ChunkText);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}

void BM_SkipTagWords(benchmark::State& state) {
    SkipMany(state, Repeated("\\ton=3\\ ", "slovo"));
}
BENCHMARK(BM_SkipTagWords)->Unit(benchmark::kMillisecond);

void BM_SkipTagWordsDoubleSpaces(benchmark::State& state) {
    SkipMany(state, Repeated("\\ton=3\\  ", "slovo"));
}
BENCHMARK(BM_SkipTagWordsDoubleSpaces)->Unit(benchmark::kMillisecond);

void BM_OrdinaryWords(benchmark::State& state) {
    constexpr int kWords = 1000;
    TSayText& engine = test::HeadlessEngine("bench");
    const std::string text = Repeated("slovo ", "konec");
    for (auto _ : state) {
        Queue(engine, text);
        for (int word = 0; word < kWords; ++word) {
            engine.ChunkReady = false;
            engine.PrepareChunk();
        }
        benchmark::DoNotOptimize(engine.ChunkText);
    }
    state.SetItemsProcessed(state.iterations() * kWords);
}
BENCHMARK(BM_OrdinaryWords)->Unit(benchmark::kMillisecond);

void BM_WholeText(benchmark::State& state) {
    TSayText& engine = test::HeadlessEngine("bench");
    std::string text;
    while (text.size() < static_cast<std::size_t>(state.range(0)) << 20) {
        text += "slovo dobré a 12 ";
    }
    for (auto _ : state) {
        Queue(engine, text);
        while (!engine.PendingText.empty() && engine.PendingText != kEndMarker) {
            engine.ChunkReady = false;
            engine.PrepareChunk();
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_WholeText)->Arg(1)->Arg(4)->Iterations(1)->Unit(benchmark::kMillisecond);

// Ten user rows that feed each other (a=bbb..., b=ccc..., ... j=kkk..., 255 letters each) and
// the text "a", through the chunk's rewriting: it stops once the chunk passes 64 KiB. Reports
// the process's peak memory, which must stay under 64 MiB (run this benchmark alone to read it:
// --benchmark_filter=BM_DictionaryCascade). Saying the 64 KiB chunk is another matter: its
// 65 000 units of audio take what any chunk of that length takes.
void BM_DictionaryCascade(benchmark::State& state) {
    TSayText& engine = test::HeadlessEngine("bench");
    const std::vector<std::string> ownRows = engine.UserDictionary;
    engine.UserDictionary.clear();
    for (char key = 'a'; key < 'k'; ++key) {
        engine.UserDictionary.push_back(std::string(1, key) + "=" +
                                        std::string(255, static_cast<char>(key + 1)));
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConvertChunk("a", engine, ""));
    }
    engine.UserDictionary = ownRows;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_DictionaryCascade)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vokadlo

BENCHMARK_MAIN();
