// The SSML reader: expat parses the document and each element acts on the writer; a document
// expat refuses is read again as malformed.
#include <expat.h>

#include <memory>
#include <vector>

#include "core/CodePage.h"
#include "core/Cp1250Table.h"
#include "core/Tempo.h"
#include "ssml/SayAs.h"
#include "ssml/Ssml.h"
#include "ssml/SsmlFallback.h"
#include "ssml/SsmlValues.h"
#include "ssml/SsmlWriter.h"

namespace vokadlo {
namespace {

using ssml::TSsmlWriter;

// Tempo and volume of an element and what it encloses.
struct TVoiceState {
    double speedPercent;
    double volume;
};

// How <emphasis> changes the voice: louder and slower.
struct TEmphasis {
    std::string_view level;
    double volume;
    double duration;
};
constexpr TEmphasis kEmphasis[] = {
    {"strong", 1.5, 1.3}, {"moderate", 1.25, 1.15}, {"reduced", 0.8, 0.9}, {"none", 1.0, 1.0}};

// Elements whose content is not read.
bool Unread(std::string_view element) {
    return element == "desc" || element == "metadata" || element == "meta" || element == "lexicon";
}

class TReader {
  public:
    TReader(const TSsmlOptions& options, TSsmlWriter& out) : options_(options), out_(out) {
        const double volume = options.volume == 0 ? kFullVolume : options.volume;
        states_.push_back({options.speedPercent, volume});
    }

    // Parses the whole document; the error expat gave, or empty.
    std::string Parse(std::string_view document) {
        const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
            XML_ParserCreate(nullptr), &XML_ParserFree);
        if (!parser) {
            return "out of memory";
        }
        parser_ = parser.get();
        XML_SetUserData(parser_, this);
        XML_SetElementHandler(parser_, &TReader::OnStart, &TReader::OnEnd);
        XML_SetCharacterDataHandler(parser_, &TReader::OnText);
        // A document that declares entities is refused before any is expanded; no external
        // DTD or entity is ever read (expat reads none unless told to).
        XML_SetEntityDeclHandler(parser_, &TReader::OnEntityDeclaration);
        XML_SetParamEntityParsing(parser_, XML_PARAM_ENTITY_PARSING_NEVER);
        XML_SetUnknownEncodingHandler(parser_, &TReader::OnUnknownEncoding, nullptr);
        constexpr int kPiece = 1 << 20;
        for (std::size_t at = 0;;) {
            const std::size_t n = std::min<std::size_t>(kPiece, document.size() - at);
            const bool last = at + n == document.size();
            if (XML_Parse(parser_, document.data() + at, static_cast<int>(n), last) !=
                XML_STATUS_OK) {
                if (!refusal_.empty()) {
                    return refusal_;
                }
                return "line " + std::to_string(XML_GetCurrentLineNumber(parser_)) + ", column " +
                       std::to_string(XML_GetCurrentColumnNumber(parser_)) + ": " +
                       XML_ErrorString(XML_GetErrorCode(parser_));
            }
            at += n;
            if (last) {
                return {};
            }
        }
    }

  private:
    static constexpr double kFullVolume = 63750;

    static void OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
        static_cast<TReader*>(self)->Start(name, attributes);
    }
    static void OnEnd(void* self, const XML_Char* name) { static_cast<TReader*>(self)->End(name); }
    static void OnText(void* self, const XML_Char* text, int length) {
        static_cast<TReader*>(self)->Text(std::string_view(text, static_cast<std::size_t>(length)));
    }
    static void OnEntityDeclaration(void* self, const XML_Char*, int, const XML_Char*, int,
                                    const XML_Char*, const XML_Char*, const XML_Char*,
                                    const XML_Char*) {
        auto* reader = static_cast<TReader*>(self);
        reader->refusal_ = "the document declares entities, which are not read";
        XML_StopParser(reader->parser_, XML_FALSE);
    }

    // Code page 1250, the engine's own, for documents that declare it.
    static int OnUnknownEncoding(void*, const XML_Char* name, XML_Encoding* info) {
        if (!EqualsIgnoringAsciiCase(name, "windows-1250") &&
            !EqualsIgnoringAsciiCase(name, "cp1250")) {
            return XML_STATUS_ERROR;
        }
        for (int byte = 0; byte < 0x80; ++byte) {
            info->map[byte] = byte;
        }
        for (int byte = 0x80; byte < 0x100; ++byte) {
            info->map[byte] = cp1250::kHighHalf[static_cast<std::size_t>(byte - 0x80)];
        }
        info->data = nullptr;
        info->convert = nullptr;
        info->release = nullptr;
        return XML_STATUS_OK;
    }

    static std::optional<std::string_view> Attribute(const XML_Char** attributes,
                                                     std::string_view name) {
        for (; attributes[0]; attributes += 2) {
            if (name == attributes[0]) {
                return std::string_view(attributes[1]);
            }
        }
        return std::nullopt;
    }

