#include <gtest/gtest.h>

#include <random>
#include <string>

#include "text/ReplaceAll.h"

namespace vokadlo {
namespace {

// The definition: find the first occurrence from the start, replace it, search again.
std::string NaiveReplaceAll(std::string s, const std::string& key, const std::string& value) {
    if (key.empty() || value.find(key) != std::string::npos) {
        return s;
    }
    for (std::size_t at = s.find(key); at != std::string::npos; at = s.find(key)) {
        s.replace(at, key.size(), value);
    }
    return s;
}

struct TReplaceCase {
    const char* s;
    const char* key;
    const char* value;
    const char* expected;
};

const TReplaceCase kCases[] = {
    {"aab", "ab", "b", "b"},    // a replacement forms a new occurrence with its neighbour
    {"aaa", "a", "ba", "aaa"},  // the value contains the key: nothing changes
    {"abc", "b", "b", "abc"},   // key equals value
    {"abc", "", "x", "abc"},    // empty key
    {"mám", "m", "", "á"},     {"chipchip", "chip", "cip", "cipcip"},
    {"xyz", "q", "r", "xyz"},  {"", "a", "b", ""},
    {"aaaa", "aa", "b", "bb"},
};

TEST(ReplaceAll, ReplacesUntilNoOccurrenceIsLeft) {
    for (const TReplaceCase& c : kCases) {
        EXPECT_EQ(ReplaceAll(c.s, c.key, c.value), c.expected) << c.s << " " << c.key;
    }
}

TEST(ReplaceAll, AgreesWithSearchingFromTheStart) {
    std::mt19937 random(7);
    const auto text = [&random](std::size_t maxLength) {
        std::string s(random() % (maxLength + 1), 'a');
        for (char& c : s) {
            c = "abc"[random() % 3];
        }
        return s;
    };
    for (int i = 0; i < 5000; ++i) {
        const std::string s = text(12);
        const std::string key = text(3);
        const std::string value = text(2);  // never longer than the key: the naive loop ends
        if (value.size() > key.size()) {
            continue;
        }
        ASSERT_EQ(ReplaceAll(s, key, value), NaiveReplaceAll(s, key, value))
            << s << " " << key << "=" << value;
    }
}

TEST(ReplaceAll, StopsARowThatGrowsWithoutEnd) {
    // Every pass doubles the run of "a": the replacement that takes the text past 4 KiB is
    // the last one.
    const std::string grown = ReplaceAll(std::string(40, 'a') + "b", "ab", "bbaa");
    EXPECT_EQ(kRewriteLimit, 4096u);
    EXPECT_GT(grown.size(), kRewriteLimit);
    EXPECT_LE(grown.size(), kRewriteLimit + 2);
    EXPECT_EQ(ReplaceAll("ab", "ab", "bbaa", 3), "bbaa");
}

TEST(ReplaceAll, ShrinksLongTextsInLinearTime) {
    // Each replacement forms a new occurrence just before it: 1 MB of steps.
    const std::string s = std::string(1 << 20, 'a') + "b";
    EXPECT_EQ(ReplaceAll(s, "ab", "b"), "b");
}

}  // namespace
}  // namespace vokadlo
