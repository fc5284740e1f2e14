// Inline control tags: "\name=value\" and "{name=value}" (or without "=value").
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ParseInt.h"

namespace vokadlo {

// A "ton", "spd" or "mrk" value that cannot be converted (a lone "-", a number beyond 32 bits).
// It is the conversion error that ends the chunk's preparation; it also names the tag, as read
// (lower case, with its delimiters: "\ton=-\"), and the value.
class ETagValueError : public EConvertError {
  public:
    ETagValueError(std::string tag, std::string value);
    const std::string& Tag() const { return tag_; }
    const std::string& Value() const { return value_; }

  private:
    std::string tag_;
    std::string value_;
};

// At most this many characters after a tag's opening delimiter are looked at.
inline constexpr std::size_t kTagReach = 255;

struct TTag {
    std::string name;   // lower case; empty when no tag can be read
    std::string value;  // lower case; empty without "="
};

// Reads the tag whose opening delimiter ("\" or "{") stands at `position` (1-based) of `text`:
// the lower-cased characters before the closing delimiter within kTagReach characters, split
// at the first "=". Both parts are empty when there is no closing delimiter, and when
// `position` holds no opening delimiter. Allocates.
TTag ReadTag(std::string_view text, std::int32_t position);

// How many characters a tag takes in the text: its delimiters, name, "=" and value; a tag
// with "=" but no value leaves its closing delimiter; a tag without a name takes nothing.
std::int32_t TagLength(const TTag& tag);

}  // namespace vokadlo