    void Start(std::string_view element, const XML_Char** attributes) {
        states_.push_back(states_.back());
        if (skipped_ > 0 || Unread(element)) {
            ++skipped_;
            return;
        }
        if (sayAs_ > 0) {
            ++sayAs_;  // what a say-as encloses is its text
            return;
        }
        if (element == "p" || element == "s" || element == "paragraph" || element == "sentence") {
            out_.SentenceEnd();
        } else if (element == "break") {
            out_.Break(
                ssml::BreakMs(Attribute(attributes, "time"), Attribute(attributes, "strength")));
        } else if (element == "mark") {
            out_.Mark(std::string(Attribute(attributes, "name").value_or("")));
        } else if (element == "prosody") {
            TVoiceState& state = states_.back();
            if (const auto rate = Attribute(attributes, "rate")) {
                // The measured tempo of the scale, not the scale, goes with the rate.
                const double factor = ssml::RateFactor(*rate).value_or(1.0);
                state.speedPercent = SpeedForTempo(TempoForSpeed(state.speedPercent) * factor);
            }
            if (const auto volume = Attribute(attributes, "volume")) {
                state.volume *= ssml::VolumeFactor(*volume).value_or(1.0);
            }
            // "pitch", "range" and "contour": the engine cannot change its pitch for a stretch.
            Apply();
        } else if (element == "emphasis") {
            const std::string_view level = Attribute(attributes, "level").value_or("moderate");
            for (const TEmphasis& e : kEmphasis) {
                if (level == e.level) {
                    states_.back().volume *= e.volume;
                    states_.back().speedPercent *= e.duration;
                }
            }
            Apply();
        } else if (element == "say-as") {
            sayAs_ = 1;
            sayAsText_.clear();
            interpretAs_ = Attribute(attributes, "interpret-as").value_or("");
            format_ = Attribute(attributes, "format").value_or("");
        } else if (element == "sub") {
            out_.Space();
            out_.OwnText(Attribute(attributes, "alias").value_or(""));
            out_.Space();
            ++skipped_;
        } else if (element == "voice") {
            if (!voiceChosen_) {
                out_.Voice(ssml::VoiceNumber(Attribute(attributes, "name"),
                                             Attribute(attributes, "gender"),
                                             Attribute(attributes, "age")));
                voiceChosen_ = true;
            }
            out_.Space();
        } else if (element == "audio" || element == "speak") {
            out_.Space();
        }
        // "lang", "phoneme", "w", "token" and unknown elements: their text is read.
    }

    void End(std::string_view element) {
        states_.pop_back();
        if (skipped_ > 0) {
            --skipped_;
            return;
        }
        if (sayAs_ > 1) {
            --sayAs_;
            return;
        }
        if (sayAs_ == 1) {
            sayAs_ = 0;
            out_.Space();
            out_.OwnText(ssml::SayAs(sayAsText_, interpretAs_, format_));
            out_.Space();
            return;
        }
        if (element == "p" || element == "s" || element == "paragraph" || element == "sentence") {
            out_.SentenceEnd();
        } else if (element == "prosody" || element == "emphasis") {
            Apply();
        } else if (element == "voice" || element == "audio") {
            out_.Space();
        }
    }

    void Text(std::string_view text) {
        if (skipped_ > 0) {
            return;
        }
        if (sayAs_ > 0) {
            sayAsText_ += text;
            return;
        }
        out_.Text(text);
    }

    void Apply() {
        out_.SetTempo(states_.back().speedPercent);
        const double volume = states_.back().volume;
        out_.SetVolume(volume == states_.front().volume ? options_.volume : volume);
    }

    const TSsmlOptions& options_;
    TSsmlWriter& out_;
    XML_Parser parser_ = nullptr;
    std::string refusal_;
    std::vector<TVoiceState> states_;
    int skipped_ = 0;  // depth inside an element whose content is not read
    int sayAs_ = 0;    // depth inside a say-as
    std::string sayAsText_;
    std::string interpretAs_;
    std::string format_;
    bool voiceChosen_ = false;
};

// A text that does not start as an XML document is the text of one.
bool IsDocument(std::string_view text) {
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {  // UTF-16
        return true;
    }
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) {
        return false;
    }
    text.remove_prefix(start);
    return text.starts_with("<?xml") || text.starts_with("<!") || text.starts_with("<speak");
}

}  // namespace

TSsmlText ReadSsml(std::string_view document, const TSsmlOptions& options) {
    std::string wrapped;
    if (!IsDocument(document)) {
        wrapped = "<speak>" + std::string(document) + "</speak>";
        document = wrapped;
    }
    std::string problem;
    {
        TSsmlWriter out(options);
        TReader reader(options, out);
        problem = reader.Parse(document);
        if (problem.empty()) {
            return out.Finish();
        }
    }
    TSsmlWriter out(options);
    ssml::ReadMalformed(document, out);
    TSsmlText text = out.Finish();
    text.notice = "the SSML is not well-formed (" + problem +
                  "); it is read as plain text without its markup";
    return text;
}

}  // namespace vokadlo
