// Helpers for the synthesis tests: recordings with pitch marks where a test wants them, and
// reading samples back out of buffers and images.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ChunkRecord.h"
#include "core/MemoryStream.h"
#include "synthesis/SampleBank.h"
#include "synthesis/SampleMath.h"
#include "tests/doubles/Doubles.h"

namespace vokadlo::test {

// Appends the recording of a normalised code to `sink`, as the wave assembly reads it.
inline void LoadPhonemeSample(std::string_view code, const IResourceStore& resources,
                              TMemoryStream& sink) {
    TMemoryStream disk;
    const std::span<const std::uint8_t> bytes = PhonemeSampleBytes(code, resources, disk);
    sink.insert(sink.end(), bytes.begin(), bytes.end());
}

inline const std::vector<std::int16_t> kMark = {0, 1, 1, -1, -1, 1, 1, -1, -1, 0};

// A recording whose scanned samples are the given periods separated by pitch marks: one skipped
// first sample, the periods, the sample that ends the scan, and 23 unscanned samples.
inline TMemoryStream MarkedRecording(const std::vector<std::vector<std::int16_t>>& periods) {
    std::vector<std::int16_t> samples = {7};
    for (std::size_t k = 0; k < periods.size(); ++k) {
        if (k > 0) {
            samples.insert(samples.end(), kMark.begin(), kMark.end());
        }
        samples.insert(samples.end(), periods[k].begin(), periods[k].end());
    }
    samples.push_back(9);
    samples.insert(samples.end(), 23, 5);
    return MakeRecording(samples);
}

// Period k (1-based) of `length` samples, each sample naming its period and place:
// 1000 k + 2 + j for j = 0 .. length - 1, so output can be decoded back into periods.
inline std::vector<std::int16_t> TaggedPeriod(int k, int length) {
    std::vector<std::int16_t> period;
    for (int j = 0; j < length; ++j) {
        period.push_back(static_cast<std::int16_t>(1000 * k + 2 + j));
    }
    return period;
}

inline std::vector<std::int16_t> Samples(const TMemoryStream& bytes, std::size_t from = 0,
                                         std::size_t count = SIZE_MAX) {
    std::vector<std::int16_t> out;
    for (std::size_t i = from; i + 1 < bytes.size() && out.size() < count; i += 2) {
        out.push_back(LoadSample(&bytes[i]));
    }
    return out;
}

// The 32-bit little-endian value at byte `at`.
inline std::uint32_t Le32(const TMemoryStream& bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

// The rendered samples of an image (after the 46 header bytes).
inline std::vector<std::int16_t> ImageSamples(const TMemoryStream& image) {
    return Samples(image, 46);
}

inline TMemoryStream BytesOf(const std::vector<std::int16_t>& samples) {
    TMemoryStream bytes(2 * samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        StoreSample(&bytes[2 * i], samples[i]);
    }
    return bytes;
}

// The sequence of periods in output made of TaggedPeriod samples: a new entry wherever a
// sample starts a period (its place is 0).
inline std::vector<int> PeriodSequence(const std::vector<std::int16_t>& samples) {
    std::vector<int> sequence;
    for (std::int16_t s : samples) {
        if (s >= 1000 && (s - 2) % 1000 == 0) {
            sequence.push_back(s / 1000);
        }
    }
    return sequence;
}

inline TCharacter Unit(std::string sample, std::int32_t duration = 150, std::int32_t pause = 0) {
    TCharacter unit;
    unit.Sample = std::move(sample);
    unit.Duration = duration;
    unit.Pause = pause;
    unit.Gain = 1.0;
    return unit;
}

inline TSayWord Chunk(std::vector<TCharacter> units) {
    TSayWord word;
    word.Chars = std::move(units);
    word.CharCount = static_cast<std::int32_t>(word.Chars.size());
    return word;
}

}  // namespace vokadlo::test
