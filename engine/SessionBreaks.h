// Silence a host asks for between words (SSML's <break>): bookmarks of the text that stand for
// that many milliseconds of silence before the chunk that holds them.
//
// The session plays through this player. When the engine starts a chunk whose units hold such
// bookmarks, the image played is the chunk's own with the silence in front of its samples, so
// the sound card, a file and every host that takes the image hear the same; the chunk's timing
// in the say cycle is unchanged. Without breaks every image passes through untouched.
#pragma once

#include <cstdint>
#include <functional>
#include <map>

#include "core/ChunkRecord.h"
#include "core/MemoryStream.h"
#include "platform/SoundPlayer.h"

namespace vokadlo {

class TBreakPlayer final : public ISoundPlayer {
  public:
    // `recordOf` gives the record of the chunk rendered into `image`, or null for another image
    // (the silence probe).
    using TRecordOf = std::function<const TSayWord*(const std::uint8_t* image)>;
    TBreakPlayer(ISoundPlayer& inner, TRecordOf recordOf)
        : inner_(inner), recordOf_(std::move(recordOf)) {}

    // Bookmark number -> milliseconds of silence; replaces the earlier ones.
    void SetBreaks(std::map<std::int32_t, std::int32_t> msByMark) { breaks_ = std::move(msByMark); }
    bool IsBreak(std::int32_t mark) const { return breaks_.contains(mark); }

    bool PlaySound(const std::uint8_t* image, std::size_t size, int flags) override;
    void Stop() override { inner_.Stop(); }

    // The image the last accepted chunk started with when silence was put in front of it, else
    // null (the engine's own image played).
    const TMemoryStream* LastWithSilence() const { return lastWithSilence_; }

  private:
    // Milliseconds of silence the record's bookmarks ask for (at most kMaxUnitMs).
    std::int32_t SilenceMs(const TSayWord& record) const;

    ISoundPlayer& inner_;
    TRecordOf recordOf_;
    std::map<std::int32_t, std::int32_t> breaks_;
    // Two images, so that the one playing stays whole while the next is built.
    TMemoryStream images_[2];
    int next_ = 0;
    const TMemoryStream* lastWithSilence_ = nullptr;
};

}  // namespace vokadlo
