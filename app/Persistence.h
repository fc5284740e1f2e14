// The window's memory from one run to the next: its placement and a list of control properties
// in a profile file, restored when the window is first shown and saved when it closes.
//
// Encodings: integers in decimal; booleans as "True"/"False" (read in any case, anything else
// leaves the property); texts trimmed; a page by its name ("(null)" for none); a list of lines
// in a section of its own with "Count" and "Item0", "Item1", ...
#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>
#include <functional>
#include <string>
#include <variant>
#include <vector>

class QWidget;

namespace vokadlo {

class TFormStorage {
  public:
    template <typename T>
    struct TAccess {
        std::function<T()> get;
        std::function<void(const T&)> set;  // like a user's change: runs the control's handler
    };
    struct TInteger : TAccess<int> {};
    struct TBoolean : TAccess<bool> {};
    struct TString : TAccess<QString> {};
    struct TLines : TAccess<QStringList> {};
    struct TPage : TAccess<QString> {};  // set: a page's name, or empty for none
    using TProperty = std::variant<TInteger, TBoolean, TString, TLines, TPage>;

    // `section` is the window's class name; `window` gives the placement.
    TFormStorage(QWidget& window, QString section);

    void SetIniFileName(std::filesystem::path file) { iniFile_ = std::move(file); }
    const std::filesystem::path& IniFileName() const { return iniFile_; }
    void SetActive(bool active) { active_ = active; }
    bool Active() const { return active_; }
    bool Restored() const { return restored_; }
    bool SavedSinceRestore() const { return saved_; }

    // A stored property, `name` as control "." property: the key is "control_property".
    void Add(const QString& name, TProperty property);

    // Restores the placement, then every property in the order added; a missing key changes
    // nothing. Errors are handed to `onError` and do not stop the restore of the rest; so is,
    // once, the reason a file that exists could not be read (the window keeps its values).
    void Restore(const std::function<void(const QString&)>& onError);
    // Writes the version, the placement, "Visible" (1 while the window is being destroyed) and
    // every property. False, with `error` set, when the file could not be written. A file that
    // exists but could not be read (not a regular file, larger than 1 MiB, unreadable) is left
    // as it is. Lists of lines that would take the file past 1 MiB are left out, and `note`
    // says so.
    bool Save(bool destroying, std::string& error, std::string* note = nullptr);

  private:
    QString ListSection(const QString& name) const;

    QWidget& window_;
    QString section_;
    std::filesystem::path iniFile_;
    std::vector<std::pair<QString, TProperty>> properties_;
    bool active_ = false;
    bool restored_ = false;
    bool saved_ = false;
};

}  // namespace vokadlo
