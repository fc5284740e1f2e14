// Speaks a Czech text into a WAV file through libvokadlo:
//   c++ speak-to-file.cpp $(pkg-config --cflags --libs vokadlo) -o speak-to-file
//   ./speak-to-file out.wav "Dobrý den"
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "engine/EngineSession.h"

namespace {

void PutLe32(std::ofstream& out, std::uint32_t v) {
    const char bytes[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    out.write(bytes, 4);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: speak-to-file OUT.wav TEXT\n");
        return 2;
    }
    std::string samples;  // 16-bit mono 22050 Hz, every chunk after its 46-byte header
    bool ended = false;
    std::string error;

    vokadlo::TSessionEvents events;
    events.ChunkStarted = [&](const vokadlo::TChunkStart& chunk) {
        if (chunk.image.size() > 46) {
            samples.append(reinterpret_cast<const char*>(chunk.image.data()) + 46,
                           chunk.image.size() - 46);
        }
    };
    events.Bookmark = [](std::int32_t mark) { std::printf("bookmark %d\n", mark); };
    events.End = [&] { ended = true; };
    events.Error = [&](const std::string& message) { error = message; };

    vokadlo::TSessionConfig config;
    config.output = vokadlo::TSessionConfig::TOutput::Silent;  // no sound card: render only
    vokadlo::TEngineSession session(config, events);
    session.Speak(argv[2], vokadlo::TTextEncoding::Utf8);
    session.RunUntilIdle();
    if (!ended) {
        std::fprintf(stderr, "speak-to-file: %s\n", error.empty() ? "not spoken" : error.c_str());
        return 1;
    }

    std::ofstream out(argv[1], std::ios::binary);
    out.write("RIFF", 4);
    PutLe32(out, static_cast<std::uint32_t>(36 + samples.size()));
    out.write("WAVEfmt ", 8);
    PutLe32(out, 16);
    const char format[] = {1, 0, 1, 0};  // PCM, mono
    out.write(format, 4);
    PutLe32(out, 22050);
    PutLe32(out, 44100);
    const char block[] = {2, 0, 16, 0};  // 2 bytes a frame, 16 bits
    out.write(block, 4);
    out.write("data", 4);
    PutLe32(out, static_cast<std::uint32_t>(samples.size()));
    out.write(samples.data(), static_cast<std::streamsize>(samples.size()));
    return out ? 0 : 1;
}
