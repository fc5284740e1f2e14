// Timers delivered on the program's one thread, between other events.
#pragma once

#include <functional>
#include <memory>

namespace vokadlo {

class ITimer {
  public:
    virtual ~ITimer() = default;
    virtual void SetInterval(int ms) = 0;
    // Enabling starts a fresh interval; disabling cancels the pending tick.
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool Enabled() const = 0;
};

class ITimerFactory {
  public:
    virtual ~ITimerFactory() = default;
    // Creates a disabled timer that runs `handler` every `intervalMs` while enabled. The handler
    // runs on the program's thread; an exception it throws reaches the event dispatch.
    virtual std::unique_ptr<ITimer> CreateTimer(int intervalMs, std::function<void()> handler) = 0;
};

}  // namespace vokadlo
