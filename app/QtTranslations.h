// Qt's own texts (the buttons of message boxes, the open-file dialog) in the user's language.
#pragma once

#include <QLocale>

#include <memory>

class QTranslator;

namespace vokadlo {

// Installs Qt's translation for `locale`'s languages (Debian: qt6-translations-l10n), or for
// Czech, the window's own language, when the locale names no language (C or POSIX). The
// translation stays installed while the returned object lives; nothing when none was found.
std::unique_ptr<QTranslator> InstallQtTranslation(const QLocale& locale = QLocale::system());

}  // namespace vokadlo
