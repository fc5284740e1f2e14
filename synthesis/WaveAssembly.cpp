#include "synthesis/WaveAssembly.h"

#include <algorithm>
#include <span>
#include <stdexcept>

#include "core/Cp1250Literal.h"
#include "core/EngineSettings.h"
#include "core/Numeric.h"
#include "synthesis/BufferOps.h"
#include "synthesis/CutRecordings.h"
#include "synthesis/Periods.h"
#include "synthesis/SampleBank.h"
#include "synthesis/WavImage.h"

namespace vokadlo {
namespace {

constexpr double kFullVolume = 63750.0;
constexpr std::int32_t kSkippedHead = 46;   // header and first sample of a recording
constexpr std::int32_t kSkippedTail = 120;  // trailing chunk and the last 23 samples
constexpr char kSoftD = U'ď'_cp;            // never lengthened or shortened
// One unit's output is at most 10 s of sound at 22050 samples per second, its silence
// included: this is where a runaway pause, duration, repeat count or pitch pass stops.
constexpr std::size_t kMaxUnitBytes = 2 * std::size_t{22050} * kMaxUnitSeconds;

// Bytes a unit whose output ends at `unitEnd` may still append to `image`.
std::size_t Room(const TMemoryStream& image, std::size_t unitEnd) {
    return unitEnd > image.size() ? unitEnd - image.size() : 0;
}

void AppendSilence(TMemoryStream& image, std::int32_t ms, std::size_t unitEnd) {
    const std::int64_t samples =
        static_cast<std::int64_t>(std::min(ms, kMaxUnitMs)) * Settings.SamplesPerMs;
    if (samples > 0) {
        const std::size_t bytes =
            std::min(2 * static_cast<std::size_t>(samples), Room(image, unitEnd));
        image.resize(image.size() + bytes, 0);
    }
}

void Append(TMemoryStream& image, std::span<const std::uint8_t> from, std::int64_t bytes,
            std::size_t unitEnd) {
    const auto count = std::min(static_cast<std::size_t>(std::clamp<std::int64_t>(
                                    bytes, 0, static_cast<std::int64_t>(from.size()))),
                                Room(image, unitEnd));
    image.insert(image.end(), from.begin(), from.begin() + static_cast<std::ptrdiff_t>(count));
}

// The unit's amplitude factor: Gain, then the unit volume with VolumeFactor, then the chunk
// volume; a volume of 0 leaves its factor out.
double UnitGain(const TCharacter& unit, const TSayWord& word) {
    double g = unit.Gain;
    if (unit.Volume != 0) {
        g = unit.Volume / kFullVolume * Settings.VolumeFactor * g;
    }
    if (word.WordVolume != 0) {
        g = word.WordVolume / kFullVolume * g;
    }
    return g;
}

std::int32_t CountOf(double intonation) {
    return ClampToInt32(Round(intonation));
}

bool MovesPitch(std::int64_t count) {
    const std::int32_t c = ClampToInt32(count);
    return c < -1 || c > 1;
}

void PitchPass(TRenderBuffers& b, std::int32_t u, std::int64_t count) {
    if (!MovesPitch(count)) {
        return;
    }
    const std::int32_t c = ClampToInt32(count);
    for (std::int32_t k = 0; k < u; ++k) {
        ResamplePeriod(b.PeriodBuffers[k], c, b.PeriodBytes[k]);
    }
}

// The recording gained, cut at its pitch marks and its periods moved by `pitch`: kept from an
// earlier unit, or made now (and kept, unless the recording was read from disk).
const TCutRecording& CutOf(std::span<const std::uint8_t> recording, double gain, std::int32_t pitch,
                           TRenderBuffers& b) {
    if (const TCutRecording* kept = b.Cut.Find(recording, gain, pitch)) {
        return *kept;
    }
    std::int32_t n = static_cast<std::int32_t>(recording.size()) - kSkippedHead;
    EnsureBufferSize(b.WorkBuffer, n);
    std::copy(recording.begin() + kSkippedHead, recording.end(), b.WorkBuffer.begin());
    ApplyGain(b.WorkBuffer, n, gain);

    RoundDownToEven(n);
    n -= kSkippedTail;
    const std::int32_t s = SplitAtPitchMarks(b.WorkBuffer, n / 2, b);
    CopyUsablePeriods(b.WorkBuffer, s, b);
    PitchPass(b, s, pitch);

    TCutRecording& made = b.MadeCut;
    made.Clear();
    for (std::int32_t k = 0; k < s; ++k) {
        made.Add(b.PeriodBuffers[k], b.PeriodBytes[k]);
    }
    const bool fromDisk = !b.Recording.empty() && recording.data() == b.Recording.data();
    if (!fromDisk) {
        b.Cut.Keep(recording, gain, pitch, made);
    }
    return made;
}

// The samples of each period the unit writes: its own copy when a pitch pass of the unit's own
// changes it, else the kept recording's.
struct TPeriods {
    const TCutRecording& Cut;
    const TRenderBuffers& Buffers;
    bool Own = false;

