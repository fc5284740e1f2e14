// The engine's notices ("Chyba při inicializaci") as a modal message box of the window.
#pragma once

#include <QString>

#include <string>

#include "platform/Notice.h"

class QWidget;

namespace vokadlo {

class TMessageNotice final : public INotice {
  public:
    explicit TMessageNotice(QWidget* parent) : parent_(parent) {}
    void Show(const std::string& text) override;

  private:
    QWidget* parent_;
};

// A message of the engine or of a library for display: UTF-8 when it is valid UTF-8, code page
// 1250 otherwise.
QString MessageText(const std::string& message);

}  // namespace vokadlo
