// Fuzz target: any bytes as a disk recording, rendered through RenderUnit in a few ways (pitch
// passes, lengthening and shortening, trimming, both intonation modes). A file that is no
// recording yields only the unit's pause; no unit's output passes 10 s of sound.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/EngineSettings.h"
#include "fuzz/TempFolder.h"
#include "synthesis/SampleBank.h"
#include "synthesis/WaveAssembly.h"
#include "tests/doubles/Doubles.h"

namespace {

using namespace vokadlo;

struct TWay {
    const char* code;
    std::int32_t duration;
    std::int32_t firstPeriod;
    std::int32_t endCut;
    std::int32_t pitchShift;
    std::int16_t toneHi;
    bool linear;
};

// "\xEF" is ď, which is never lengthened or shortened.
constexpr TWay kWays[] = {
    {"a", 170, 0, 0, 0, 0, false}, {"a", 10000, 5, 0, 2, 0, false},
    {"a", 1, 0, 3, -2, 3, true},   {"\xEF", 360, 2, 0, 0, -4, false},
    {"j", 50, 0, 1, 0, 0, true},   {"a", 360, 0, -2, 3, 2, true},
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TTempFolder temp("recording");
    const std::filesystem::path& folder = temp.path;
    {
        std::ofstream out(folder / "A.wav", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        std::ofstream copy(folder / "j.wav", std::ios::binary | std::ios::trunc);
        copy.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        std::ofstream soft(folder / "\xC4\x8F.wav", std::ios::binary | std::ios::trunc);  // ď
        soft.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TSettingsGuard guard;
    Settings.SamplesFromDisk = true;
    Settings.SampleFolder = folder.string();
    Settings.IntonationOn = true;
    static const test::TMemoryResources none;
    TRenderBuffers buffers;
    TMemoryStream image;
    TSayWord word;
    word.Intonation = 4;
    word.IntonationStep = 0.5;
    word.WordVolume = 63750;
    for (const TWay& way : kWays) {
        Settings.PitchShift = way.pitchShift;
        Settings.IntonationLinear = way.linear;
        TCharacter unit;
        unit.Sample = way.code;
        unit.Duration = way.duration;
        unit.Pause = 3;
        unit.FirstPeriod = way.firstPeriod;
        unit.EndCut = way.endCut;
        unit.Gain = 1.5;
        unit.Volume = 63750;
        unit.Pitch = 9;
        unit.ToneHi = way.toneHi;
        image.clear();
        RenderUnit(unit, word, image, buffers, none);
        if (image.size() < 3 * 22 * 2 || image.size() > 2 * 22050 * 10 || image.size() % 2 != 0) {
            __builtin_trap();
        }
    }
    const bool refused = !buffers.RefusedRecordings.empty();
    if (refused != !RecordingProblem({data, size}).empty() && size <= INT32_MAX) {
        __builtin_trap();
    }
    return 0;
}
