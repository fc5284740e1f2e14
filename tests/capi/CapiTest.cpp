// libvokadlo as a C caller sees it: events in stream order, the samples vokadlo-say writes,
// stopping from a callback, one synthesizer at a time, refused options and failures. Run under
// the sanitizers, the leak check at exit covers every synthesizer freed here.
#include "capi/vokadlo.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TEvent {
    int type;
    std::uint64_t sampleOffset;
    std::int64_t textOffset;
    std::int64_t textLength;
    std::string mark;
    std::string text;
};

// What a text delivered: its samples and events, and the call's code.
struct TSpoken {
    int code = -1;
    std::vector<std::int16_t> samples;
    std::vector<TEvent> events;
    int audioCalls = 0;
    int stopAtAudioCall = 0;  // the audio callback that returns non-zero, from 1; 0 never
};

int OnAudio(const std::int16_t* samples, std::size_t count, void* user) {
    auto& spoken = *static_cast<TSpoken*>(user);
    spoken.samples.insert(spoken.samples.end(), samples, samples + count);
    return ++spoken.audioCalls == spoken.stopAtAudioCall;
}

int OnEvent(const vokadlo_event* e, void* user) {
    static_cast<TSpoken*>(user)->events.push_back({e->type, e->sample_offset, e->text_offset,
                                                   e->text_length, e->mark ? e->mark : "",
                                                   e->text ? e->text : ""});
    return 0;
}

class CapiTest : public ::testing::Test {
  protected:
    CapiTest() {
        // An empty configuration folder: no stored settings, no user dictionary.
        configDir = fs::temp_directory_path() / ("vokadlo-capi-" + std::to_string(::getpid()));
        fs::create_directories(configDir);
        ::setenv("VOKADLO_CONFIG_DIR", configDir.c_str(), 1);
        v = vokadlo_new();
    }
    ~CapiTest() override {
        vokadlo_free(v);
        std::error_code ignored;
        fs::remove_all(configDir, ignored);
    }

    TSpoken Speak(const char* text, int stopAtAudioCall = 0) {
        TSpoken spoken;
        spoken.stopAtAudioCall = stopAtAudioCall;
        spoken.code = vokadlo_synthesize(v, text, OnAudio, OnEvent, &spoken);
        return spoken;
    }

    fs::path configDir;
    vokadlo* v = nullptr;
};

TEST_F(CapiTest, EventsComeInStreamOrderWithTheSamples) {
    ASSERT_NE(v, nullptr) << vokadlo_last_error(nullptr);
    const std::string text = "Dobrý \\mrk=1\\den, \\mrk=22\\světe.";
    const TSpoken spoken = Speak(text.c_str());
    ASSERT_EQ(spoken.code, VOKADLO_OK) << vokadlo_last_error(v);

    std::string order;
    std::vector<std::string> places;  // of the words, in the caller's text
    std::uint64_t lastOffset = 0;
    for (const TEvent& e : spoken.events) {
        order += e.type == VOKADLO_EVENT_WORD   ? "W"
                 : e.type == VOKADLO_EVENT_MARK ? "M" + e.mark
                                                : "E";
        EXPECT_GE(e.sampleOffset, lastOffset);
        lastOffset = e.sampleOffset;
        if (e.type == VOKADLO_EVENT_WORD) {
            ASSERT_GE(e.textOffset, 0);
            places.push_back(text.substr(e.textOffset, e.textLength));
        }
    }
    EXPECT_EQ(order, "WWM1WM22E");
    EXPECT_EQ(places, (std::vector<std::string>{"Dobrý", "\\mrk=1\\den,", "\\mrk=22\\světe."}));
    // A mark is heard where its chunk starts; the end comes after every sample.
    EXPECT_EQ(spoken.events[2].sampleOffset, spoken.events[1].sampleOffset);
    EXPECT_EQ(spoken.events[1].text, "den, ");
    EXPECT_GT(spoken.events[1].sampleOffset, 0u);
    EXPECT_EQ(spoken.events.back().sampleOffset, spoken.samples.size());
}

