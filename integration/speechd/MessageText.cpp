#include "integration/speechd/MessageText.h"

#include <array>
#include <cstring>

#include "core/CodePage.h"

namespace vokadlo::speechd {
namespace {

// Czech names of the characters a punctuation mode speaks, from the mode on that names them.
// The engine itself reads "@", "%", "&", "/" and "+", and pauses at the sentence marks.
struct TNamedCharacter {
    const char* character;  // UTF-8
    const char* name;
    TPunctuation from;
};
constexpr TNamedCharacter kNames[] = {
    {"#", "křížek", TPunctuation::Some},
    {"$", "dolar", TPunctuation::Some},
    {"*", "hvězdička", TPunctuation::Some},
    {"=", "rovná se", TPunctuation::Some},
    {"<", "menší než", TPunctuation::Some},
    {">", "větší než", TPunctuation::Some},
    {"\\", "zpětné lomítko", TPunctuation::Some},
    {"^", "stříška", TPunctuation::Some},
    {"_", "podtržítko", TPunctuation::Some},
    {"|", "svislá čára", TPunctuation::Some},
    {"~", "vlnovka", TPunctuation::Some},
    {"[", "levá hranatá závorka", TPunctuation::Some},
    {"]", "pravá hranatá závorka", TPunctuation::Some},
    {"{", "levá složená závorka", TPunctuation::Some},
    {"}", "pravá složená závorka", TPunctuation::Some},
    {"§", "paragraf", TPunctuation::Some},
    {"€", "euro", TPunctuation::Some},
    {"(", "levá závorka", TPunctuation::Most},
    {")", "pravá závorka", TPunctuation::Most},
    {"\"", "uvozovky", TPunctuation::Most},
    {"„", "uvozovky", TPunctuation::Most},
    {"“", "uvozovky", TPunctuation::Most},
    {"'", "apostrof", TPunctuation::Most},
    {"-", "pomlčka", TPunctuation::Most},
    {"–", "pomlčka", TPunctuation::Most},
    {"…", "tři tečky", TPunctuation::Most},
    {".", "tečka", TPunctuation::All},
    {",", "čárka", TPunctuation::All},
    {"?", "otazník", TPunctuation::All},
    {"!", "vykřičník", TPunctuation::All},
    {";", "středník", TPunctuation::All},
    {":", "dvojtečka", TPunctuation::All},
};

constexpr const char* kCapital = "velké";

const TNamedCharacter* NameOf(std::string_view character) {
    for (const TNamedCharacter& n : kNames) {
        if (character == n.character) {
            return &n;
        }
    }
    return nullptr;
}

// The sentence marks keep their pause when their name is said.
bool IsSentenceMark(std::string_view character) {
    return character.size() == 1 && std::strchr(".,?!;:", character[0]) != nullptr;
}

// Length of the UTF-8 sequence that starts with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF7) {
        return 4;
    }
    if (lead >= 0xE0) {
        return lead <= 0xEF ? 3 : 1;
    }
    if (lead >= 0xC0) {
        return 2;
    }
    return 1;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x110000) {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Decodes the character references of XML text: the five named ones and numeric ones. Anything
// else that starts with "&" stays as written.
std::string DecodeReferences(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '&') {
            out += text[i];
            continue;
        }
        const std::size_t end = text.find(';', i);
        if (end == std::string_view::npos || end - i > 10) {
            out += '&';
            continue;
        }
        const std::string_view name = text.substr(i + 1, end - i - 1);
        static constexpr std::array<std::pair<std::string_view, char>, 5> kNamed = {{
            {"lt", '<'},
            {"gt", '>'},
            {"amp", '&'},
            {"quot", '"'},
            {"apos", '\''},
        }};
        bool known = false;
        for (const auto& [entity, character] : kNamed) {
            if (name == entity) {
                out += character;
                known = true;
            }
        }
        if (!known && name.size() > 1 && name[0] == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const std::string_view digits = name.substr(hex ? 2 : 1);
            std::uint32_t code = 0;
            bool valid = !digits.empty();
            for (const char c : digits) {
                const int d = c >= '0' && c <= '9'          ? c - '0'
                              : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                            : -1;
                if (d < 0 || code > 0x10FFFF) {
                    valid = false;
                    break;
                }
                code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(d);
            }
            if (valid && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                AppendUtf8(out, code);
                known = true;
            }
        }
        if (!known) {
            out += '&';
            continue;
        }
        i = end;
    }
    return out;
}

