#include "integration/speechd/MessageText.h"

#include <array>
#include <cstring>
#include <optional>

#include "core/CodePage.h"
#include "ssml/Ssml.h"

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

// What the modes read for one character of the user's text (UTF-8): the name of a punctuation
// character, a letter on its own (spelling), "velké" before a capital; nullopt for the character
// as it is.
std::optional<std::string> CharacterWords(std::string_view c, const TTextOptions& options) {
    const TNamedCharacter* named = NameOf(c);
    if (named && options.punctuation != TPunctuation::None &&
        static_cast<int>(named->from) <= static_cast<int>(options.punctuation)) {
        // The sentence marks keep their pause when their name is said.
        return std::string(named->name) + (IsSentenceMark(c) ? std::string(c) : std::string());
    }
    const std::string single = Utf8ToCp1250(c);
    if (!options.spelling || c == "\\" || c == "{" || single.size() != 1 ||
        (single == "?" && c != "?")) {
        return std::nullopt;
    }
    const bool capital = single.size() == 1 && LowerChar(single[0]) != single[0];
    return capital && options.capitals != TCapitals::None
               ? std::string(kCapital) + " " + std::string(c)
               : std::string(c);
}

// Builds the engine text character by character, collapsing spaces and placing the bookmark
// tags at word starts.
class TBuilder {
  public:
    explicit TBuilder(const TTextOptions& options) : options_(options) {}

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

    TEngineText Finish() { return std::move(result_); }

  private:
    void Character(std::string_view c) {
        const unsigned char first = static_cast<unsigned char>(c[0]);
        if (first <= ' ' || c == "\xC2\xA0") {  // controls, spaces and the no-break space
            Space();
            return;
        }
        if (const std::optional<std::string> words = CharacterWords(c, options_)) {
            Word(*words);
            return;
        }
        // Plain text: nothing the user reads opens a tag of ours, and a malformed byte is a blank;
        // the reading reads the rest, also what the code page lacks.
        if (c == "\\" || c == "{" || !IsValidUtf8(c)) {
            Space();
            return;
        }
        Glyph(c);
    }

    void Glyph(std::string_view c) {
        std::string& out = result_.text;
        if (spaceDue_ && !out.empty()) {
            out += ' ';
        }
        spaceDue_ = false;
        out += c;
    }

    TTextOptions options_;
    TEngineText result_;
    bool spaceDue_ = false;
};

}  // namespace

TEngineText FromSsml(std::string_view ssml, const TTextOptions& options, double speedPercent,
                     std::int32_t volume) {
    TSsmlOptions reading;
    reading.speedPercent = speedPercent;
    reading.volume = volume;
    reading.character = [&options](std::string_view c) { return CharacterWords(c, options); };
    TSsmlText read = ReadSsml(ssml, reading);
    TEngineText result;
    result.breaks = read.Breaks();
    for (TSsmlMark& mark : read.marks) {
        result.marks.push_back(std::move(mark.name));
    }
    result.text = std::move(read.text);
    result.voice = read.voice;
    result.notice = std::move(read.notice);
    return result;
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
