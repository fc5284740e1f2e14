// A profile (INI) file in the classic format: "[Section]" lines and "key=value" lines, read and
// written value by value. Sections and keys compare without regard to ASCII case; keys keep the
// order in which they were first written; an erased section written again goes to the end.
#pragma once

#include <QString>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace vokadlo {

class TProfileFile {
  public:
    // Reads the file; a missing or unreadable one reads as empty. Only a regular file of at
    // most 1 MiB is read (a FIFO or device in its place is never opened). Read as UTF-8 when it
    // is valid UTF-8, as code page 1250 otherwise; lines may end with CR LF or LF.
    explicit TProfileFile(std::filesystem::path path);
    ~TProfileFile();
    TProfileFile(const TProfileFile&) = delete;
    TProfileFile& operator=(const TProfileFile&) = delete;

    // The value as the classic reader gives it: without the blanks around it and without one
    // pair of enclosing quotes ("..." or '...'); nothing when the key is absent.
    std::optional<QString> Read(const QString& section, const QString& key) const;
    QString ReadString(const QString& section, const QString& key, const QString& fallback) const {
        return Read(section, key).value_or(fallback);
    }

    // Stores a value so that Read gives it back: a value that begins or ends with a blank, or
    // is enclosed in a pair of quotes, is written inside double quotes; line breaks, which the
    // format cannot hold, become spaces.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void EraseSection(const QString& section);

    // Writes the whole file in UTF-8 with LF line ends, atomically, through a symbolic link to
    // its target; never more than the 1 MiB a reader accepts. False, with `error` set, when it
    // could not be written; the old file is then unchanged.
    bool Save(std::string& error) const;

    const std::filesystem::path& Path() const { return path_; }
    // Why an existing file was not read, naming it; empty when it was read or is missing.
    const std::string& Problem() const { return problem_; }

  private:
    struct TImpl;
    std::filesystem::path path_;
    std::string problem_;
    std::unique_ptr<TImpl> impl_;
};

}  // namespace vokadlo
