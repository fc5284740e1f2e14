// The window's commands: say from the caret or the selection, say the word at the caret, stop,
// repeat, open a text file, exit and about.
#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTextCursor>
#include <QTimer>

#include <string_view>
#include <utility>

#include "app/FormSayText.h"
#include "app/MemoText.h"
#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "engine/OrvTts.h"

namespace vokadlo {
namespace {

// The most characters of the last text its label shows.
constexpr std::size_t kLastTextShown = 1000;

}  // namespace

void TFormSayText::ButtonSayMemoSayClick(QObject* sender) {
    if (!EngineReachable()) {
        return;
    }
    // An error of an earlier say is old news once a new one starts.
    statusBar()->clearMessage();
    Settings.IntonationOn = IntonaceCheckBox->isChecked();
    Settings.IntonationLinear = IntonaceLinear->isChecked();
    lastSender_ = sender;
    if (!IsBlank(lastText_)) {
        lastText_.clear();
        Say("");
    }
    TSayText& engine = GetSayText();
    HandOverDictionary(EngineRows(MemoLines(MemoSlovnik->toPlainText())), engine.UserDictionary);
    SetSayParam(static_cast<std::uint8_t>(TSayParam::SamplesFromDisk), ZDisku->isChecked());
    SetSayParam(static_cast<std::uint8_t>(TSayParam::SampleFolder),
                Utf8ToCp1250(Path->text().toUtf8().toStdString()));
    Settings.OutputVolume = Volume->value();

    const QString plain = MemoSay->toPlainText();
    const QTextCursor cursor = MemoSay->textCursor();
    const bool wordCommand = sender && (sender == ButtonSlovo || sender == MenuItemSlovo);
    TSayChoice choice =
        ChooseSayText(plain, cursor.selectionStart(), cursor.selectionEnd(), wordCommand);
    if (choice.fromTop) {
        QTextCursor top = MemoSay->textCursor();
        top.setPosition(0);
        MemoSay->setTextCursor(top);
    }
    // "Číst česky": the reading stage first; otherwise the text goes as it is.
    session_->SetReading(CistCesky->isChecked() ? TReadingMode::Czech : TReadingMode::Design);
    lastText_ = session_->TextForEngine(choice.text);
    SetSayCallback(FormSayTextProgress);
    // A label of one line: the beginning of a long text is all it can show.
    LastText->setText(QString::fromStdString(
        Cp1250ToUtf8(std::string_view(lastText_).substr(0, kLastTextShown))));
    if (Direct->isChecked() && lastText_.size() < 250) {
        SayWord(lastText_);
    } else {
        Say(lastText_);
    }
}

void TFormSayText::ButtonStopClick() {
    if (!EngineReachable()) {
        return;
    }
    lastText_.clear();
    Say("");
}

void TFormSayText::TimerRepeatTimer() {
    TimerRepeat->stop();
    ButtonSayMemoSayClick(lastSender_);
}

void TFormSayText::Otevt1Click() {
    // Made for each use: a file dialog writes its own settings when it is destroyed, which then
    // happens here and not while the program ends.
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("OpenDialog1"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Všechny soubory (*)"));
    dialog.setDirectory(openFolder_);
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    openFolder_ = dialog.directory().absolutePath();
    if (chosen) {
        OpenTextFile(dialog.selectedFiles().front());
    }
}

bool TFormSayText::OpenTextFile(const QString& path) {
    QString error;
    const std::optional<QStringList> lines = ReadTextFileLines(path, error);
    if (!lines) {
        QMessageBox::critical(this, QStringLiteral("vokadlo"),
                              QStringLiteral("Soubor %1 nelze přečíst: %2").arg(path, error));
        return false;
    }
    MemoSay->setPlainText(lines->join(u'\n'));
    return true;
}

void TFormSayText::Exit1Click() {
    close();
}

void TFormSayText::About1Click() {
    const QStringList lines = {
        QStringLiteral("P r a c o v n í    v e r z e    v ý s t u p u"),
        QString(),
        QStringLiteral("č e s k é h o    h l a s u    p r o    M S    W i n d o w s"),
        QString(),
        QStringLiteral("Build 3.99"),
        QString(),
        QStringLiteral("Vokadlo " VOKADLO_VERSION),
    };
    QMessageBox about(QMessageBox::NoIcon, QStringLiteral("vokadlo"), lines.join(u'\n'),
                      QMessageBox::Ok, this);
    about.exec();
}

}  // namespace vokadlo
