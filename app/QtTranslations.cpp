#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vokadlo {

std::unique_ptr<QTranslator> InstallQtTranslation(const QLocale& locale) {
    const QLocale language =
        locale.language() == QLocale::C ? QLocale(QLocale::Czech, QLocale::Czechia) : locale;
    auto translator = std::make_unique<QTranslator>();
    // "qt_*.qm" gathers the catalogues of Qt's modules.
    if (!translator->load(language, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get())) {
        return nullptr;
    }
    return translator;
}

}  // namespace vokadlo
