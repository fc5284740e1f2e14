// Fuzz target: any bytes as the window's profile file. What the window reads from it (its own
// keys, and a section and key named by the input's first two lines) reads the same after the
// file is saved and read again, and a value it writes (the input's third line) reads back as
// written, also after the next save.
#include <unistd.h>

#include <QString>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/ProfileFile.h"
#include "fuzz/TempFolder.h"

namespace {

using namespace vokadlo;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const TTempFolder temp("profile");
    const std::filesystem::path path = temp.path / "vokadlo.ini";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // The first three lines of the input name a section, a key and a value.
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    QString parts[3];
    std::size_t at = 0;
    for (QString& part : parts) {
        const std::size_t end = std::min(bytes.find('\n', at), bytes.size());
        part = QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(end - at));
        at = std::min(end + 1, bytes.size());
    }
    const QString keys[][2] = {
        {"TFormSayText", "Memo1"}, {"TFormSayText", "RychlostHlasu"}, {parts[0], parts[1]}};
    std::optional<QString> before[3];
    std::string error;
    {
        TProfileFile profile(path);
        for (int i = 0; i < 3; ++i) {
            before[i] = profile.Read(keys[i][0], keys[i][1]);
        }
        if (!profile.Save(error)) {
            return 0;
        }
    }
    {
        TProfileFile again(path);
        for (int i = 0; i < 3; ++i) {
            if (again.Read(keys[i][0], keys[i][1]) != before[i]) {
                __builtin_trap();
            }
        }
        // A value as the window writes one: no blanks at its ends (list lines aside), no NUL.
        const QString value = QString(parts[2]).replace(u'\r', u' ').replace(u'\n', u' ');
        if (value != value.trimmed() || value.contains(QChar(0))) {
            return 0;
        }
        again.WriteString(QStringLiteral("TFormSayText"), QStringLiteral("Zpev_Text"), value);
        if (again.Read(QStringLiteral("TFormSayText"), QStringLiteral("Zpev_Text")) != value ||
            !again.Save(error)) {
            __builtin_trap();
        }
    }
    TProfileFile last(path);
    if (last.Read(QStringLiteral("TFormSayText"), QStringLiteral("Zpev_Text")) !=
        QString(parts[2]).replace(u'\r', u' ').replace(u'\n', u' ')) {
        __builtin_trap();
    }
    return 0;
}
