#include "app/ProfileFile.h"

#include <SimpleIni.h>

#include <utility>

#include "core/CodePage.h"
#include "platform/AtomicFile.h"
#include "platform/ConfigFile.h"

namespace vokadlo {

struct TProfileFile::TImpl {
    // Held in UTF-8 whatever the file's encoding was.
    CSimpleIniA ini{false, false, false};
};

TProfileFile::TProfileFile(std::filesystem::path path)
    : path_(std::move(path)), impl_(std::make_unique<TImpl>()) {
    impl_->ini.SetSpaces(false);
    impl_->ini.SetQuotes(false);
    TConfigFileRead read = ReadConfigFile(path_);
    problem_ = std::move(read.problem);
    if (std::optional<std::string>& bytes = read.bytes) {
        if (!IsValidUtf8(*bytes)) {
            *bytes = Cp1250ToUtf8(*bytes);
        }
        // A damaged file loads what can be read of it.
        impl_->ini.LoadData(bytes->data(), bytes->size());
    }
}

TProfileFile::~TProfileFile() = default;

std::optional<QString> TProfileFile::Read(const QString& section, const QString& key) const {
    const char* value =
        impl_->ini.GetValue(section.toUtf8().constData(), key.toUtf8().constData(), nullptr);
    if (!value) {
        return std::nullopt;
    }
    QString text = QString::fromUtf8(value).trimmed();
    if (text.size() >= 2 && text.front() == text.back() &&
        (text.front() == u'"' || text.front() == u'\'')) {
        text = text.mid(1, text.size() - 2);
    }
    return text;
}

void TProfileFile::WriteString(const QString& section, const QString& key, const QString& value) {
    QString stored = value;
    stored.replace(u'\r', u' ').replace(u'\n', u' ');
    // Quoted whenever Read would otherwise change it: blanks at an end would be trimmed, and a
    // pair of enclosing quotes would be dropped.
    if (stored.trimmed() != stored || (stored.size() >= 2 && stored.front() == stored.back() &&
                                       (stored.front() == u'"' || stored.front() == u'\''))) {
        stored = u'"' + stored + u'"';
    }
    impl_->ini.SetValue(section.toUtf8().constData(), key.toUtf8().constData(),
                        stored.toUtf8().constData());
}

void TProfileFile::EraseSection(const QString& section) {
    impl_->ini.Delete(section.toUtf8().constData(), nullptr);
}

bool TProfileFile::Save(std::string& error) const {
    std::string contents;
    if (impl_->ini.Save(contents) < 0) {
        error = "the profile could not be composed";
        return false;
    }
    if (contents.size() > kConfigFileLimit) {
        error = path_.string() + ": would be larger than 1 MiB; not written";
        return false;
    }
    return WriteFileAtomically(path_, contents, error);
}

}  // namespace vokadlo
