// Notices as lines on standard error, in UTF-8, behind the program's name.
#pragma once

#include <iostream>
#include <string>
#include <utility>

#include "core/CodePage.h"
#include "platform/Notice.h"

namespace vokadlo {

class TStderrNotice final : public INotice {
  public:
    explicit TStderrNotice(std::string program) : program_(std::move(program)) {}
    void Show(const std::string& text) override {
        std::cerr << program_ << ": " << Cp1250ToUtf8(text) << '\n';
    }

  private:
    std::string program_;
};

}  // namespace vokadlo
