#include "core/Cp1250Literal.h"

#include <gtest/gtest.h>

namespace vokadlo {
namespace {

// Checked while compiling.
static_assert("Příliš žluťoučký kůň"_cp == "P\xF8\xEDli\x9A \x9Elu\x9Dou\xE8k\xFD k\xF9\xF2");
static_assert(U'ď'_cp == '\xEF' && U'Ž'_cp == '\x8E' && U'€'_cp == '\x80');
static_assert(""_cp.empty() && "{kOnEc}"_cp == "{kOnEc}");

TEST(Cp1250Literal, IsATextFollowedByANul) {
    const std::string_view word = "úpěl"_cp;
    EXPECT_EQ(std::string(word), "\xFAp\xECl");
    EXPECT_EQ(word.data()[word.size()], '\0');
}

}  // namespace
}  // namespace vokadlo