// The samples vokadlo-say writes for a text with the given options.
std::vector<std::int16_t> SaySamples(const fs::path& folder, const std::string& options,
                                     const std::string& text) {
    const fs::path wav = folder / "say.wav";
    const std::string command =
        std::string(VOKADLO_SAY) + " " + options + " -w '" + wav.string() + "' '" + text + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream in(wav, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    std::vector<std::int16_t> samples(bytes.size() > 44 ? (bytes.size() - 44) / 2 : 0);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(static_cast<std::uint8_t>(bytes[44 + 2 * i]) |
                                               static_cast<std::uint8_t>(bytes[45 + 2 * i]) << 8);
    }
    return samples;
}

TEST_F(CapiTest, SamplesEqualThoseOfTheSpeaker) {
    ASSERT_NE(v, nullptr) << vokadlo_last_error(nullptr);
    const char* text = "Vlak č. 25 přijede ve 14:35 \\spd=120\\na kolej 3, {ton=2}že? Ahoj!";
    ASSERT_EQ(vokadlo_set_option(v, "seed", "1"), VOKADLO_OK);
    ASSERT_EQ(vokadlo_set_option(v, "voice", "VEMIRuska"), VOKADLO_OK);
    const TSpoken spoken = Speak(text);
    ASSERT_EQ(spoken.code, VOKADLO_OK) << vokadlo_last_error(v);
    EXPECT_EQ(spoken.samples, SaySamples(configDir, "--seed 1 -v VEMIRuska", text));

    // An SSML document: its marks by name, its break and voice heard as the speaker has them.
    const char* document =
        "<speak>Dobrý <mark name=\"tady\"/>den,<break time=\"700ms\"/> "
        "<voice name=\"VEMIR\">světe</voice>.</speak>";
    ASSERT_EQ(vokadlo_set_option(v, "format", "ssml"), VOKADLO_OK);
    const TSpoken read = Speak(document);
    ASSERT_EQ(read.code, VOKADLO_OK) << vokadlo_last_error(v);
    EXPECT_EQ(read.samples, SaySamples(configDir, "--seed 1 -v VEMIRuska --ssml", document));
    std::string marks;
    for (const TEvent& e : read.events) {
        marks += e.type == VOKADLO_EVENT_MARK ? e.mark : "";
    }
    EXPECT_EQ(marks, "tady");
}

TEST_F(CapiTest, ACallbackStopsTheSpeechAtOnceAndTheNextTextIsWhole) {
    ASSERT_NE(v, nullptr) << vokadlo_last_error(nullptr);
    const char* text = "Jedna dva tři čtyři pět šest sedm osm devět deset.";
    const TSpoken whole = Speak(text);
    const TSpoken stopped = Speak(text, 1);
    EXPECT_EQ(stopped.code, VOKADLO_ERR_STOPPED);
    EXPECT_EQ(stopped.audioCalls, 1);
    ASSERT_EQ(stopped.events.size(), 1u);  // the first word, and nothing after the stop
    EXPECT_STRNE(vokadlo_last_error(v), "");

    const TSpoken again = Speak(text);
    EXPECT_EQ(again.code, VOKADLO_OK);
    EXPECT_EQ(again.events.size(), whole.events.size());
    EXPECT_EQ(again.events.back().type, VOKADLO_EVENT_END);
}

TEST_F(CapiTest, OneSynthesizerAtATime) {
    ASSERT_NE(v, nullptr) << vokadlo_last_error(nullptr);
    EXPECT_EQ(vokadlo_new(), nullptr);
    EXPECT_NE(std::string(vokadlo_last_error(nullptr)).find("another synthesizer"),
              std::string::npos);
    vokadlo_free(v);
    v = vokadlo_new();
    EXPECT_NE(v, nullptr);
    EXPECT_STREQ(vokadlo_version(), VOKADLO_VERSION_STRING);
    EXPECT_EQ(vokadlo_sample_rate(), 22050);
}

