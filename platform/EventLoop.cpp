#include "platform/EventLoop.h"

#include <algorithm>
#include <thread>

namespace vokadlo {

using TClock = std::chrono::steady_clock;

struct TEventLoop::TState {
    int interval = 0;
    bool enabled = false;
    bool alive = true;
    TClock::time_point due;
    std::function<void()> handler;
};

class TEventLoop::TTimer final : public ITimer {
  public:
    explicit TTimer(std::shared_ptr<TState> state) : state_(std::move(state)) {}
    ~TTimer() override { state_->alive = false; }
    void SetInterval(int ms) override { state_->interval = ms; }
    void SetEnabled(bool enabled) override {
        if (enabled && !state_->enabled) {
            state_->due = TClock::now() + std::chrono::milliseconds(state_->interval);
        }
        state_->enabled = enabled;
    }
    bool Enabled() const override { return state_->enabled; }

  private:
    std::shared_ptr<TState> state_;
};

TEventLoop::TEventLoop(TErrorReport report) : report_(std::move(report)) {}

TEventLoop::~TEventLoop() = default;

std::unique_ptr<ITimer> TEventLoop::CreateTimer(int intervalMs, std::function<void()> handler) {
    auto state = std::make_shared<TState>();
    state->interval = intervalMs;
    state->handler = std::move(handler);
    timers_.push_back(state);
    return std::make_unique<TTimer>(state);
}

void TEventLoop::Run(const std::function<bool()>& done, int pollMs) {
    quit_ = false;
    while (!quit_ && !done()) {
        std::erase_if(timers_, [](const auto& t) { return !t->alive; });
        std::shared_ptr<TState> next;
        for (const auto& t : timers_) {
            if (t->enabled && (!next || t->due < next->due)) {
                next = t;
            }
        }
        const TClock::time_point wake = TClock::now() + std::chrono::milliseconds(pollMs);
        if (!next || next->due > wake) {
            std::this_thread::sleep_until(wake);
            continue;
        }
        std::this_thread::sleep_until(next->due);
        next->due = TClock::now() + std::chrono::milliseconds(std::max(1, next->interval));
        // Keep the handler alive even if the timer is destroyed while it runs.
        const std::shared_ptr<TState> running = next;
        try {
            running->handler();
        } catch (const std::exception& e) {
            if (report_) {
                report_(e.what());
            }
        }
    }
}

}  // namespace vokadlo
