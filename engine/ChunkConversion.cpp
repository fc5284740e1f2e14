// Rewriting a cut chunk into the text its units are built from.
#include "engine/DictionaryRows.h"
#include "engine/TextPipeline.h"
#include "text/DecimalSeparator.h"
#include "text/TagSpans.h"
#include "text/WordConversion.h"

namespace vokadlo {

std::string ConvertChunk(std::string_view chunk, const TSayText& engine, std::string_view pending,
                         std::optional<std::size_t> lastBackslash) {
    const std::string s =
        ApplyDictionaries(chunk, engine.UserDictionary, engine.PronunciationTable);
    // Tags are kept away from the conversions, so their names and digits reach the tag reader
    // as written.
    const TTagSplit split = SplitTags(s);
    return split.prefix + ConvertWord(split.word, pending, DecimalSeparator(), lastBackslash) +
           split.rest;
}

std::string ConvertChunk(std::string_view chunk, const TSayText& engine) {
    return ConvertChunk(chunk, engine, engine.PendingText);
}

}  // namespace vokadlo