TEST_F(CapiTest, RefusedOptionsChangeNothing) {
    ASSERT_NE(v, nullptr) << vokadlo_last_error(nullptr);
    ASSERT_EQ(vokadlo_set_option(v, "seed", "7"), VOKADLO_OK);
    ASSERT_EQ(vokadlo_set_option(v, "rate", "160"), VOKADLO_OK);
    const TSpoken before = Speak("Dobrý den.");

    const char* const refused[][2] = {
        {"rate", "1000"},       {"rate", "fast"},      {"voice", "Karel"},
        {"pitch", "1.5"},       {"seed", "-1"},        {"seed", "7x"},
        {"volume", ""},         {"intonation", "yes"}, {"format", "xml"},
        {"reading", "english"}, {"speling", "on"},     {"samples_from_disk", "/nonexistent"},
    };
    for (const auto& [name, value] : refused) {
        EXPECT_EQ(vokadlo_set_option(v, name, value), VOKADLO_ERR_OPTION) << name << "=" << value;
        EXPECT_NE(std::string(vokadlo_last_error(v)).find(name), std::string::npos);
    }
    EXPECT_EQ(vokadlo_set_option(v, nullptr, "1"), VOKADLO_ERR_ARGUMENT);
    EXPECT_EQ(Speak("Dobrý den.").samples, before.samples);
}

TEST_F(CapiTest, OptionsSetBeforeTheVoiceStillHold) {
    ASSERT_NE(v, nullptr) << vokadlo_last_error(nullptr);
    ASSERT_EQ(vokadlo_set_option(v, "amplitude", "0"), VOKADLO_OK);
    ASSERT_EQ(vokadlo_set_option(v, "voice", "3"), VOKADLO_OK);  // rebuilds the engine
    const TSpoken spoken = Speak("Ahoj.");
    ASSERT_FALSE(spoken.samples.empty());
    // Silent but for the rounding of the gain stages.
    EXPECT_LE(*std::max_element(spoken.samples.begin(), spoken.samples.end()), 1);
}

TEST_F(CapiTest, FailuresReturnACodeAndAMessage) {
    ASSERT_NE(v, nullptr) << vokadlo_last_error(nullptr);
    EXPECT_EQ(Speak("\xC3(").code, VOKADLO_ERR_TEXT);
    const TSpoken bad = Speak("Ahoj \\ton=-\\ světe");
    EXPECT_EQ(bad.code, VOKADLO_ERR_SYNTHESIS);
    EXPECT_NE(std::string(vokadlo_last_error(v)).find("bad value"), std::string::npos);
    // With tags off the same text is spoken; a blank text gives only the end.
    ASSERT_EQ(vokadlo_set_option(v, "format", "plain"), VOKADLO_OK);
    EXPECT_EQ(Speak("Ahoj \\ton=-\\ světe").code, VOKADLO_OK);
    const TSpoken blank = Speak("  ");
    EXPECT_EQ(blank.code, VOKADLO_OK);
    ASSERT_EQ(blank.events.size(), 1u);
    EXPECT_EQ(blank.events[0].type, VOKADLO_EVENT_END);
    EXPECT_EQ(vokadlo_synthesize(nullptr, "a", nullptr, nullptr, nullptr), VOKADLO_ERR_ARGUMENT);
    // A callback that calls back in is refused, and the text it came from is still spoken.
    struct TInner {
        vokadlo* v;
        int code = -1;
    } inner{v};
    const auto callBackIn = [](const vokadlo_event*, void* user) {
        auto& in = *static_cast<TInner*>(user);
        in.code = in.code < 0 ? vokadlo_synthesize(in.v, "a", nullptr, nullptr, nullptr) : in.code;
        return 0;
    };
    EXPECT_EQ(vokadlo_synthesize(v, "Ahoj", nullptr, callBackIn, &inner), VOKADLO_OK);
    EXPECT_EQ(inner.code, VOKADLO_ERR_BUSY);
}

}  // namespace
