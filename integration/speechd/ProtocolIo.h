// The two pipes to the Speech Dispatcher server: commands come as lines on standard input,
// replies and events go out on standard output.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vokadlo::speechd {

// Lines from a file descriptor, read without blocking so that the module can go on speaking
// while it waits for the next command.
class TLineInput {
  public:
    explicit TLineInput(int fd) : fd_(fd) {}

    // Waits up to `timeoutMs` (-1: as long as it takes) for input and takes what has come.
    // False once the input has ended or failed.
    bool Wait(int timeoutMs);
    // The next complete line without its line feed, if one has come.
    std::optional<std::string> Next();
    bool HasLine() const;
    // Blocks until a whole line has come; nullopt when the input ends first.
    std::optional<std::string> ReadLine();

  private:
    int fd_;
    std::string buffer_;
    std::size_t start_ = 0;
    bool ended_ = false;
};

// Thrown when the server no longer reads the replies.
struct TServerGone {};

// Replies and events, collected and then written out at once.
class TReplies {
  public:
    explicit TReplies(int fd) : fd_(fd) {}

    void Line(std::string_view line);
    // One AUDIO event: 16-bit mono little-endian samples, escaped so that the data holds no
    // line feed (a line feed or 0x7D becomes 0x7D and the byte with bit 5 inverted).
    void Audio(const std::uint8_t* samples, std::size_t bytes, int sampleRate);
    // Writes what was collected; throws TServerGone when the server has gone.
    void Flush();

  private:
    int fd_;
    std::string pending_;
};

}  // namespace vokadlo::speechd