// The value of attribute `name` in the body of a tag (between "<" and ">"), references decoded.
std::string Attribute(std::string_view tag, std::string_view name) {
    std::size_t at = 0;
    while ((at = tag.find(name, at)) != std::string_view::npos) {
        const bool startsWord = at > 0 && (tag[at - 1] == ' ' || tag[at - 1] == '\t' ||
                                           tag[at - 1] == '\n' || tag[at - 1] == '\r');
        std::size_t p = at + name.size();
        at = p;
        if (!startsWord) {
            continue;
        }
        while (p < tag.size() && tag[p] == ' ') {
            ++p;
        }
        if (p >= tag.size() || tag[p] != '=') {
            continue;
        }
        ++p;
        while (p < tag.size() && tag[p] == ' ') {
            ++p;
        }
        if (p >= tag.size() || (tag[p] != '"' && tag[p] != '\'')) {
            continue;
        }
        const std::size_t close = tag.find(tag[p], p + 1);
        if (close == std::string_view::npos) {
            return {};
        }
        return DecodeReferences(tag.substr(p + 1, close - p - 1));
    }
    return {};
}

// The element name of a tag body ("mark" of "mark name='x'/", "speak" of "/speak").
std::string_view ElementName(std::string_view tag) {
    std::size_t start = tag.empty() || tag[0] != '/' ? 0 : 1;
    std::size_t end = start;
    while (end < tag.size() && tag[end] != ' ' && tag[end] != '/' && tag[end] != '\t' &&
           tag[end] != '\n' && tag[end] != '\r') {
        ++end;
    }
    return tag.substr(start, end - start);
}

// Elements that stand between words; other tags join the text on both sides.
bool SeparatesWords(std::string_view element) {
    for (const char* name :
         {"speak", "p", "s", "break", "voice", "audio", "paragraph", "sentence"}) {
        if (element == name) {
            return true;
        }
    }
    return false;
}

// Builds the engine text character by character, collapsing spaces and placing the bookmark
// tags at word starts.
class TBuilder {
  public:
    explicit TBuilder(const TTextOptions& options) : options_(options) {}

    void Mark(std::string name) {
        result_.marks.push_back(std::move(name));
        pending_.push_back(static_cast<int>(result_.marks.size()));
    }

    void Space() { spaceDue_ = true; }

    // User text, UTF-8.
    void Text(std::string_view text) {
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t n =
                std::min(SequenceLength(static_cast<unsigned char>(text[i])), text.size() - i);
            Character(text.substr(i, n));
            i += n;
        }
    }

    // A word of the module's own.
    void Word(std::string_view word) {
        Space();
        for (const char c : word) {
            if (c == ' ') {
                Space();
            } else {
                Glyph(std::string_view(&c, 1));
            }
        }
        Space();
    }

    TEngineText Finish() {
        if (!pending_.empty()) {
            if (!result_.text.empty()) {
                result_.text += ' ';
            }
            PlaceMarks();
        }
        return std::move(result_);
    }

  private:
    void Character(std::string_view c) {
        const unsigned char first = static_cast<unsigned char>(c[0]);
        if (first <= ' ' || c == "\xC2\xA0") {  // controls, spaces and the no-break space
            Space();
            return;
        }
        const TNamedCharacter* named = NameOf(c);
        if (named && options_.punctuation != TPunctuation::None &&
            static_cast<int>(named->from) <= static_cast<int>(options_.punctuation)) {
            Word(named->name);
            if (IsSentenceMark(c)) {
                spaceDue_ = false;
                Glyph(c);
                Space();
            }
            return;
        }
        // Plain text: nothing the user reads opens a tag of ours.
        if (c == "\\" || c == "{") {
            Space();
            return;
        }
        const std::string single = Utf8ToCp1250(c);
        if (single == "?" && c != "?") {  // not in code page 1250
            Space();
            return;
        }
        if (!options_.spelling) {
            Glyph(c);
            return;
        }
        if (options_.capitals != TCapitals::None && LowerChar(single[0]) != single[0]) {
            Word(kCapital);
        }
        Space();
        Glyph(c);
        Space();
    }

    void Glyph(std::string_view c) {
        std::string& out = result_.text;
        if (spaceDue_ && !out.empty()) {
            out += ' ';
        }
        spaceDue_ = false;
        if (!pending_.empty() && (out.empty() || out.back() == ' ')) {
            PlaceMarks();
        }
        out += c;
    }

    void PlaceMarks() {
        for (const int n : pending_) {
            result_.text += "\\mrk=" + std::to_string(n) + "\\";
        }
        pending_.clear();
    }

    TTextOptions options_;
    TEngineText result_;
    std::vector<int> pending_;
    bool spaceDue_ = false;
};

}  // namespace

