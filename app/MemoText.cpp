#include "app/MemoText.h"

#include <QFile>

#include <utility>

#include "core/CodePage.h"
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

std::string EngineText(const QString& plainText) {
    std::string text = Utf8ToCp1250(plainText.toUtf8().toStdString());
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        if (c == '\n') {
            crlf += '\r';
        }
        crlf += c;
    }
    return crlf;
}

std::size_t EngineOffset(const QString& plainText, int position) {
    return EngineText(plainText.left(position)).size();
}

std::vector<std::string> EngineRows(const QStringList& lines) {
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(lines.size()));
    for (const QString& line : lines) {
        rows.push_back(Utf8ToCp1250(line.toUtf8().toStdString()));
    }
    return rows;
}

TSayChoice ChooseSayText(const std::string& memo, std::size_t start, std::size_t end,
                         bool wordCommand) {
    TSayChoice choice;
    if (memo.size() < start + 3) {
        start = end = 0;
        choice.fromTop = true;
    }
    choice.text = end > start ? memo.substr(start, end - start) : memo.substr(start);

    std::string& text = choice.text;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at)) {
        text.replace(at, 2, "  ");
    }
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
