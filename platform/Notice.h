// A modal notice to the user (the engine shows "Chyba při inicializaci" through it).
#pragma once

#include <string>

namespace vokadlo {

class INotice {
  public:
    virtual ~INotice() = default;
    // Shows a message; `text` is code page 1250. Returns when the user has seen it.
    virtual void Show(const std::string& text) = 0;
};

}  // namespace vokadlo
