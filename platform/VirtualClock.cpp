#include "platform/VirtualClock.h"

#include <algorithm>

namespace vokadlo {

struct TVirtualClock::TState {
    int interval = 0;
    bool enabled = false;
    std::int64_t due = 0;
    bool alive = true;
    std::function<void()> handler;
};

class TVirtualClock::TTimer final : public ITimer {
  public:
    TTimer(TVirtualClock& clock, std::shared_ptr<TState> state)
        : clock_(clock), state_(std::move(state)) {}
    ~TTimer() override { state_->alive = false; }
    void SetInterval(int ms) override {
        state_->interval = ms;
        if (state_->enabled) {
            state_->due = clock_.now_ + ms;
        }
    }
    void SetEnabled(bool enabled) override {
        if (enabled && !state_->enabled) {
            state_->due = clock_.now_ + std::max(1, state_->interval);
        }
        state_->enabled = enabled;
    }
    bool Enabled() const override { return state_->enabled; }

  private:
    TVirtualClock& clock_;
    std::shared_ptr<TState> state_;
};

std::unique_ptr<ITimer> TVirtualClock::CreateTimer(int intervalMs, std::function<void()> handler) {
    auto state = std::make_shared<TState>();
    state->interval = intervalMs;
    state->handler = std::move(handler);
    timers_.push_back(state);
    return std::make_unique<TTimer>(*this, state);
}

void TVirtualClock::Advance(std::int64_t ms) {
    const std::int64_t end = now_ + ms;
    for (;;) {
        std::shared_ptr<TState> next;
        for (const auto& t : timers_) {
            if (t->alive && t->enabled && t->due <= end && (!next || t->due < next->due)) {
                next = t;
            }
        }
        if (!next) {
            break;
        }
        now_ = std::max(now_, next->due);
        next->due = now_ + std::max(1, next->interval);
        next->handler();
    }
    now_ = end;
    std::erase_if(timers_, [](const auto& t) { return !t->alive; });
}

bool TVirtualClock::AdvanceUntil(const std::function<bool()>& done, std::int64_t limitMs,
                                 std::int64_t stepMs) {
    for (std::int64_t passed = 0; passed < limitMs; passed += stepMs) {
        if (done()) {
            return true;
        }
        Advance(stepMs);
    }
    return done();
}

}  // namespace vokadlo
