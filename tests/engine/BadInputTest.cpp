#include <gtest/gtest.h>

#include "core/ParseInt.h"
#include "tests/engine/TextFixture.h"

namespace vokadlo::test {
namespace {

using BadInput = TextFixture;

TEST_F(BadInput, MegabyteWithoutSpacesIsCutInto120CharacterChunks) {
    Queue(std::string(1 << 20, 'a'));
    for (int chunk = 0; chunk < 3; ++chunk) {
        PrepareOne();
        EXPECT_EQ(Engine().ChunkText, std::string(120, 'a'));
        EXPECT_EQ(Engine().CurrentWord().CharCount, 120);
    }
    // Each cut leaves the end marker behind the rest; lower-cased, it is a brace tag later.
    EXPECT_EQ(Engine().PendingText.size(), (1u << 20) - 3 * 120 + 7 * 3);
    EXPECT_EQ(Engine().PendingText.substr(Engine().PendingText.size() - 14), "{konec}{kOnEc}");
}

TEST_F(BadInput, AnyBytesArePrepared) {
    const std::string texts[] = {
        std::string("a\0b\0 \0\0 c", 10),
        "-",
        "- - -",
        "\\\\\\\\\\\\ \\ \\\\",
        "{{{{{{{{{{}}}}}}}}}} {{ }}",
        "\\ton=5\\\\ton=6\\\\ton=7\\\\ton=8\\\\ton=9\\",
        "\\ton=" + std::string(300, '9') + "\\a",
        "{vol=" + std::string(300, '9') + "}",
        std::string(200, '\\'),
        std::string(200, '{'),
        "\xFF\x80\x9A\x8A\x01\x1F\x7F",
        "\r\n\r\n",
        "e e. .e 1e 1e+ 1e999 -1e999 1e-999",
        std::string(130, '\\') + "ton=5\\a",
    };
    for (const std::string& text : texts) {
        Engine().PendingText = text;
        Engine().TextRestart = true;
        int preparations = 0;
        while (Engine().PendingText != kEndMarker && !Engine().PendingText.empty()) {
            Engine().ChunkReady = false;
            EXPECT_NO_THROW(Engine().PrepareChunk()) << text;
            EXPECT_TRUE(Engine().ChunkReady);
            ASSERT_LT(++preparations, 1000) << text;
        }
        const TSayWord& word = Engine().CurrentWord();
        EXPECT_EQ(static_cast<std::size_t>(word.CharCount), word.Chars.size());
    }
}

TEST_F(BadInput, LoneMinusToneEndsOnlyItsChunk) {
    Queue("\\ton=-\\a ba");
    EXPECT_THROW(Engine().PrepareChunk(), EConvertError);
    EXPECT_EQ(Engine().PendingText, "ba");  // the cut happened: the next chunk goes on
    EXPECT_EQ(PrepareOne().text, "ba");
}

TEST_F(BadInput, NulBytesAreOrdinaryCharacters) {
    const std::vector<TChunk> chunks = PrepareAll(std::string("a\0a", 3));
    ASSERT_EQ(chunks.size(), 1u);
    EXPECT_EQ(Engine().CurrentWord().CharCount, 3);
    EXPECT_EQ(Engine().CurrentWord().Chars[1].Letter, std::string(1, '\0'));
}

}  // namespace
}  // namespace vokadlo::test
