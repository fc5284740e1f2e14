// Rewriting a cut chunk into the text its units are built from.
#include "engine/DictionaryRows.h"
#include "engine/TextPipeline.h"
#include "platform/Platform.h"
#include "text/DecimalSeparator.h"
#include "text/ReplaceAll.h"
#include "text/TagSpans.h"
#include "text/WordConversion.h"

namespace vokadlo {
namespace {

constexpr const char* kRewriteLimitNotice = "the pronunciation dictionary grows a word past 4 KiB";

}  // namespace

std::string ConvertChunk(std::string_view chunk, TSayText& engine, std::string_view pending,
                         std::optional<std::size_t> lastBackslash) {
    const std::string s =
        ApplyDictionaries(chunk, engine.UserDictionary, engine.PronunciationTable);
    if (s.size() > kRewriteLimit) {
        // Rows that feed each other: the text is spoken as they left it, without the
        // conversions, and the user hears why once.
        if (!engine.RewriteLimitNoticed) {
            engine.RewriteLimitNoticed = true;
            PlatformNotice().Show(kRewriteLimitNotice);
        }
        return s;
    }
    // Tags are kept away from the conversions, so their names and digits reach the tag reader
    // as written.
    const TTagSplit split = SplitTags(s);
    return split.prefix + ConvertWord(split.word, pending, DecimalSeparator(), lastBackslash) +
           split.rest;
}

std::string ConvertChunk(std::string_view chunk, TSayText& engine) {
    return ConvertChunk(chunk, engine, engine.PendingText);
}

}  // namespace vokadlo
