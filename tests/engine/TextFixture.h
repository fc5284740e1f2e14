// Runs the text side of chunk preparation on an engine built over the test doubles, with a
// private user dictionary file.
#pragma once

#include <fstream>
#include <string>
#include <vector>

#include "core/CodePage.h"
#include "engine/OrvTts.h"
#include "tests/doubles/EngineFixture.h"

namespace vokadlo::test {

// Test texts are written in UTF-8 and turned into the engine's code page 1250.
inline std::string Cp(std::string_view utf8) {
    return Utf8ToCp1250(utf8);
}

class TextFixture : public EngineFixture {
  protected:
    // One prepared chunk, in UTF-8.
    struct TChunk {
        std::string text;     // the record's processed text
        std::string letters;  // every unit's Letter, joined by "|"
        std::string shown;    // the display text
    };

    std::filesystem::path DictionaryFile() const { return configDir / "vokadlo.dct"; }

    void WriteDictionary(std::string_view bytes) {
        std::ofstream out(DictionaryFile(), std::ios::binary | std::ios::trunc);
        out << bytes;
    }

    TSayText& Engine() {
        if (!SayTextInstance) {
            GetSayText();
        }
        return *SayTextInstance;
    }

    // Queues `utf8` as a new text, as Speak does.
    void Queue(std::string_view utf8) {
        Engine().PendingText = Cp(utf8);
        Engine().ChunkText.clear();
    }

    TChunk Describe() {
        const TSayWord& word = Engine().CurrentWord();
        TChunk chunk{Cp1250ToUtf8(word.Text), "", Cp1250ToUtf8(Engine().ChunkText)};
        for (std::int32_t k = 0; k < word.CharCount; ++k) {
            chunk.letters += (k ? "|" : "") + Cp1250ToUtf8(word.Chars[k].Letter);
        }
        return chunk;
    }

    // Prepares one chunk and describes it.
    TChunk PrepareOne() {
        Engine().ChunkReady = false;
        Engine().PrepareChunk();
        return Describe();
    }

    // Queues `utf8` and prepares every chunk of it.
    std::vector<TChunk> PrepareAll(std::string_view utf8) {
        Queue(utf8);
        std::vector<TChunk> chunks;
        while (!Engine().PendingText.empty() && chunks.size() < 100) {
            chunks.push_back(PrepareOne());
            if (Engine().PendingText == kEndMarker) {
                break;
            }
        }
        return chunks;
    }
};

}  // namespace vokadlo::test
