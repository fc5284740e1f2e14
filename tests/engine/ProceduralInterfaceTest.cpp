#include <gtest/gtest.h>

#include "core/ParseInt.h"
#include "engine/OrvTts.h"
#include "tests/doubles/EngineFixture.h"

namespace vokadlo::test {
namespace {

using ProceduralInterface = EngineFixture;

TEST_F(ProceduralInterface, CallbackAndParamBuildTheEngineEvenWhileSpeechIsDisabled) {
    ASSERT_FALSE(Settings.SpeechEnabled);
    SetSayCallback(nullptr);
    EXPECT_TRUE(SayTextInstance);
    FinalizeEngine();
    Settings.EngineFinalized = false;

    SetSayParam(9, std::int64_t{1});
    EXPECT_TRUE(SayTextInstance);
}

TEST_F(ProceduralInterface, SayWhileDisabledOrFinalizedBuildsAndSaysNothing) {
    Say("ahoj");
    SayWord("ahoj");
    EXPECT_FALSE(SayTextInstance);

    Settings.SpeechEnabled = true;
    FinalizeEngine();
    Say("ahoj");
    EXPECT_FALSE(SayTextInstance);
    EXPECT_TRUE(player.Played().empty());
}

TEST_F(ProceduralInterface, EveryCallResetsThePerCallValues) {
    TSayText& engine = GetSayText();
    engine.CurrentTone = 5;
    engine.SpeedPercent = 42;
    engine.CurrentVolume = 7;
    Settings.SpeedFactor = 1.25;
    Settings.OutputVolume = 30000;

    TSayText& again = GetSayText();
    EXPECT_EQ(&again, &engine);  // built once
    EXPECT_EQ(again.CurrentTone, 0);
    EXPECT_EQ(again.SpeedPercent, 125);
    EXPECT_EQ(again.CurrentVolume, 30000);

    Settings.SpeedFactor = 1.125;  // 112.5 rounds to the even 112
    SetSayCallback(nullptr);
    EXPECT_EQ(engine.SpeedPercent, 112);
}

TEST_F(ProceduralInterface, SpeedParamHoldsOnlyUntilTheNextCall) {
    SetSayParam(2, std::int64_t{150});
    EXPECT_EQ(GetSayText().SpeedPercent, 100);  // GetSayText takes it from SpeedFactor again
    Settings.SpeechEnabled = true;
    SetSayParam(2, std::int64_t{150});
    Say("slovo");
    EXPECT_EQ(SayTextInstance->SpeedPercent, 100);
}

TEST_F(ProceduralInterface, EchoDelayParamResetsEveryActiveTrack) {
    SetSayParam(4, std::int64_t{0});
    TSayText& engine = *SayTextInstance;
    for (int t = 0; t < 3; ++t) {
        EXPECT_EQ(engine.Echo.EchoReadPos[t], 0);
    }
    engine.Echo.EchoLength[0] = 55;
    SetSayParam(4, std::string("1200"));
    EXPECT_EQ(Settings.EchoDelay, 1200);
    EXPECT_EQ(engine.Echo.EchoReadPos[0], -1200);
    EXPECT_EQ(engine.Echo.EchoReadPos[1], -2400);
    EXPECT_EQ(engine.Echo.EchoReadPos[2], -3600);
    EXPECT_EQ(engine.Echo.EchoLength[0], 0);
    EXPECT_EQ(engine.Echo.EchoReadPos[3], 0);  // tap 4 is not in use
}

TEST_F(ProceduralInterface, ParamsConvertTheirValues) {
    SetSayParam(0, std::string("32000"));
    EXPECT_EQ(Settings.OutputVolume, 32000);
    SetSayParam(1, std::int64_t{-12});
    EXPECT_EQ(Settings.PitchShift, -12);
    SetSayParam(3, true);
    EXPECT_EQ(Settings.EchoVolume, -1);
    SetSayParam(5, std::string("True"));
    EXPECT_TRUE(Settings.SamplesFromDisk);
    SetSayParam(5, std::int64_t{0});
    EXPECT_FALSE(Settings.SamplesFromDisk);
    SetSayParam(6, std::int64_t{22050});
    EXPECT_EQ(Settings.SampleFolder, "22050");
    SetSayParam(6, std::string("/tmp/hlas"));
    EXPECT_EQ(Settings.SampleFolder, "/tmp/hlas");
}

TEST_F(ProceduralInterface, ConversionErrorsReachTheCallerAndKeepTheSetting) {
    Settings.OutputVolume = 1000;
    EXPECT_THROW(SetSayParam(0, std::string("hlasitě")), EConvertError);
    EXPECT_EQ(Settings.OutputVolume, 1000);
    EXPECT_THROW(SetSayParam(1, std::int64_t{1} << 40), EConvertError);
    EXPECT_THROW(SetSayParam(5, std::string("možná")), EConvertError);
    Settings.EchoDelay = 77;
    EXPECT_THROW(SetSayParam(4, std::string("")), EConvertError);
    EXPECT_EQ(Settings.EchoDelay, 77);
    EXPECT_TRUE(SayTextInstance);  // GetSayText has run all the same
}

TEST_F(ProceduralInterface, VoicesChooseNameAndPitch) {
    struct {
        int voice;
        const char* name;
        int pitch;
    } const cases[] = {{0, "VEMIRa", -30},
                       {1, "VEMIRa", -30},
                       {2, "VEMIRuska", -7},
                       {3, "VEMIR", 5},
                       {4, "VEMIRa", -30}};
    for (const auto& c : cases) {
        TSayText engine(c.voice);
        EXPECT_EQ(engine.VoiceName, c.name);
        EXPECT_EQ(Settings.PitchShift, c.pitch);
        ASSERT_NE(lastStore, nullptr);
        EXPECT_EQ(lastStore->openedKey,
                  std::string("\\SOFTWARE\\Voice\\TextToSpeech\\Engine\\ORV_TTS\\") + c.name);
    }
}

TEST_F(ProceduralInterface, ConstructionBuildsTemplatesAndStartsIdle) {
    TSayText& engine = GetSayText();
    EXPECT_TRUE(notice.shown.empty());
    EXPECT_EQ(engine.HeaderTemplate.size(), 46u);
    EXPECT_EQ(engine.SilenceImage.size(), 48u);
    EXPECT_EQ(engine.CurrentSlot, 1);
    EXPECT_EQ(engine.LastMark, -222);
    EXPECT_TRUE(engine.TextRestart);
    EXPECT_FALSE(engine.SettingsLoaded);
    EXPECT_FALSE(engine.StepTimer->Enabled());
    EXPECT_FALSE(engine.EndTimer->Enabled());
}

TEST_F(ProceduralInterface, MissingRecordingAShowsTheNoticeAndStillBuilds) {
    TMemoryResources empty;
    TPlatform platform;
    platform.Player = &player;
    platform.Timers = &clock;
    platform.Notice = &notice;
    platform.Resources = &empty;
    SetPlatform(platform);

    TSayText& engine = GetSayText();
    ASSERT_EQ(notice.shown.size(), 1u);
    EXPECT_EQ(notice.shown[0], "Chyba p\xF8i inicializaci");
    EXPECT_TRUE(engine.HeaderTemplate.empty());
    EXPECT_TRUE(engine.StepTimer);
}

TEST_F(ProceduralInterface, FinalizationStopsThePlayerAndClearsUnitState) {
    GetSayText();
    Settings.LastRemainder = "zbytek";
    FinalizeEngine();
    EXPECT_FALSE(SayTextInstance);
    EXPECT_EQ(player.Stops(), 1);
    EXPECT_TRUE(Settings.EngineFinalized);
    EXPECT_TRUE(Settings.LastRemainder.empty());
    EXPECT_TRUE(Settings.SampleFolder.empty());
    SetSayCallback(nullptr);  // GetSayText still builds: only Say and SayWord are gated
    EXPECT_TRUE(SayTextInstance);
}

}  // namespace
}  // namespace vokadlo::test