    std::span<const std::uint8_t> operator[](std::int32_t k) const {
        const auto at = static_cast<std::size_t>(k);
        return Own ? std::span<const std::uint8_t>(Buffers.PeriodBuffers[at]) : Cut.Period(at);
    }
};

// Periods 1 .. u of `cut` into the period table and, with `own`, into the period buffers.
void UsePeriods(const TCutRecording& cut, std::int32_t u, bool own, TRenderBuffers& b) {
    const auto count = static_cast<std::size_t>(u);
    if (b.PeriodBuffers.size() < count) {
        b.PeriodBuffers.resize(count);
        b.PeriodBytes.resize(count);
    }
    for (std::size_t k = 0; k < count; ++k) {
        const std::int32_t bytes = cut.Bytes[k];
        b.PeriodBytes[k] = bytes;
        if (own && bytes > 0) {
            const std::span<const std::uint8_t> period = cut.Period(k);
            EnsureBufferSize(b.PeriodBuffers[k], bytes);
            std::copy(period.begin(), period.end(), b.PeriodBuffers[k].begin());
        }
    }
}

// Moves the chunk's running intonation one step toward the unit's target; a step that passes
// below the target is taken back, so it settles once reached.
void GlideIntonation(TSayWord& word, std::int32_t target) {
    if (target < word.Intonation) {
        word.Intonation -= word.IntonationStep;
    }
    if (target > word.Intonation) {
        word.Intonation += word.IntonationStep;
    }
}

void WritePeriods(const TCharacter& unit, TSayWord& word, TMemoryStream& image, TRenderBuffers& b,
                  const TPeriods& periods, std::int32_t u, std::int32_t repeats,
                  std::size_t unitEnd) {
    std::int32_t first = unit.FirstPeriod;
    if (first <= 0 || first > u) {
        first = 1;
    }
    for (std::int32_t k = first; k <= u; ++k) {
        const std::int32_t bytes = b.PeriodBytes[k - 1];
        if (bytes <= 0) {
            continue;
        }
        const std::int32_t copies = (4 <= k && k <= u - 4) ? std::max(repeats, 1) : 1;
        for (std::int32_t copy = 0; copy < copies; ++copy) {
            if (Room(image, unitEnd) == 0) {
                return;
            }
            if (Settings.IntonationLinear) {
                GlideIntonation(word, unit.Pitch);
                const std::int32_t shifted = ResamplePeriodCopy(periods[k - 1], b.ScratchBuffer,
                                                                CountOf(word.Intonation), bytes);
                Append(image, b.ScratchBuffer, shifted, unitEnd);
            } else {
                Append(image, periods[k - 1], bytes, unitEnd);
            }
        }
    }
}

}  // namespace

void RenderUnit(const TCharacter& unit, TSayWord& word, TMemoryStream& image, TRenderBuffers& b,
                const IResourceStore& resources) {
    const std::string code = NormalizeUnitCode(unit.Sample);
    const std::size_t unitEnd = std::min(image.size() + kMaxUnitBytes, b.ImageLimit);
    if (code == kPauseCode) {
        AppendSilence(image, unit.Duration, unitEnd);
        return;
    }
    AppendSilence(image, unit.Pause, unitEnd);
    if (code[0] == ',' || code[0] == '.') {
        return;
    }
    const auto recording = PhonemeSampleBytes(code, resources, b.Recording, &b.RefusedRecordings);
    if (recording.size() < kMinRecordingSize || recording.size() > INT32_MAX) {
        return;
    }

    const double gain = UnitGain(unit, word);
    const std::int32_t pitch =
        ClampToInt32(static_cast<std::int64_t>(Settings.PitchShift) + unit.ToneLo);
    const TCutRecording& cut = CutOf(recording, gain, pitch, b);
    const std::int32_t s = cut.Periods();
    const std::int32_t u = s - std::max(unit.EndCut, 0);
    if (u <= 0) {
        return;
    }
    // The unit's own passes: its high tone, and the chunk's intonation unless that glides.
    const std::int32_t intonation =
        Settings.IntonationOn && !Settings.IntonationLinear ? CountOf(word.Intonation) : 0;
    const TPeriods periods{cut, b, MovesPitch(unit.ToneHi) || MovesPitch(intonation)};
    UsePeriods(cut, u, periods.Own, b);
    PitchPass(b, u, unit.ToneHi);
    PitchPass(b, u, intonation);

    const std::int32_t repeats =
        code[0] == kSoftD ? 1
                          : ApplyDurationRule(code, std::min(unit.Duration, kMaxUnitMs), s, u, b);
    WritePeriods(unit, word, image, b, periods, u, repeats, unitEnd);
}

// The capacity past which a growing image is given the whole limit at once.
constexpr std::size_t kStraightToLimit = std::size_t{4} << 20;

void RenderChunk(TSayWord& word, TMemoryStream& image, const TMemoryStream& headerTemplate,
                 TRenderBuffers& buffers, TEchoState& echo, const IResourceStore& resources) {
    if (headerTemplate.size() < kHeaderTemplateSize) {
        throw std::runtime_error("no WAV header template");
    }
    // The image is rebuilt in place: its memory is kept for the slot's next chunk.
    image.assign(headerTemplate.begin(), headerTemplate.begin() + kHeaderTemplateSize);
    const auto units = std::min<std::size_t>(static_cast<std::size_t>(std::max(word.CharCount, 0)),
                                             word.Chars.size());
    const std::size_t limit = kHeaderTemplateSize + kMaxChunkSampleBytes;
    buffers.ImageLimit = limit;
    buffers.ChunkCut = false;
    for (std::size_t k = 0; k < units && !buffers.ChunkCut; ++k) {
        // Grown by doubling as a vector grows, but never past the limit, and past a few MiB
        // straight to it: a large image's copy would stand beside the new one.
        if (image.capacity() < image.size() + kMaxUnitBytes && image.capacity() < limit) {
            const std::size_t grown = std::max(2 * image.capacity(), image.size() + kMaxUnitBytes);
            image.reserve(grown > kStraightToLimit ? limit : grown);
        }
        RenderUnit(word.Chars[k], word, image, buffers, resources);
        buffers.ChunkCut = image.size() >= limit && k + 1 < units;
    }
    buffers.ImageLimit = SIZE_MAX;
    WriteDataSize(image, static_cast<std::uint32_t>(image.size() - kHeaderTemplateSize));
    if (Settings.EchoDelay > 0 && Settings.EchoVolume > 0) {
        AddEcho(image, echo);
    }
}

}  // namespace vokadlo
