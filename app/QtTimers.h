// The engine's timers on Qt timers, delivered by the window's event loop.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Timers.h"

namespace vokadlo {

class TQtTimerFactory final : public ITimerFactory {
  public:
    // `onError` hears of an exception that a handler let escape; it never reaches Qt's event
    // loop. The timer whose handler threw is disabled.
    explicit TQtTimerFactory(std::function<void(const std::string&)> onError = {});

    std::unique_ptr<ITimer> CreateTimer(int intervalMs, std::function<void()> handler) override;

  private:
    std::function<void(const std::string&)> onError_;
};

}  // namespace vokadlo
