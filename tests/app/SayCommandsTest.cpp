// The say and word commands: which text they hand to the engine, stopping, the dictionary
// hand-over, word mode, repetition, and the open command.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTextCursor>
#include <QTimer>
#include <QTranslator>

#include <memory>
#include <utility>
#include <vector>

#include "app/MemoText.h"
#include "app/QtTranslations.h"
#include "engine/OrvTts.h"
#include "tests/app/TestGroups.h"
#include "tests/app/WindowFixture.h"

namespace vokadlo::test {
namespace {

// Accepts every image at once and remembers how each was played.
class TLoggingPlayer final : public ISoundPlayer {
  public:
    bool PlaySound(const std::uint8_t*, std::size_t size, int flags) override {
        played.emplace_back(size, flags);
        return true;
    }
    void Stop() override {}
    // Silent images played so as to cut off the sound: one per Say.
    int CutOffs() const {
        int n = 0;
        for (const auto& [size, flags] : played) {
            n += size == 48 && flags == kPlayAsync;
        }
        return n;
    }
    std::vector<std::pair<std::size_t, int>> played;
};

class SayCommandsTest final : public QObject {
    Q_OBJECT

  private slots:
    void init() { f = std::make_unique<TWindowFixture>(); }
    void cleanup() { f.reset(); }

    // The text each command hands to the engine, for a memo and a selection in it.
    void TextChoice_data() {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<bool>("word");
        QTest::addColumn<QString>("said");
        QTest::addColumn<int>("caretAfter");
        const QString ahoj = QStringLiteral("Ahoj světe");
        QTest::newRow("say from the top") << ahoj << 0 << 0 << false << ahoj << 0;
        QTest::newRow("word from the top")
            << ahoj << 0 << 0 << true << QStringLiteral("Ahoj ") << 0;
        QTest::newRow("word after two spaces")
            << QStringLiteral("x  dobrý den") << 1 << 1 << true << QStringLiteral("dobrý ") << 1;
        QTest::newRow("last word") << ahoj << 5 << 5 << true << QStringLiteral("světe") << 5;
        QTest::newRow("caret in the last two characters") << ahoj << 8 << 8 << false << ahoj << 0;
        QTest::newRow("caret at the end")
            << ahoj << 10 << 10 << true << QStringLiteral("Ahoj ") << 0;
        QTest::newRow("selection over two lines")
            << QStringLiteral("první řádek\ndruhý řádek") << 6 << 17 << false
            << QStringLiteral("řádek  druhý") << 17;
        QTest::newRow("characters the code page lacks, one ? each")
            << QStringLiteral("€ž\U0001F600ĳ…\nx") << 0 << 0 << false << QStringLiteral("€ž??…  x")
            << 0;
        QTest::newRow("offsets past 16 bits")
            << QString(70000, u'a') + QStringLiteral("\nkonec slova") << 70001 << 70001 << true
            << QStringLiteral("konec ") << 70001;
    }
    void TextChoice() {
        QFETCH(QString, memo);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(bool, word);
        QFETCH(QString, said);
        QFETCH(int, caretAfter);
        f->Show();
        auto& edit = f->Control<QPlainTextEdit>("MemoSay");
        edit.setPlainText(memo);
        QTextCursor cursor = edit.textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        edit.setTextCursor(cursor);

        f->Control<QPushButton>(word ? "ButtonSlovo" : "ButtonSayMemoSay").click();
        QCOMPARE(f->Control<QLabel>("LastText").text(), said);
        QCOMPARE(Shown(PendingText()), said);  // queued, not yet cut
        QCOMPARE(edit.textCursor().position(), caretAfter);
    }

    void CistCeskyReadsTheTextFirst() {
        f->Show();
        f->Control<QPlainTextEdit>("MemoSay").setPlainText(QStringLiteral("Mám 25 Kč."));
        auto& say = f->Control<QPushButton>("ButtonSayMemoSay");
        say.click();  // the design's reading: the text as it is
        QCOMPARE(Shown(PendingText()), QStringLiteral("Mám 25 Kč."));
        f->Control<QAction>("CistCesky").setChecked(true);
        say.click();
        QCOMPARE(f->Control<QLabel>("LastText").text(), QStringLiteral("Mám dvacet pět korun."));
        QCOMPARE(Shown(PendingText()), QStringLiteral("Mám dvacet pět korun."));
    }

    void StopEmptiesTheLastText() {
        TLoggingPlayer& player = player_;
        TFormOptions options;
        options.player = &player;
        f->Show(options);
        auto& say = f->Control<QPushButton>("ButtonSayMemoSay");
        say.click();
        QCOMPARE(player.CutOffs(), 1);
        say.click();  // stops the text in progress first: an empty say, then the text
        QCOMPARE(player.CutOffs(), 3);
        f->Control<QPushButton>("ButtonStop").click();
        QCOMPARE(player.CutOffs(), 4);
        QVERIFY(PendingText().empty());
        say.click();  // nothing to stop: the text alone
        QCOMPARE(player.CutOffs(), 5);
    }

    void DictionaryHandedOverWhenChanged() {
        f->Show();
        f->Control<QPlainTextEdit>("MemoSlovnik")
            .setPlainText(QStringLiteral("kůň=koník\nVLAK=Vláček\nVokadlo=vokádlo\n=Č"));
        f->Control<QPushButton>("ButtonSayMemoSay").click();
        // Keys lower-cased, as the spoken text is; values and unusable rows as typed.
        const std::vector<std::string> rows = {Cp("kůň=koník"), Cp("vlak=Vláček"),
                                               Cp("vokadlo=vokádlo"), Cp("=Č")};
        QCOMPARE(SayTextInstance->UserDictionary, rows);

        std::vector<std::string> dictionary = rows;
        QVERIFY(!HandOverDictionary(rows, dictionary));
        QVERIFY(HandOverDictionary({}, dictionary));
        QVERIFY(dictionary.empty());
    }

