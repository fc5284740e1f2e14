#include "synthesis/SampleBank.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
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

// The size of a regular file; nullopt for anything else: a folder reports no usable size and a
// pipe would block.
std::optional<std::uintmax_t> RegularFileSize(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error) {
        return std::nullopt;
    }
    return size;
}

// Reads a whole file of `size` bytes into `sink`; false (and `sink` empty) when it cannot.
bool ReadFile(const std::string& path, std::uintmax_t size, TMemoryStream& sink) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    sink.resize(static_cast<std::size_t>(size));
    if (!file.read(reinterpret_cast<char*>(sink.data()), static_cast<std::streamsize>(size))) {
        sink.clear();
        return false;
    }
    return true;
}

// A file name folded for comparison: code page 1250, lower case.
std::string FoldedName(std::string_view utf8) {
    return LowerCase(Utf8ToCp1250(utf8));
}

std::uint32_t Le32(std::span<const std::uint8_t> b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}

std::uint16_t Le16(std::span<const std::uint8_t> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

bool TagAt(std::span<const std::uint8_t> b, std::size_t at, std::string_view tag) {
    return std::equal(
        tag.begin(), tag.end(), b.begin() + static_cast<std::ptrdiff_t>(at),
        [](char c, std::uint8_t byte) { return static_cast<std::uint8_t>(c) == byte; });
}

// Adds `line` to `list` (when there is one) unless it is there already.
void AddOnce(std::vector<std::string>* list, std::string line) {
    if (list && std::find(list->begin(), list->end(), line) == list->end()) {
        list->push_back(std::move(line));
    }
}

}  // namespace

const std::array<std::string_view, 34> kRecordingCodes = {
    "a", "b",    "c",  "ch",   "č"_cp, "d",    "ď"_cp, "e",    "f", "g",    "h",  "i",
    "j", "k",    "kk", "l",    "lu",   "m",    "n",    "ň"_cp, "o", "p",    "pk", "q",
    "r", "ř"_cp, "s",  "š"_cp, "t",    "ť"_cp, "u",    "v",    "z", "ž"_cp,
};

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

std::string FindDiskRecording(std::string_view code) {
    const std::string exact = DiskRecordingPath(code);
    if (RegularFileSize(exact)) {
        return exact;
    }
    const std::filesystem::path folder = std::filesystem::path(exact).parent_path();
    const std::string own = LowerCase(code) + ".wav";
    const std::string resource = LowerCase(ResourceNameOf(code)) + ".wav";
    std::string ownMatch;
    std::string resourceMatch;
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const std::string folded = FoldedName(name);
        std::string* match = folded == own        ? &ownMatch
                             : folded == resource ? &resourceMatch
                                                  : nullptr;
        if (match && (match->empty() || name < *match) && RegularFileSize(entry->path())) {
            *match = name;
        }
    }
    const std::string& chosen = ownMatch.empty() ? resourceMatch : ownMatch;
    return chosen.empty() ? std::string() : (folder / chosen).string();
}

std::string RecordingProblem(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kHeader = 44;
    if (bytes.size() < kHeader || !TagAt(bytes, 0, "RIFF") || !TagAt(bytes, 8, "WAVEfmt ") ||
        Le32(bytes, 16) != 16 || Le16(bytes, 20) != 1 || Le16(bytes, 22) != 1 ||
        Le32(bytes, 24) != 22050 || Le32(bytes, 28) != 44100 || Le16(bytes, 32) != 2 ||
        Le16(bytes, 34) != 16 || !TagAt(bytes, 36, "data")) {
        return "its header is not mono 16-bit 22050 Hz PCM";
    }
    if (Le32(bytes, 40) > bytes.size() - kHeader) {
        return "it declares more data than the file holds";
    }
    if (bytes.size() < kMinRecordingSize) {
        return "it is shorter than 166 bytes";
    }
    return {};
}

std::int32_t CountDiskRecordings() {
    std::int32_t found = 0;
    TMemoryStream bytes;
    for (const std::string_view code : kRecordingCodes) {
        const std::string path = FindDiskRecording(code);
        const auto size = path.empty() ? std::nullopt : RegularFileSize(path);
        if (size && *size <= INT32_MAX && ReadFile(path, *size, bytes) &&
            RecordingProblem(bytes).empty()) {
            ++found;
        }
    }
    return found;
}

std::span<const std::uint8_t> PhonemeSampleBytes(std::string_view code,
                                                 const IResourceStore& resources,
                                                 TMemoryStream& diskSink,
                                                 std::vector<std::string>* refused) {
    if (Settings.SamplesFromDisk) {
        diskSink.clear();
        const std::string path = FindDiskRecording(code);
        const auto size = path.empty() ? std::nullopt : RegularFileSize(path);
        if (!size) {
            const bool recording = std::find(kRecordingCodes.begin(), kRecordingCodes.end(),
                                             code) != kRecordingCodes.end();
            if (recording) {
                AddOnce(refused, Utf8ToCp1250(DiskRecordingPath(code)) +
                                     " is missing (in any case): its sounds are left out");
            }
            return {};
        }
        std::string problem = *size > INT32_MAX ? "it is longer than 2 GiB" : std::string();
        if (problem.empty() && ReadFile(path, *size, diskSink)) {
            problem = RecordingProblem(diskSink);
        }
        if (problem.empty()) {
            return diskSink;
        }
        diskSink.clear();
        AddOnce(refused, Utf8ToCp1250(path) + " is no recording: " + problem);
        return {};
    }
    if (const auto found = resources.FindWav(ResourceNameOf(code))) {
        return *found;
    }
    return {};
}

}  // namespace vokadlo
