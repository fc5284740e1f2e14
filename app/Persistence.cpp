#include "app/Persistence.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cstddef>
#include <exception>
#include <optional>
#include <type_traits>
#include <variant>

#include "app/ProfileFile.h"
#include "platform/ConfigFile.h"

namespace vokadlo {
namespace {

// An erased section's "Count" may be damaged; lines beyond the stored ones read as empty, but
// never more than this many.
constexpr int kMaxMissingLines = 65536;

// What a stored line costs beside its text ("Item12345=", quotes, line end), and a generous
// allowance for everything but the lists.
constexpr std::size_t kLineOverhead = 16;
constexpr std::size_t kOtherBytes = 16 * 1024;

// Decimal, optional sign; anything else (or a number beyond 32 bits) is 0.
int IntegerValue(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

// Without the characters below code 33 at both ends.
QString TrimmedText(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].unicode() < 33) {
        ++begin;
    }
    while (end > begin && text[end - 1].unicode() < 33) {
        --end;
    }
    return text.mid(begin, end - begin);
}

QString BooleanText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// Up to four comma-separated integers; a missing or unreadable one keeps its fallback.
std::array<int, 4> Quad(const QString& text, std::array<int, 4> fallback) {
    const QStringList parts = text.split(u',');
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        bool ok = false;
        const int value = parts[i].trimmed().toInt(&ok, 10);
        if (ok) {
            fallback[static_cast<std::size_t>(i)] = value;
        }
    }
    return fallback;
}

int ScreenPixelsPerInch(const QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen ? qRound(screen->logicalDotsPerInch()) : 96;
}

// The show state as the classic placement records it: 1 normal, 2 minimised, 3 maximised.
int ShowCommand(const QWidget& window) {
    if (window.isMinimized()) {
        return 2;
    }
    return window.isMaximized() ? 3 : 1;
}

bool OnSomeScreen(const QRect& rect) {
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        return screen->availableGeometry().intersects(rect);
    });
}

}  // namespace

TFormStorage::TFormStorage(QWidget& window, QString section)
    : window_(window), section_(std::move(section)) {}

void TFormStorage::Add(const QString& name, TProperty property) {
    properties_.emplace_back(name, std::move(property));
}

QString TFormStorage::ListSection(const QString& name) const {
    return section_ + u'.' + QString(name).replace(u'.', u'_');
}

void TFormStorage::Restore(const std::function<void(const QString&)>& onError) {
    if (!active_) {
        return;
    }
    const TProfileFile file(iniFile_);
    const auto report = [&](const QString& message) {
        if (onError) {
            onError(message);
        }
    };
    if (!file.Problem().empty() && FirstTimeToSay(file.Problem())) {
        // Read as empty: the window keeps its design values.
        report(QString::fromStdString(file.Problem()));
    }

    if (IntegerValue(file.ReadString(section_, QStringLiteral("FormVersion"), "0")) < 0) {
        restored_ = true;
        saved_ = false;
        return;
    }

    // Placement: the position only when it was recorded on a screen of the same density.
    try {
        const std::optional<QString> minMax = file.Read(section_, QStringLiteral("MinMaxPos"));
        const std::optional<QString> normal = file.Read(section_, QStringLiteral("NormPos"));
        const int pixelsPerInch = ScreenPixelsPerInch(window_);
        const int storedPixels = IntegerValue(file.ReadString(
            section_, QStringLiteral("PixelsPerInch"), QString::number(pixelsPerInch)));
        if ((minMax || normal) && storedPixels == pixelsPerInch) {
            const QRect current = window_.geometry();
            const auto [left, top, right, bottom] =
                Quad(normal.value_or(QString()),
                     {current.left(), current.top(), current.left() + current.width(),
                      current.top() + current.height()});
            QRect stored(left, top, right - left, bottom - top);
            if (stored.isValid() && OnSomeScreen(stored)) {
                // Never below the size that shows every control.
                stored.setSize(stored.size().expandedTo(window_.minimumSizeHint()));
                window_.setGeometry(stored);
            }
        }
        const int showCmd = IntegerValue(file.ReadString(section_, QStringLiteral("ShowCmd"), "0"));
        if (showCmd == 3) {
            window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
        } else if (showCmd == 2 || showCmd == 6 || showCmd == 7) {
            // Shown normal first, then minimised.
            QTimer::singleShot(0, &window_, [window = &window_] { window->showMinimized(); });
        }
    } catch (const std::exception& e) {
        report(QString::fromUtf8(e.what()));
    }

    for (auto& [name, property] : properties_) {
        try {
            const QString key = QString(name).replace(u'.', u'_');
            const QString listSection = ListSection(name);  // a lambda cannot capture `name`
            std::visit(
                [&](auto& access) {
                    using T = std::decay_t<decltype(access)>;
                    if constexpr (std::is_same_v<T, TInteger>) {
                        const std::optional<QString> text = file.Read(section_, key);
                        if (text) {
                            access.set(IntegerValue(*text));
                        }
                    } else if constexpr (std::is_same_v<T, TBoolean>) {
                        const QString text =
                            file.ReadString(section_, key, BooleanText(access.get()));
                        if (text.compare(u"True", Qt::CaseInsensitive) == 0) {
                            access.set(true);
                        } else if (text.compare(u"False", Qt::CaseInsensitive) == 0) {
                            access.set(false);
                        }
                    } else if constexpr (std::is_same_v<T, TString>) {
                        access.set(file.ReadString(section_, key, access.get()));
                    } else if constexpr (std::is_same_v<T, TLines>) {
                        const QString& section = listSection;
                        const int count =
                            IntegerValue(file.ReadString(section, QStringLiteral("Count"), "0"));
                        if (count > 0) {
                            QStringList lines;
                            for (int i = 0; i < count; ++i) {
                                const std::optional<QString> line =
                                    file.Read(section, QStringLiteral("Item%1").arg(i));
                                if (!line && i >= kMaxMissingLines) {
                                    break;
                                }
                                lines.append(line.value_or(QString()));
                            }
                            access.set(lines);
                        }
                    } else {
                        const QString text =
                            TrimmedText(file.ReadString(section_, key, access.get()));
                        if (text.isEmpty()) {
                            return;
                        }
                        if (text.compare(u"(null)", Qt::CaseInsensitive) == 0) {
                            access.set(QString());
                            return;
                        }
                        const qsizetype dot = text.indexOf(u'.');
                        if (dot < 0) {
                            access.set(text);
                        } else if (text.left(dot).compare(window_.objectName(),
                                                          Qt::CaseInsensitive) == 0) {
                            access.set(text.mid(dot + 1));
                        }
                    }
                },
                property);
        } catch (const std::exception& e) {
            report(QString::fromUtf8(e.what()));
        }
    }
    restored_ = true;
    saved_ = false;
}

