#include "synthesis/WavImage.h"

#include <stdexcept>

namespace vokadlo {

void WriteDataSize(TMemoryStream& image, std::uint32_t bytes) {
    for (std::size_t i = 0; i < 4; ++i) {
        image[kDataSizeOffset + i] = static_cast<std::uint8_t>(bytes >> (8 * i));
    }
}

void LoadHeaderTemplate(const IResourceStore& resources, TMemoryStream& headerTemplate,
                        TMemoryStream& silenceImage) {
    if (!headerTemplate.empty()) {
        return;
    }
    const auto a = resources.FindWav("a");
    if (!a || a->size() < kHeaderTemplateSize) {
        throw std::runtime_error("recording A is missing");
    }
    // The silent image declares one sample (A's first, at offset 44); two zero bytes follow.
    TMemoryStream silence(a->begin(), a->begin() + kHeaderTemplateSize);
    WriteDataSize(silence, 2);
    silence.resize(kSilenceImageSize, 0);
    headerTemplate.assign(a->begin(), a->begin() + kHeaderTemplateSize);
    silenceImage = std::move(silence);
}

}  // namespace vokadlo
