#include "synthesis/WavImage.h"

#include <stdexcept>

namespace vokadlo {

void LoadHeaderTemplate(const IResourceStore& resources, TMemoryStream& headerTemplate,
                        TMemoryStream& silenceImage) {
    if (!headerTemplate.empty()) {
        return;
    }
    const auto a = resources.FindWav("a");
    if (!a || a->size() < kHeaderTemplateSize) {
        throw std::runtime_error("recording A is missing");
    }
    headerTemplate.assign(a->begin(), a->begin() + kHeaderTemplateSize);
    silenceImage = headerTemplate;
    silenceImage[40] = 2;
    silenceImage[41] = 0;
    silenceImage[42] = 0;
    silenceImage[43] = 0;
    silenceImage.push_back(0);
    silenceImage.push_back(0);
}

}  // namespace vokadlo
