#include "app/QtTimers.h"

#include <QTimer>

#include <exception>
#include <utility>

namespace vokadlo {
namespace {

class TQtTimer final : public ITimer {
  public:
    TQtTimer(int intervalMs, std::function<void()> handler,
             std::function<void(const std::string&)> onError)
        : handler_(std::move(handler)), onError_(std::move(onError)) {
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    }

    void SetInterval(int ms) override { timer_.setInterval(ms); }
    void SetEnabled(bool enabled) override {
        if (enabled) {
            timer_.start();  // a fresh interval, also when it was running
        } else {
            timer_.stop();
        }
    }
    bool Enabled() const override { return timer_.isActive(); }

  private:
    void Tick() noexcept {
        try {
            handler_();
        } catch (const std::exception& e) {
            Halt(e.what());
        } catch (...) {
            Halt("unknown error");
        }
    }

    void Halt(const char* message) noexcept {
        timer_.stop();
        if (onError_) {
            try {
                onError_(message);
            } catch (...) {
                // Nothing is left to tell.
            }
        }
    }

    QTimer timer_;
    std::function<void()> handler_;
    std::function<void(const std::string&)> onError_;
};

}  // namespace

TQtTimerFactory::TQtTimerFactory(std::function<void(const std::string&)> onError)
    : onError_(std::move(onError)) {}

std::unique_ptr<ITimer> TQtTimerFactory::CreateTimer(int intervalMs,
                                                     std::function<void()> handler) {
    return std::make_unique<TQtTimer>(intervalMs, std::move(handler), onError_);
}

}  // namespace vokadlo
