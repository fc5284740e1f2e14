// The C calls: each turns its arguments into the synthesizer's, and every failure, exceptions
// included, into a code and a message.
#include <atomic>
#include <exception>
#include <memory>
#include <string>

#include "capi/CHeader.h"
#include "capi/Options.h"
#include "capi/Synthesizer.h"

struct vokadlo_handle {
    vokadlo::capi::TSynthesizer synthesizer;
    std::string error;
};

namespace {

// Claimed by the one synthesizer the process may hold.
std::atomic<bool> claimed{false};
// Why the last vokadlo_new of this thread failed.
thread_local std::string newError;

// Runs `body`, turning what it throws into a code and `error`.
template <typename TBody>
int Guarded(std::string& error, TBody&& body) {
    try {
        error.clear();
        return body();
    } catch (const vokadlo::capi::EOptionError& e) {
        error = e.what();
        return VOKADLO_ERR_OPTION;
    } catch (const std::exception& e) {
        error = e.what();
    } catch (...) {
        error = "unknown error";
    }
    return VOKADLO_ERR_SYNTHESIS;
}

}  // namespace

extern "C" {

const char* vokadlo_version(void) {
    return VOKADLO_VERSION_STRING;
}

int vokadlo_sample_rate(void) {
    return 22050;
}

vokadlo_handle* vokadlo_new(void) {
    newError.clear();
    bool free = false;
    if (!claimed.compare_exchange_strong(free, true)) {
        newError =
            "another synthesizer exists in this process (the engine is one per process); "
            "free it first";
        return nullptr;
    }
    std::unique_ptr<vokadlo_handle> made;
    const int code = Guarded(newError, [&] {
        made = std::make_unique<vokadlo_handle>();
        return VOKADLO_OK;
    });
    if (code != VOKADLO_OK) {
        claimed = false;
        return nullptr;
    }
    return made.release();
}

void vokadlo_free(vokadlo_handle* v) {
    if (!v || v->synthesizer.Busy()) {
        return;
    }
    // The session's teardown stops the sound and finalises the engine; it does not throw.
    std::unique_ptr<vokadlo_handle>{v}.reset();
    claimed = false;
}

int vokadlo_set_option(vokadlo_handle* v, const char* name, const char* value) {
    if (!v) {
        return VOKADLO_ERR_ARGUMENT;
    }
    if (!name || !value) {
        v->error = "vokadlo_set_option: the name and the value must not be NULL";
        return VOKADLO_ERR_ARGUMENT;
    }
    if (v->synthesizer.Busy()) {
        v->error = "vokadlo_set_option: not from a callback";
        return VOKADLO_ERR_BUSY;
    }
    return Guarded(v->error, [&] {
        v->synthesizer.SetOption(name, value);
        return VOKADLO_OK;
    });
}

int vokadlo_synthesize(vokadlo_handle* v, const char* utf8_text, vokadlo_audio_fn on_audio,
                       vokadlo_event_fn on_event, void* user_data) {
    if (!v) {
        return VOKADLO_ERR_ARGUMENT;
    }
    if (!utf8_text) {
        v->error = "vokadlo_synthesize: the text must not be NULL";
        return VOKADLO_ERR_ARGUMENT;
    }
    if (v->synthesizer.Busy()) {
        v->error = "vokadlo_synthesize: not from a callback";
        return VOKADLO_ERR_BUSY;
    }
    return Guarded(v->error, [&] {
        const vokadlo::capi::TOutcome outcome =
            v->synthesizer.Synthesize(utf8_text, on_audio, on_event, user_data);
        v->error = outcome.message;
        return outcome.code;
    });
}

const char* vokadlo_last_error(const vokadlo_handle* v) {
    return v ? v->error.c_str() : newError.c_str();
}

}  // extern "C"
