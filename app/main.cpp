// vokadlo: the demonstration window of the Czech voice.
#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTranslator>

#include <cstdio>
#include <exception>
#include <memory>

#include "app/FormSayText.h"
#include "app/QtTranslations.h"
#include "platform/ConfigDir.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vokadlo"));
    QApplication::setApplicationVersion(QStringLiteral(VOKADLO_VERSION));
    const std::unique_ptr<QTranslator> qtTexts = vokadlo::InstallQtTranslation();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vokadlo, a Czech voice: the demonstration window."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption configDir(
        QStringLiteral("config-dir"),
        QStringLiteral("Folder of vokadlo.ini, the user dictionary and the stored settings."),
        QStringLiteral("DIR"));
    const QCommandLineOption developer(QStringLiteral("developer"),
                                       QStringLiteral("Show the hidden developer controls."));
    parser.addOption(configDir);
    parser.addOption(developer);
    parser.process(application);

    try {
        if (parser.isSet(configDir)) {
            vokadlo::SetConfigDirOverride(parser.value(configDir).toStdString());
        }
        vokadlo::TFormOptions options;
        options.developer = parser.isSet(developer);
        vokadlo::TFormSayText window(options);
        window.show();
        return QApplication::exec();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vokadlo: %s\n", e.what());
        QMessageBox::critical(nullptr, QStringLiteral("vokadlo"), QString::fromUtf8(e.what()));
        return 1;
    }
}
