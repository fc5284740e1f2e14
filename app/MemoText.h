// Where the memo's text crosses the window's edge: the memo holds Unicode lines, the engine
// reads code page 1250 with CR LF line breaks, and the say commands count offsets in that text.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace vokadlo {

// The lines of a memo's plain text: a line break at the very end starts no further line, and an
// empty text has no lines.
QStringList MemoLines(const QString& plainText);

// The memo's lines for the engine, one code page 1250 row each.
std::vector<std::string> EngineRows(const QStringList& lines);

// What a say command speaks from the memo's text, given its selection from `start` to `end`
// (UTF-16 positions): the selection, or everything from the caret on; from the top when fewer
// than three characters of engine text (a line break counting as CR LF) are left after the
// caret. Line breaks become two spaces; the word command keeps the first word with the space
// that ends it. Only the part said is converted.
struct TSayChoice {
    std::string text;
    bool fromTop = false;  // the memo's selection is to be set to its beginning
};
TSayChoice ChooseSayText(const QString& plainText, int start, int end, bool wordCommand);

// Replaces the engine's user dictionary by the memo's rows, their keys lower-cased, when their
// texts differ; returns whether it did.
bool HandOverDictionary(const std::vector<std::string>& memoRows,
                        std::vector<std::string>& dictionary);

// The lines of a text file: UTF-8 when the file is valid UTF-8 (a byte order mark is dropped),
// code page 1250 otherwise; lines end with CR LF, LF or CR. Nothing, with `error` set, when
// the file cannot be read.
std::optional<QStringList> ReadTextFileLines(const QString& path, QString& error);

}  // namespace vokadlo
