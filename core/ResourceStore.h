// The program's named resources: the built-in recordings of the voice.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace vokadlo {

class IResourceStore {
  public:
    virtual ~IResourceStore() = default;
    // Finds a resource of type "WAV" by name, ignoring ASCII case. The bytes stay valid, where
    // they are and unchanged, for the store's lifetime.
    virtual std::optional<std::span<const std::uint8_t>> FindWav(std::string_view name) const = 0;
};

}  // namespace vokadlo
