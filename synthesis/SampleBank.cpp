#include "synthesis/SampleBank.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/CodePage.h"
#include "core/Cp1250Literal.h"
#include "core/EngineSettings.h"

namespace vokadlo {
namespace {

struct TFolding {
    char first;             // first character of the code
    std::string_view code;  // the code that replaces the whole code
};

// Accented vowels and "w" share the recording of their base letter.
constexpr TFolding kFoldings[] = {
    {' ', "_"},        {'w', "v"},        {U'á'_cp, "a"_cp}, {U'é'_cp, "e"_cp}, {U'ě'_cp, "e"_cp},
    {U'í'_cp, "i"_cp}, {U'ó'_cp, "o"_cp}, {U'ú'_cp, "u"_cp}, {U'ů'_cp, "u"_cp},
};

struct TResourceName {
    std::string_view code;
    std::string_view name;
};

// The háček letters are stored under ASCII names.
constexpr TResourceName kResourceNames[] = {
    {"č"_cp, "cv"}, {"ď"_cp, "dv"}, {"ť"_cp, "tv"}, {"š"_cp, "sv"},
    {"ž"_cp, "zv"}, {"ň"_cp, "nv"}, {"ř"_cp, "rv"},
};

// Reads a whole file onto the end of `sink`; false (and `sink` as before) when it cannot. Only a
// regular file is a recording: a folder reports no usable size and a pipe would block.
bool AppendFile(const std::string& path, TMemoryStream& sink) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return false;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size < kMinRecordingSize || size > INT32_MAX) {
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    const std::size_t at = sink.size();
    sink.resize(at + static_cast<std::size_t>(size));
    if (!file.read(reinterpret_cast<char*>(sink.data() + at), static_cast<std::streamsize>(size))) {
        sink.resize(at);
        return false;
    }
    return true;
}

}  // namespace

std::string NormalizeUnitCode(std::string_view sample) {
    std::string code(sample.substr(0, 2));
    if (code.empty()) {
        code = " ";
    }
    for (const TFolding& folding : kFoldings) {
        if (code[0] == folding.first) {
            code = folding.code;
            break;
        }
    }
    if (static_cast<unsigned char>(code[0]) < 31 || IsBlank(code) || code[0] == '!' ||
        code[0] == '?') {
        code = kPauseCode;
    }
    return code;
}

std::string_view ResourceNameOf(std::string_view code) {
    for (const TResourceName& row : kResourceNames) {
        if (code == row.code) {
            return row.name;
        }
    }
    return code;
}

std::string DiskRecordingPath(std::string_view code) {
    std::string path = Settings.SampleFolder;
    std::replace(path.begin(), path.end(), '\\', '/');
    return path + "/" + Cp1250ToUtf8(code) + ".wav";
}

std::span<const std::uint8_t> PhonemeSampleBytes(std::string_view code,
                                                 const IResourceStore& resources,
                                                 TMemoryStream& diskSink) {
    if (Settings.SamplesFromDisk) {
        diskSink.clear();
        AppendFile(DiskRecordingPath(code), diskSink);
        return diskSink;
    }
    if (const auto found = resources.FindWav(ResourceNameOf(code))) {
        return *found;
    }
    return {};
}

}  // namespace vokadlo
