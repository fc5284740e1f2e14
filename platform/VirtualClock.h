// A virtual clock: timers that run when the program advances time. Tests use it to run the say
// cycle without waiting; the command line speaker uses it to render a text as fast as it can.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/Timers.h"

namespace vokadlo {

class TVirtualClock final : public ITimerFactory {
  public:
    std::unique_ptr<ITimer> CreateTimer(int intervalMs, std::function<void()> handler) override;

    // Milliseconds since the clock was made.
    std::int64_t Now() const { return now_; }

    // Moves time forward by `ms`, running every timer tick that falls due, in time order (ties in
    // creation order). An exception from a handler stops the advance and reaches the caller, as
    // it would reach the event dispatch.
    void Advance(std::int64_t ms);

    // Advances in steps of `stepMs` until `done` holds or `limitMs` has passed; true when done.
    bool AdvanceUntil(const std::function<bool()>& done, std::int64_t limitMs,
                      std::int64_t stepMs = 10);

  private:
    struct TState;
    class TTimer;
    std::int64_t now_ = 0;
    std::vector<std::shared_ptr<TState>> timers_;
};

}  // namespace vokadlo
