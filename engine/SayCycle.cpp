// The say cycle: the pending text is cut into chunks, each rendered into one of two slots while
// the other slot plays, driven by the step and end timers on the program's thread.
#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "engine/SayText.h"

namespace vokadlo {
namespace {

bool PlayImage(ISoundPlayer& player, const TMemoryStream& image, int flags) {
    return player.PlaySound(image.data(), image.size(), flags);
}

}  // namespace

void TSayText::Speak(const std::string& text) {
    StepTimer->SetEnabled(false);
    EndTimer->SetEnabled(false);
    if (!PendingText.empty()) {
        PendingText.clear();
        ChunkText.clear();
    }
    PlayImage(Player, SilenceImage, kPlayAsync);  // cuts off whatever plays; result not needed
    ResetEcho();
    SentenceEnded = true;
    PendingText += text;
    ChunkText.clear();

    if (IsBlank(text)) {
        PendingText.clear();
        ChunkText.clear();
        return;
    }
    ChunkReady = false;
    if (WordMode) {
        PrepareChunk();
        ProbeFlags = kPlayAsync;
        SpeakStep();
    } else {
        ProbeFlags = kPlayAsyncNoStop;
        if (!StepTimer->Enabled()) {
            StepTimer->SetEnabled(true);
        }
    }
}

void TSayText::SpeakStep() {
    if (PendingText.empty()) {
        StepTimer->SetEnabled(false);
        EndTimer->SetEnabled(true);
        return;
    }
    if (ChunkReady) {
        try {
            StepTimer->SetEnabled(false);
            if (!PlayImage(Player, SilenceImage, ProbeFlags)) {
                StepTimer->SetEnabled(true);  // still playing: try again next tick
                return;
            }
            if (!PlayImage(Player, CurrentStream(), kPlayAsync)) {
                StepTimer->SetEnabled(true);
                return;
            }
            if (Callback) {
                Callback(ChunkText, &CurrentStream());
            }
            if (PendingText == kEndMarker) {
                PendingText.clear();
                EndTimer->SetEnabled(true);
                return;
            }
            CurrentSlot = CurrentSlot == 1 ? 2 : 1;
            ChunkReady = false;
            PrepareChunk();  // the next chunk is rendered while the current one plays
            StepTimer->SetEnabled(true);
        } catch (const std::exception& e) {
            // Speech halts; a chunk already started plays to its end and the next Speak starts
            // afresh. Only a host that asked hears why.
            StepTimer->SetEnabled(false);
            ReportStepError(e.what());
        } catch (...) {
            StepTimer->SetEnabled(false);
            ReportStepError("unknown error");
        }
        return;
    }
    if (!IsBlank(PendingText)) {
        // An error here reaches the timer dispatch; the step stays disabled.
        StepTimer->SetEnabled(false);
        PrepareChunk();
        if (ChunkReady) {
            StepTimer->SetEnabled(true);
        }
    }
}

void TSayText::WatchEnd() {
    if (!PlayImage(Player, SilenceImage, kPlayAsyncNoStop)) {
        return;  // the last sound is still playing
    }
    EndTimer->SetEnabled(false);
    if (Callback) {
        // The end-marker report first (what a host's repetition waits for), then the end report,
        // unless the host has started a new text in between.
        Callback(kEndMarker, nullptr);
        if (Callback && PendingText.empty() && !StepTimer->Enabled() && !EndTimer->Enabled()) {
            Callback(std::string(), nullptr);
        }
    }
}

}  // namespace vokadlo
