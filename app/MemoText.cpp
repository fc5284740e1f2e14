#include "app/MemoText.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <utility>

#include "core/CodePage.h"
#include "core/Cp1250Table.h"
#include "engine/DictionaryRows.h"

namespace vokadlo {
namespace {

// The rows' text as the design's string lists give it: every row followed by CR LF.
std::string JoinedRows(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row;
        text += "\r\n";
    }
    return text;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype begin = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            continue;
        }
        lines.append(text.mid(begin, i - begin));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            ++i;
        }
        begin = i + 1;
    }
    if (begin < text.size()) {
        lines.append(text.mid(begin));
    }
    return lines;
}

// The code page 1250 byte of every UTF-16 character outside the surrogates; "?" where the code
// page lacks it, as Utf8ToCp1250 gives it.
const std::array<char, 65536>& Cp1250Bytes() {
    static const std::array<char, 65536> table = [] {
        std::array<char, 65536> bytes{};
        bytes.fill('?');
        for (char32_t c = 0; c < 0x80; ++c) {
            bytes[c] = static_cast<char>(c);
        }
        // From the last byte down, so that the first byte of a character wins, as in the
        // encoder.
        for (std::size_t i = cp1250::kHighHalf.size(); i-- > 0;) {
            bytes[cp1250::kHighHalf[i]] = static_cast<char>(0x80 + i);
        }
        return bytes;
    }();
    return table;
}

// True when the memo text holds at least `count` characters of engine text, each line break
// counting as two (CR LF) and a surrogate pair as one.
bool HasEngineCharacters(QStringView text, std::size_t count) {
    std::size_t n = 0;
    for (qsizetype i = 0; i < text.size() && n < count; ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
        }
        n += text[i] == u'\n' ? 2 : 1;
    }
    return n >= count;
}

// The memo's text as a say command hands it over: code page 1250, each line break (CR LF in
// the engine's text) as two spaces, in one pass.
std::string SpokenText(QStringView part) {
    const std::array<char, 65536>& bytes = Cp1250Bytes();
    std::string text(static_cast<std::size_t>(part.size()) +
                         static_cast<std::size_t>(std::count(part.begin(), part.end(), u'\n')),
                     ' ');
    std::size_t at = 0;
    for (qsizetype i = 0; i < part.size(); ++i) {
        const QChar c = part[i];
        if (c == u'\n') {
            at += 2;  // the two spaces already in place
        } else if (c.isSurrogate()) {
            // A character beyond the code page's reach (or half of one): one "?".
            if (c.isHighSurrogate() && i + 1 < part.size() && part[i + 1].isLowSurrogate()) {
                ++i;
            }
            text[at++] = '?';
        } else {
            text[at++] = bytes[c.unicode()];
        }
    }
    text.resize(at);
    return text;
}

}  // namespace

QStringList MemoLines(const QString& plainText) {
    if (plainText.isEmpty()) {
        return {};
    }
    QStringList lines = plainText.split(u'\n');
    if (lines.size() > 1 && lines.back().isEmpty()) {
        lines.removeLast();
    }
    return lines;
}

std::vector<std::string> EngineRows(const QStringList& lines) {
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        rows.push_back(Utf8ToCp1250(line.toUtf8().toStdString()));
    }
    return rows;
}

TSayChoice ChooseSayText(const QString& plainText, int start, int end, bool wordCommand) {
    TSayChoice choice;
    const QStringView memo(plainText);
    start = std::clamp(start, 0, static_cast<int>(memo.size()));
    end = std::clamp(end, start, static_cast<int>(memo.size()));
    if (!HasEngineCharacters(memo.mid(start), 3)) {
        start = end = 0;
        choice.fromTop = true;
    }
    QStringView part = end > start ? memo.mid(start, end - start) : memo.mid(start);
    if (wordCommand) {
        // Only the first word is said: the part up to the blank that ends it is enough.
        qsizetype at = 0;
        while (at < part.size() && (part[at] == u' ' || part[at] == u'\n')) {
            ++at;
        }
        while (at < part.size() && part[at] != u' ' && part[at] != u'\n') {
            ++at;
        }
        part = part.left(at + 1);
    }
    // Only the part said is converted, once.
    choice.text = SpokenText(part);
    std::string& text = choice.text;
    if (wordCommand) {
        text.erase(0, text.find_first_not_of(' '));
        if (const std::size_t space = text.find(' '); space != std::string::npos) {
            text.resize(space + 1);
        }
    }
    return choice;
}

bool HandOverDictionary(const std::vector<std::string>& memoRows,
                        std::vector<std::string>& dictionary) {
    std::vector<std::string> rows = WithLowerCasedKeys(memoRows);
    if (JoinedRows(rows) == JoinedRows(dictionary)) {
        return false;
    }
    dictionary = std::move(rows);
    return true;
}

std::optional<QStringList> ReadTextFileLines(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = file.errorString();
        return std::nullopt;
    }
    std::string text = bytes.toStdString();
    if (IsValidUtf8(text)) {
        if (text.starts_with("\xEF\xBB\xBF")) {
            text.erase(0, 3);
        }
    } else {
        text = Cp1250ToUtf8(text);
    }
    return SplitLines(QString::fromStdString(text));
}

}  // namespace vokadlo
