// The text of vokadlo-say read in pieces, so that endless input is spoken as it comes and never
// held whole.
#pragma once

#include <cstddef>
#include <string>

namespace vokadlo::cli {

// The most a piece holds: a longer line, or a longer text, comes in several pieces.
inline constexpr std::size_t kPieceLimit = 1 << 20;

class TTextInput {
  public:
    // Reads `fd` (not owned); `name` is how messages call it. `stopFd`, when not -1, becomes
    // readable when the program is asked to stop: a read waiting for input then ends at once.
    TTextInput(int fd, std::string name, int stopFd);

    enum class TResult { Piece, End, Stopped, Failed };
    // The next piece. By lines: the next line without its line end (a line longer than
    // kPieceLimit in pieces cut after a space where it has one). Otherwise: up to kPieceLimit
    // bytes, cut after the last line end or else space in them, the rest of the input at its
    // end. Neither cuts a UTF-8 character. Failed sets `problem` to the name and the reason.
    TResult Next(bool lines, std::string& piece, std::string& problem);

    // True when the last piece given by lines ended its line.
    bool LineEnded() const { return lineEnded_; }

  private:
    // Reads what is there into the buffer, waiting for it; false when stopped or failed.
    bool Fill(TResult& result, std::string& problem);
    // Moves the buffer's first `size` bytes into `piece`.
    void Take(std::size_t size, std::string& piece);

    int fd_;
    std::string name_;
    int stopFd_;
    std::string buffer_;
    bool ended_ = false;
    bool lineEnded_ = true;
};

}  // namespace vokadlo::cli
