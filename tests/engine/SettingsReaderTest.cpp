#include <gtest/gtest.h>

#include "engine/OrvTts.h"
#include "tests/doubles/EngineFixture.h"

namespace vokadlo::test {
namespace {

class SettingsReader : public EngineFixture {
  protected:
    // A store as the settings application leaves it.
    void StoreFullSet(std::int32_t flag) {
        storeValues = {
            {"Values_Changed", flag},
            {"Volume_Position", std::string("45")},
            {"Speed_Position", std::string("150")},
            {"Pith_Position", std::string("-12")},
            {"Echo_tracsk_Position", std::string("2")},
            {"Echo_delay_Position", std::string("12")},
            {"Echo_Volume_Position", std::string("20")},
            {"Intonace_Checked", std::string("True")},
            {"Intonace_endhacent_Checked", std::string("False")},
        };
    }

    TSayText& Engine() { return GetSayText(); }

    // The value of one store entry, after the engine has built its store.
    void Put(const std::string& name, TMemorySettingsStore::TValue value) {
        lastStore->values[name] = std::move(value);
    }
};

TEST_F(SettingsReader, FirstTextReadsAllValuesAndClearsTheFlag) {
    StoreFullSet(0);
    TSayText& engine = Engine();
    engine.ReadEngineSettings();

    EXPECT_TRUE(engine.SettingsLoaded);
    EXPECT_EQ(std::get<std::int32_t>(lastStore->values["Values_Changed"]), 0);
    EXPECT_DOUBLE_EQ(Settings.VolumeFactor, 3.0);
    EXPECT_DOUBLE_EQ(Settings.SpeedFactor, 1.5);
    EXPECT_EQ(engine.SpeedPercent, 150);
    EXPECT_EQ(Settings.PitchShift, -12);
    EXPECT_EQ(Settings.EchoTracks, 2);
    EXPECT_EQ(Settings.EchoDelay, 1200);
    EXPECT_EQ(Settings.EchoVolume, 20);
    EXPECT_TRUE(Settings.IntonationOn);
    EXPECT_FALSE(Settings.IntonationLinear);
    EXPECT_EQ(engine.Echo.EchoReadPos[0], -1200);
    EXPECT_EQ(engine.Echo.EchoReadPos[1], -2400);

    // The flag stays 0: the second text reads nothing.
    Put("Pith_Position", std::string("40"));
    lastStore->reads.clear();
    engine.ReadEngineSettings();
    EXPECT_EQ(Settings.PitchShift, -12);
    EXPECT_EQ(lastStore->reads, std::vector<std::string>{"Values_Changed"});

    // A raised flag reads again.
    Put("Values_Changed", 1);
    engine.ReadEngineSettings();
    EXPECT_EQ(Settings.PitchShift, 40);
}

TEST_F(SettingsReader, MissingFlagReadsNothingEver) {
    StoreFullSet(0);
    storeValues.erase("Values_Changed");
    TSayText& engine = Engine();
    const double volume = Settings.VolumeFactor;
    engine.ReadEngineSettings();
    engine.ReadEngineSettings();
    EXPECT_FALSE(engine.SettingsLoaded);
    EXPECT_DOUBLE_EQ(Settings.VolumeFactor, volume);
}

TEST_F(SettingsReader, SpeedBelowTenMeansRecordedTempo) {
    struct {
        const char* stored;
        double factor;
        int percent;
    } const cases[] = {{"150", 1.5, 150}, {"10", 0.1, 10},   {"9", 1.0, 100},
                       {"0", 1.0, 100},   {"-50", 1.0, 100}, {"", 1.0, 100}};
    StoreFullSet(1);
    TSayText& engine = Engine();
    for (const auto& c : cases) {
        Put("Values_Changed", 1);
        Put("Speed_Position", std::string(c.stored));
        engine.ReadEngineSettings();
        EXPECT_DOUBLE_EQ(Settings.SpeedFactor, c.factor) << c.stored;
        EXPECT_EQ(engine.SpeedPercent, c.percent) << c.stored;
    }
}

TEST_F(SettingsReader, HugeSpeedGivesEveryUnitAtMostTenSeconds) {
    StoreFullSet(1);
    storeValues["Speed_Position"] = std::string("2147483647");  // once took 17 GB for a word
    TSayText& engine = Engine();
    engine.PendingText = "ahoj";
    engine.PrepareChunk();
    const TSayWord& word = engine.CurrentWord();
    ASSERT_EQ(word.CharCount, 4);
    for (std::int32_t k = 0; k < word.CharCount; ++k) {
        EXPECT_EQ(word.Chars[k].Duration, kMaxUnitMs) << k;
    }
    EXPECT_LE(engine.CurrentStream().size(), 46u + 4 * 2 * 220500u);
}

TEST_F(SettingsReader, MissingPitchReadsAsZeroAndTheRestIsRead) {
    StoreFullSet(1);
    storeValues.erase("Pith_Position");
    Engine().ReadEngineSettings();
    EXPECT_EQ(Settings.PitchShift, 0);
    EXPECT_EQ(Settings.EchoVolume, 20);
    EXPECT_FALSE(Settings.IntonationLinear);
}

TEST_F(SettingsReader, ValueOfTheWrongTypeStopsTheReadingThere) {
    StoreFullSet(1);
    storeValues["Pith_Position"] = std::int32_t{7};
    Settings.EchoVolume = 3;
    Settings.PitchShift = 11;
    TSayText& engine = Engine();
    engine.ReadEngineSettings();
    EXPECT_DOUBLE_EQ(Settings.VolumeFactor, 3.0);  // read before the bad value
    EXPECT_EQ(engine.SpeedPercent, 150);
    EXPECT_EQ(Settings.PitchShift, -30);  // as the voice set it: unchanged by the store
    EXPECT_EQ(Settings.EchoVolume, 3);
    EXPECT_EQ(engine.Echo.EchoReadPos[0], -1200);  // no echo reset with the store's delay
    EXPECT_EQ(std::get<std::int32_t>(lastStore->values["Values_Changed"]), 0);

    lastStore->reads.clear();
    engine.ReadEngineSettings();  // flag is 0 now: nothing more is read
    EXPECT_EQ(lastStore->reads.size(), 1u);
}

TEST_F(SettingsReader, LenientNumbersAndExactBooleans) {
    StoreFullSet(1);
    storeValues["Volume_Position"] = std::string("");
    storeValues["Echo_Volume_Position"] = std::string("12abc");
    storeValues["Intonace_Checked"] = std::string("true");
    storeValues["Intonace_endhacent_Checked"] =
        TMemorySettingsStore::TExpandable{"True"};  // expandable strings are text too
    Engine().ReadEngineSettings();
    EXPECT_DOUBLE_EQ(Settings.VolumeFactor, 0.0);
    EXPECT_EQ(Settings.EchoVolume, 12);
    EXPECT_FALSE(Settings.IntonationOn);
    EXPECT_TRUE(Settings.IntonationLinear);

    Put("Values_Changed", 1);
    Put("Echo_Volume_Position", std::string("abc"));
    GetSayText().ReadEngineSettings();
    EXPECT_EQ(Settings.EchoVolume, 0);
}

TEST_F(SettingsReader, LoneMinusStopsTheReading) {
    StoreFullSet(1);
    storeValues["Echo_Volume_Position"] = std::string("-");
    Settings.IntonationLinear = true;
    Engine().ReadEngineSettings();
    EXPECT_EQ(Settings.EchoDelay, 1200);     // read before
    EXPECT_TRUE(Settings.IntonationLinear);  // never reached
}

TEST_F(SettingsReader, EchoTracksAboveTenAreTen) {
    StoreFullSet(1);
    storeValues["Echo_tracsk_Position"] = std::string("25");
    TSayText& engine = Engine();
    engine.ReadEngineSettings();
    EXPECT_EQ(Settings.EchoTracks, 10);
    EXPECT_EQ(engine.Echo.EchoReadPos[9], -12000);
}

TEST_F(SettingsReader, UnwritableFlagNeverGetsToTheValues) {
    StoreFullSet(1);
    const double volume = Settings.VolumeFactor;
    TSayText& engine = Engine();
    lastStore->failWrites = true;
    engine.ReadEngineSettings();
    engine.ReadEngineSettings();
    EXPECT_DOUBLE_EQ(Settings.VolumeFactor, volume);
    EXPECT_TRUE(engine.SettingsLoaded);
}

}  // namespace
}  // namespace vokadlo::test
