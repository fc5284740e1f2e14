// A text whose copies share one buffer: the engine's pending text and the remainder the last
// cut left are views of the same buffer, so keeping them costs no copy per chunk and telling
// whether they are equal costs no comparison while neither has changed.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>

namespace vokadlo {

class TSharedText {
  public:
    TSharedText() = default;
    explicit TSharedText(std::string text)
        : buffer_(std::make_shared<std::string>(std::move(text))), end_(buffer_->size()) {}
    TSharedText& operator=(std::string text) { return *this = TSharedText(std::move(text)); }
    TSharedText& operator=(std::string_view text) { return *this = std::string(text); }
    TSharedText& operator=(const char* text) { return *this = std::string(text); }
    // The characters [start, end) of a buffer, which the text then shares.
    TSharedText(std::shared_ptr<std::string> buffer, std::size_t start, std::size_t end)
        : buffer_(std::move(buffer)), start_(start), end_(end) {}

    std::string_view View() const {
        return buffer_ ? std::string_view(*buffer_).substr(start_, end_ - start_)
                       : std::string_view();
    }
    operator std::string_view() const { return View(); }  // NOLINT
    std::string str() const { return std::string(View()); }

    bool empty() const { return start_ == end_; }
    std::size_t size() const { return end_ - start_; }
    char operator[](std::size_t i) const { return (*buffer_)[start_ + i]; }
    std::string_view substr(std::size_t pos, std::size_t n = std::string_view::npos) const {
        return View().substr(pos, n);
    }
    std::size_t find(std::string_view what, std::size_t pos = 0) const {
        return View().find(what, pos);
    }
    std::size_t find(char what, std::size_t pos = 0) const { return View().find(what, pos); }

    // The text in a fresh buffer of its own (other copies keep theirs).
    void clear() { *this = TSharedText(); }
    TSharedText& operator+=(std::string_view more) {
        std::string joined;
        joined.reserve(size() + more.size());
        joined.append(View()).append(more);
        return *this = TSharedText(std::move(joined));
    }

    // The buffer and the bounds of the text in it, for code that moves the bounds itself.
    const std::shared_ptr<std::string>& Buffer() const { return buffer_; }
    std::size_t Start() const { return start_; }
    std::size_t End() const { return end_; }

    // Equal texts; texts of the same buffer and bounds are equal without a comparison.
    friend bool operator==(const TSharedText& a, const TSharedText& b) {
        return (a.buffer_ == b.buffer_ && a.start_ == b.start_ && a.end_ == b.end_) ||
               a.View() == b.View();
    }
    friend bool operator==(const TSharedText& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const TSharedText& a, const char* b) { return a.View() == b; }
    friend std::ostream& operator<<(std::ostream& out, const TSharedText& text) {
        return out << text.View();
    }

  private:
    std::shared_ptr<std::string> buffer_;
    std::size_t start_ = 0;
    std::size_t end_ = 0;
};

}  // namespace vokadlo
