// The key/value settings store a separate settings application writes for the engine.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace vokadlo {

// Raised by a settings store operation that fails.
class ESettingsStoreError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class ISettingsStore {
  public:
    virtual ~ISettingsStore() = default;

    // Opens (creating if absent) a key such as
    // "\SOFTWARE\Voice\TextToSpeech\Engine\ORV_TTS\VEMIRa" below the machine root.
    // Returns false when the key cannot be opened; later reads then fail.
    virtual bool OpenKey(const std::string& key) = 0;
    virtual void CloseKey() = 0;

    // Reads a 32-bit integer; throws ESettingsStoreError when it is missing or of another type.
    virtual std::int32_t ReadInteger(const std::string& name) = 0;
    // Writes a 32-bit integer; throws ESettingsStoreError when the store cannot be written.
    virtual void WriteInteger(const std::string& name, std::int32_t value) = 0;
    // Reads a text value (plain or expandable); empty when missing; throws ESettingsStoreError
    // when it is stored with another type.
    virtual std::string ReadString(const std::string& name) = 0;
};

}  // namespace vokadlo
