// The options of the C interface: their names, the values each takes and the session call each
// makes.
#pragma once

#include <stdexcept>
#include <string>

namespace vokadlo {
class TEngineSession;
}

namespace vokadlo::capi {

// A name the interface does not know, or a value the option does not take; the message names
// the option and what it takes.
class EOptionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The value as the option keeps it ("vemiruska" -> "2", "080" -> "80"). Throws EOptionError.
std::string CheckOption(const std::string& name, const std::string& value);

// True for the options that rebuild the engine (voice, config_dir): the synthesizer sets those
// itself and then applies every other option again over the settings store.
bool RebuildsEngine(const std::string& name);

// The option that the given one replaces when set (rate and speed), or empty.
std::string ReplacedOption(const std::string& name);

// Hands a checked value of an option that does not rebuild the engine to the session; options
// the synthesizer keeps itself (notices) change nothing here.
void ApplyOption(TEngineSession& session, const std::string& name, const std::string& value);

}  // namespace vokadlo::capi
