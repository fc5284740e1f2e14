// Placeholder until the wave assembly lands: the image is the bare header.
#include "synthesis/WaveAssembly.h"

#include <stdexcept>

namespace vokadlo {

void RenderChunk(TSayWord&, TMemoryStream& image, const TMemoryStream& headerTemplate,
                 TRenderBuffers&, TEchoState&, const IResourceStore&) {
    if (headerTemplate.empty()) {
        throw std::runtime_error("no WAV header template");
    }
    image = headerTemplate;
}

}  // namespace vokadlo