    void DirectSaysTheWholeTextAtOnce() {
        TFormOptions developer;
        developer.developer = true;
        f->Show(developer);
        f->Control<QPlainTextEdit>("MemoSay").setPlainText(QStringLiteral("Ahoj světe"));
        f->Control<QCheckBox>("Direct").setChecked(true);
        f->Control<QPushButton>("ButtonSayMemoSay").click();
        // Word mode starts the one chunk within the command (lower-cased by the engine).
        QCOMPARE(f->Control<QLabel>("LabelSay").text(), QStringLiteral(">ahoj světe< "));
        QVERIFY(!SayTextInstance->WordMode);
    }

    void RepetitionAfterTheEndMarker() {
        TFormOptions developer;
        developer.developer = true;
        f->Show(developer);
        f->Control<QPlainTextEdit>("MemoSay").setPlainText(QStringLiteral("Ahoj"));
        f->Control<QCheckBox>("Repetice").setChecked(true);
        auto& label = f->Control<QLabel>("LabelSay");
        auto& repeat = f->Control<QTimer>("TimerRepeat");
        f->Control<QPushButton>("ButtonSlovo").click();
        QTRY_VERIFY_WITH_TIMEOUT(repeat.isActive(), 5000);
        QCOMPARE(label.text(), QStringLiteral(">< "));  // the end report came too
        label.setText(QStringLiteral("-"));
        QTRY_COMPARE_WITH_TIMEOUT(label.text(), QStringLiteral(">ahoj< "), 5000);
        QCOMPARE(f->Control<QLabel>("LastText").text(), QStringLiteral("Ahoj"));

        f->Control<QCheckBox>("Repetice").setChecked(false);
        QTRY_COMPARE_WITH_TIMEOUT(label.text(), QStringLiteral(">< "), 5000);
        QTest::qWait(1800);
        QVERIFY(!repeat.isActive());
        QCOMPARE(label.text(), QStringLiteral(">< "));
    }

    void ErrorsOfTheSpeechShowInTheStatusBar() {
        f->Show();
        f->Control<QPlainTextEdit>("MemoSay").setPlainText(
            QStringLiteral("\\spd=99999999999\\ahoj"));
        f->Control<QPushButton>("ButtonSayMemoSay").click();
        QTRY_VERIFY_WITH_TIMEOUT(!f->window->statusBar()->currentMessage().isEmpty(), 5000);
        QVERIFY(f->window->statusBar()->currentMessage().contains(QStringLiteral("99999999999")));
        // The next say that starts clears it.
        f->Control<QPlainTextEdit>("MemoSay").setPlainText(QStringLiteral("ahoj"));
        f->Control<QPushButton>("ButtonSayMemoSay").click();
        QVERIFY(f->window->statusBar()->currentMessage().isEmpty());
    }

    void OpenReadsUtf8OrCodePage1250() {
        f->Show();
        auto& memo = f->Control<QPlainTextEdit>("MemoSay");
        const QString expected = QStringLiteral("Žluťoučký kůň\núpěl");
        const std::pair<const char*, QByteArray> files[] = {
            {"utf8.txt", QStringLiteral("Žluťoučký kůň\r\núpěl\r\n").toUtf8()},
            {"cp1250.txt", QByteArray::fromStdString(Cp("Žluťoučký kůň\núpěl"))},
        };
        for (const auto& [name, bytes] : files) {
            memo.clear();
            QFile file(f->configDir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
            file.close();
            QVERIFY(f->window->OpenTextFile(file.fileName()));
            QCOMPARE(memo.toPlainText(), expected);
        }

        // An unreadable file: a message box, and the memo keeps its text.
        bool boxShown = false;
        QTimer::singleShot(100, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                boxShown = true;
                box->accept();
            }
        });
        QVERIFY(!f->window->OpenTextFile(f->configDir.filePath(QStringLiteral("missing.txt"))));
        QVERIFY(boxShown);
        QCOMPARE(memo.toPlainText(), expected);
    }

    // Qt's own dialogs follow the user's language; in Czech, as the window, when the locale
    // names none.
    void QtDialogsInTheUsersLanguage() {
        f->Show();
        for (const QLocale& locale : {QLocale(QLocale::Czech, QLocale::Czechia), QLocale::c()}) {
            const std::unique_ptr<QTranslator> czech = InstallQtTranslation(locale);
            QVERIFY(czech);
            QStringList buttons;
            QTimer::singleShot(200, [&] {
                if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                    for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
                        buttons << button->text();
                    }
                    dialog->reject();
                }
            });
            f->window->findChild<QAction*>(QStringLiteral("Otevt1"))->trigger();
            QVERIFY2(buttons.contains(QStringLiteral("Zrušit")), qPrintable(buttons.join(u',')));
        }
    }

  private:
    TLoggingPlayer player_;  // outlives every window of the group
    std::unique_ptr<TWindowFixture> f;
};

}  // namespace

std::unique_ptr<QObject> MakeSayCommandsTest() {
    return std::make_unique<SayCommandsTest>();
}

}  // namespace vokadlo::test

#include "SayCommandsTest.moc"
