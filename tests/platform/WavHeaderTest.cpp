#include "platform/WavHeader.h"

#include <gtest/gtest.h>

#include "tests/doubles/Doubles.h"

namespace vokadlo {
namespace {

TEST(WavHeader, PlaysTheDeclaredDataWhateverTheRiffSizeSays) {
    TMemoryStream image = test::MakeRecording({-12, 5, 6});
    image.resize(44 + 6);  // no trailing chunk
    image[4] = 0xB0;       // a RIFF size that does not match
    image[40] = 4;         // declared: two samples, two bytes short of what is present
    const auto wav = ReadWavData(image.data(), image.size());
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->sampleRate, 22050u);
    EXPECT_EQ(wav->channels, 1);
    EXPECT_EQ(wav->bytes, 4u);
    EXPECT_EQ(wav->data, image.data() + 44);

    image[40] = 200;  // declared beyond the end: cut to what is there
    EXPECT_EQ(ReadWavData(image.data(), image.size())->bytes, 6u);
}

TEST(WavHeader, RejectsWhatIsNotA16BitPcmImage) {
    TMemoryStream image = test::MakeRecording({1});
    EXPECT_FALSE(ReadWavData(image.data(), 43));
    EXPECT_FALSE(ReadWavData(nullptr, 0));
    TMemoryStream bad = image;
    bad[34] = 8;
    EXPECT_FALSE(ReadWavData(bad.data(), bad.size()));
    bad = image;
    bad[0] = 'X';
    EXPECT_FALSE(ReadWavData(bad.data(), bad.size()));
}

}  // namespace
}  // namespace vokadlo