TEngineText FromSsml(std::string_view ssml, const TTextOptions& options) {
    TBuilder builder(options);
    std::size_t i = 0;
    while (i < ssml.size()) {
        const std::size_t open = ssml.find('<', i);
        const std::size_t textEnd = open == std::string_view::npos ? ssml.size() : open;
        builder.Text(DecodeReferences(ssml.substr(i, textEnd - i)));
        if (open == std::string_view::npos) {
            break;
        }
        if (ssml.substr(open, 4) == "<!--") {
            const std::size_t close = ssml.find("-->", open + 4);
            i = close == std::string_view::npos ? ssml.size() : close + 3;
            continue;
        }
        const std::size_t close = ssml.find('>', open + 1);
        if (close == std::string_view::npos) {  // not a tag after all
            builder.Text("<");
            i = open + 1;
            continue;
        }
        const std::string_view tag = ssml.substr(open + 1, close - open - 1);
        const std::string_view element = ElementName(tag);
        if (element == "mark") {
            builder.Mark(Attribute(tag, "name"));
        } else if (SeparatesWords(element)) {
            builder.Space();
        }
        i = close + 1;
    }
    return builder.Finish();
}

TEngineText FromChar(std::string_view character, const TTextOptions& options) {
    TBuilder builder(options);
    if (character == "space" || character == " ") {
        builder.Word("mezera");
        return builder.Finish();
    }
    if (const TNamedCharacter* named = NameOf(character)) {
        builder.Word(named->name);
        return builder.Finish();
    }
    const std::string single = Utf8ToCp1250(character);
    const bool capital = single.size() == 1 && LowerChar(single[0]) != single[0];
    if (capital && options.capitals == TCapitals::Spell) {
        builder.Word(kCapital);
    }
    builder.Text(character);
    TEngineText result = builder.Finish();
    result.capitalIcon = capital && options.capitals == TCapitals::Icon;
    return result;
}

namespace {

// Czech words for the key names whose English would mislead; the engine's own dictionary says
// the others ("enter", "shift", "delete", "f1" ...).
const char* CzechKeyName(std::string_view name) {
    static constexpr std::pair<std::string_view, const char*> kKeys[] = {
        {"space", "mezera"},     {"underscore", "podtržítko"}, {"double-quote", "uvozovky"},
        {"tab", "tabulátor"},    {"up", "šipka nahoru"},       {"down", "šipka dolů"},
        {"left", "šipka vlevo"}, {"right", "šipka vpravo"},    {"prior", "page up"},
        {"next", "page down"},   {"kp", "numerická"},          {"return", "enter"},
    };
    for (const auto& [key, czech] : kKeys) {
        if (name == key) {
            return czech;
        }
    }
    return nullptr;
}

// Splits at `separator`, calling `part` for every piece (empty ones included).
template <typename F>
void Split(std::string_view text, char separator, F part) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        part(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            return;
        }
        start = end + 1;
    }
}

}  // namespace

TEngineText FromKey(std::string_view key, const TTextOptions& options) {
    // A key of one character is that character; a combination ("shift_a") or a name of several
    // words ("kp-enter") is said word by word.
    if (!key.empty() && SequenceLength(static_cast<unsigned char>(key[0])) >= key.size()) {
        return FromChar(key, options);
    }
    TBuilder builder(TTextOptions{});
    Split(key, '_', [&](std::string_view part) {
        if (const char* czech = CzechKeyName(part)) {
            builder.Word(czech);
            return;
        }
        Split(part, '-', [&](std::string_view word) {
            if (const char* czech = CzechKeyName(word)) {
                builder.Word(czech);
            } else {
                builder.Space();
                builder.Text(word);
                builder.Space();
            }
        });
    });
    return builder.Finish();
}

std::string ShowMarks(const TEngineText& message) {
    std::string out;
    const std::string& t = message.text;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t.compare(i, 5, "\\mrk=") == 0) {
            const std::size_t end = t.find('\\', i + 5);
            if (end != std::string::npos) {
                out += "<mark " + t.substr(i + 5, end - i - 5) + ">";
                i = end;
                continue;
            }
        }
        out += t[i];
    }
    return out;
}

}  // namespace vokadlo::speechd
