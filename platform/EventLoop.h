// The program's one thread of events: timers run here, one at a time, between waits.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/Timers.h"

namespace vokadlo {

class TEventLoop final : public ITimerFactory {
  public:
    using TErrorReport = std::function<void(const std::string& message)>;

    // `report` receives the message of an exception a timer handler lets through (the default
    // error report of the event dispatch); the loop goes on.
    explicit TEventLoop(TErrorReport report = {});
    ~TEventLoop() override;

    std::unique_ptr<ITimer> CreateTimer(int intervalMs, std::function<void()> handler) override;

    // Runs due timers until `done` holds (checked after every handler and at least every
    // `pollMs`) or Quit is called.
    void Run(const std::function<bool()>& done, int pollMs = 10);
    void Quit() { quit_ = true; }

  private:
    struct TState;
    class TTimer;
    std::vector<std::shared_ptr<TState>> timers_;
    TErrorReport report_;
    bool quit_ = false;
};

}  // namespace vokadlo
