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

#include "app/FormSayText.h"
#include "app/MemoText.h"
#include "core/CodePage.h"
#include "core/EngineSettings.h"
#include "engine/OrvTts.h"

namespace vokadlo {

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
    const TSayChoice choice =
        ChooseSayText(EngineText(plain), EngineOffset(plain, cursor.selectionStart()),
                      EngineOffset(plain, cursor.selectionEnd()), wordCommand);
    if (choice.fromTop) {
        QTextCursor top = MemoSay->textCursor();
        top.setPosition(0);
        MemoSay->setTextCursor(top);
    }
    lastText_ = choice.text;
    SetSayCallback(FormSayTextProgress);
    LastText->setText(QString::fromStdString(Cp1250ToUtf8(lastText_)));
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
    if (OpenDialog1->exec() == QDialog::Accepted && !OpenDialog1->selectedFiles().isEmpty()) {
        OpenTextFile(OpenDialog1->selectedFiles().front());
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
