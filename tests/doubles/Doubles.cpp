#include "tests/doubles/Doubles.h"

#include <cstring>

#include "core/CodePage.h"

namespace vokadlo::test {
namespace {

std::string AsciiUpper(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        }
    }
    return out;
}

void Put32(TMemoryStream& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}

}  // namespace

std::optional<std::span<const std::uint8_t>> TMemoryResources::FindWav(
    std::string_view name) const {
    const auto it = wavs_.find(AsciiUpper(name));
    if (it == wavs_.end()) {
        return std::nullopt;
    }
    return std::span<const std::uint8_t>(it->second);
}

void TMemoryResources::Add(std::string name, TMemoryStream bytes) {
    // A replaced recording lives on with the store, as the store's contract asks: the wave
    // assembly knows what it made of a recording by its address.
    TMemoryStream& slot = wavs_[AsciiUpper(name)];
    if (!slot.empty()) {
        replaced_.push_back(std::move(slot));
    }
    slot = std::move(bytes);
}

std::int32_t TMemorySettingsStore::ReadInteger(const std::string& name) {
    reads.push_back(name);
    const auto it = values.find(name);
    if (!openable || it == values.end() || !std::holds_alternative<std::int32_t>(it->second)) {
        throw ESettingsStoreError("no integer value " + name);
    }
    return std::get<std::int32_t>(it->second);
}

void TMemorySettingsStore::WriteInteger(const std::string& name, std::int32_t value) {
    if (!openable || failWrites) {
        throw ESettingsStoreError("cannot write " + name);
    }
    values[name] = value;
}

std::string TMemorySettingsStore::ReadString(const std::string& name) {
    reads.push_back(name);
    const auto it = values.find(name);
    if (!openable || it == values.end()) {
        return {};
    }
    if (const auto* s = std::get_if<std::string>(&it->second)) {
        return *s;
    }
    if (const auto* e = std::get_if<TExpandable>(&it->second)) {
        return e->text;
    }
    throw ESettingsStoreError("not a text value " + name);
}

TMemoryStream MakeRecording(const std::vector<std::int16_t>& samples) {
    const std::uint32_t data = static_cast<std::uint32_t>(samples.size() * 2);
    TMemoryStream b(44 + data + 74, 0);
    std::memcpy(&b[0], "RIFF", 4);
    Put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    std::memcpy(&b[8], "WAVEfmt ", 8);
    Put32(b, 16, 16);
    b[20] = 1;
    b[22] = 1;
    Put32(b, 24, 22050);
    Put32(b, 28, 44100);
    b[32] = 2;
    b[34] = 16;
    std::memcpy(&b[36], "data", 4);
    Put32(b, 40, data);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto v = static_cast<std::uint16_t>(samples[i]);
        b[44 + 2 * i] = static_cast<std::uint8_t>(v & 0xFF);
        b[45 + 2 * i] = static_cast<std::uint8_t>(v >> 8);
    }
    std::memcpy(&b[44 + data], "LIST", 4);
    Put32(b, 48 + data, 66);
    std::memcpy(&b[52 + data], "INFO", 4);
    return b;
}

}  // namespace vokadlo::test