bool TFormStorage::Save(bool destroying, std::string& error, std::string* note) {
    if (!active_ || !restored_) {
        return true;
    }
    TProfileFile file(iniFile_);
    if (!file.Problem().empty()) {
        // A file that could not be read is left as it is: replacing it would lose what it holds.
        if (FirstTimeToSay(file.Problem())) {
            error = file.Problem() + "; not replaced";
            return false;
        }
        return true;
    }
    const auto write = [&](const char* key, const QString& value) {
        file.WriteString(section_, QString::fromLatin1(key), value);
    };
    write("FormVersion", QStringLiteral("0"));

    QRect normal =
        window_.normalGeometry().isValid() ? window_.normalGeometry() : window_.geometry();
    normal.setSize(normal.size().expandedTo(window_.minimumSizeHint()));
    write("Flags", QStringLiteral("0"));
    write("ShowCmd", QString::number(ShowCommand(window_)));
    write("PixelsPerInch", QString::number(ScreenPixelsPerInch(window_)));
    write("MinMaxPos", QStringLiteral("-1,-1,-1,-1"));
    write("NormPos", QStringLiteral("%1,%2,%3,%4")
                         .arg(normal.left())
                         .arg(normal.top())
                         .arg(normal.left() + normal.width())
                         .arg(normal.top() + normal.height()));
    write("Visible", destroying ? QStringLiteral("1") : QStringLiteral("0"));

    // Lists long enough to take the file past the limit its readers keep to are not stored (the
    // rest is): judged before they are written, since taking them out again costs the profile
    // a search through all its strings for each line.
    std::size_t listBytes = 0;
    for (const auto& [name, property] : properties_) {
        if (const auto* lines = std::get_if<TLines>(&property)) {
            for (const QString& line : lines->get()) {
                listBytes += static_cast<std::size_t>(line.toUtf8().size()) + kLineOverhead;
            }
        }
    }
    const bool storeLists = listBytes + kOtherBytes <= kConfigFileLimit;
    if (!storeLists && note) {
        *note = iniFile_.string() + ": the lists of lines would make it larger than 1 MiB; " +
                "they are not stored";
    }

    for (const auto& [name, property] : properties_) {
        const QString key = QString(name).replace(u'.', u'_');
        const QString listSection = ListSection(name);  // a lambda cannot capture `name`
        std::visit(
            [&](const auto& access) {
                using T = std::decay_t<decltype(access)>;
                if constexpr (std::is_same_v<T, TInteger>) {
                    file.WriteString(section_, key, QString::number(access.get()));
                } else if constexpr (std::is_same_v<T, TBoolean>) {
                    file.WriteString(section_, key, BooleanText(access.get()));
                } else if constexpr (std::is_same_v<T, TString>) {
                    file.WriteString(section_, key, TrimmedText(access.get()));
                } else if constexpr (std::is_same_v<T, TLines>) {
                    const QString& section = listSection;
                    file.EraseSection(section);
                    const QStringList lines = storeLists ? access.get() : QStringList();
                    if (!lines.isEmpty()) {
                        file.WriteString(section, QStringLiteral("Count"),
                                         QString::number(lines.size()));
                        for (qsizetype i = 0; i < lines.size(); ++i) {
                            file.WriteString(section, QStringLiteral("Item%1").arg(i), lines[i]);
                        }
                    }
                } else {
                    const QString page = access.get();
                    file.WriteString(section_, key,
                                     page.isEmpty() ? QStringLiteral("(null)") : page);
                }
            },
            property);
    }
    if (!file.Save(error)) {
        return false;
    }
    saved_ = true;
    return true;
}

}  // namespace vokadlo
