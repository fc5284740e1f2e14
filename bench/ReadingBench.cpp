// The reading stage on bench/texts/vypraveni.txt (the text bench/compare-peers speaks), and on
// that text repeated to 1 and 4 MiB: the time per byte must not grow with the length.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>

#include "reading/Reading.h"

namespace vokadlo {
namespace {

const std::string& Text() {
    static const std::string text = [] {
        std::ifstream file(VOKADLO_BENCH_TEXT);
        std::stringstream content;
        content << file.rdbuf();
        return content.str();
    }();
    return text;
}

void BM_ReadText(benchmark::State& state) {
    std::string text;
    const auto bytes = static_cast<std::size_t>(state.range(0));
    while (text.size() < bytes || text.empty()) {
        text += Text();
        if (bytes == 0) {
            break;
        }
    }
    for (auto _ : state) {
        TReadingResult result = ReadAsCzech(text);
        benchmark::DoNotOptimize(result.text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadText)->Arg(0)->Arg(1 << 20)->Arg(4 << 20)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vokadlo

BENCHMARK_MAIN();
