#include "platform/PortAudioPlayer.h"

#include <portaudio.h>
#include <unistd.h>

#include <cstring>
#include <mutex>

#include "platform/WavHeader.h"

namespace vokadlo {
namespace {

// The audio libraries below PortAudio print their probing to stderr; keep it quiet while the
// devices are opened.
class TQuietStderr {
  public:
    TQuietStderr() {
        saved_ = ::dup(STDERR_FILENO);
        FILE* null = std::fopen("/dev/null", "w");
        if (null) {
            ::dup2(::fileno(null), STDERR_FILENO);
            std::fclose(null);
        }
    }
    ~TQuietStderr() {
        if (saved_ >= 0) {
            ::dup2(saved_, STDERR_FILENO);
            ::close(saved_);
        }
    }
    TQuietStderr(const TQuietStderr&) = delete;
    TQuietStderr& operator=(const TQuietStderr&) = delete;

  private:
    int saved_ = -1;
};

}  // namespace

struct TPortAudioPlayer::TImpl {
    bool initialised = false;
    bool tried = false;
    std::string problem;
    PaStream* stream = nullptr;
    std::uint32_t rate = 0;
    std::uint16_t channels = 0;

    // What the callback plays; guarded by `mutex`.
    mutable std::mutex mutex;
    const std::uint8_t* data = nullptr;
    std::size_t bytes = 0;
    std::size_t position = 0;

    static int Callback(const void*, void* output, unsigned long frames,
                        const PaStreamCallbackTimeInfo*, PaStreamCallbackFlags, void* user) {
        auto& self = *static_cast<TImpl*>(user);
        auto* out = static_cast<std::uint8_t*>(output);
        const std::size_t wanted = frames * self.channels * 2;
        std::lock_guard lock(self.mutex);
        std::size_t n = 0;
        if (self.data && self.position < self.bytes) {
            n = std::min(wanted, self.bytes - self.position);
            std::memcpy(out, self.data + self.position, n);
            self.position += n;
        }
        std::memset(out + n, 0, wanted - n);
        return paContinue;
    }

    void CloseStream() {
        if (stream) {
            // Aborted, not stopped: stopping waits until the device has played out its buffers,
            // which can take seconds on some sound servers.
            Pa_AbortStream(stream);
            Pa_CloseStream(stream);
            stream = nullptr;
        }
    }

    bool EnsureStream(std::uint32_t wantRate, std::uint16_t wantChannels) {
        if (stream && rate == wantRate && channels == wantChannels) {
            return true;
        }
        CloseStream();
        rate = wantRate;
        channels = wantChannels;
        const PaError err =
            Pa_OpenDefaultStream(&stream, 0, wantChannels, paInt16, wantRate,
                                 paFramesPerBufferUnspecified, &TImpl::Callback, this);
        if (err != paNoError) {
            stream = nullptr;
            problem = std::string("cannot open the sound output: ") + Pa_GetErrorText(err);
            return false;
        }
        if (Pa_StartStream(stream) != paNoError) {
            CloseStream();
            problem = "cannot start the sound output";
            return false;
        }
        return true;
    }
};

TPortAudioPlayer::TPortAudioPlayer() : impl_(std::make_unique<TImpl>()) {}

TPortAudioPlayer::~TPortAudioPlayer() {
    Stop();
    impl_->CloseStream();
    if (impl_->initialised) {
        Pa_Terminate();
    }
}

bool TPortAudioPlayer::Open() {
    if (impl_->tried) {
        return impl_->problem.empty();
    }
    impl_->tried = true;
    const TQuietStderr quiet;
    if (Pa_Initialize() != paNoError) {
        impl_->problem = "the sound system could not be initialised";
        return false;
    }
    impl_->initialised = true;
    if (Pa_GetDefaultOutputDevice() == paNoDevice) {
        impl_->problem = "no sound output device";
        return false;
    }
    // Open the stream once now, at the engine's format, so that a missing device shows here.
    return impl_->EnsureStream(22050, 1);
}

const std::string& TPortAudioPlayer::Problem() const {
    return impl_->problem;
}

bool TPortAudioPlayer::Busy() const {
    std::lock_guard lock(impl_->mutex);
    return impl_->data && impl_->position < impl_->bytes;
}

bool TPortAudioPlayer::PlaySound(const std::uint8_t* image, std::size_t size, int flags) {
    if ((flags & kPlayFlagNoStop) && Busy()) {
        return false;
    }
    const auto wav = ReadWavData(image, size);
    if (!wav || !Open()) {
        Stop();
        return !wav ? false : true;  // without a device the sound is lost, not refused
    }
    if (!impl_->EnsureStream(wav->sampleRate, wav->channels)) {
        Stop();
        return true;
    }
    std::lock_guard lock(impl_->mutex);
    impl_->data = wav->data;
    impl_->bytes = wav->bytes;
    impl_->position = 0;
    return true;
}

void TPortAudioPlayer::Stop() {
    std::lock_guard lock(impl_->mutex);
    impl_->data = nullptr;
    impl_->bytes = 0;
    impl_->position = 0;
}

}  // namespace vokadlo
