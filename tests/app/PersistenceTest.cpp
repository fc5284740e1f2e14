// vokadlo.ini: what the first close writes, the round trip of every stored property, and what
// damaged or foreign files restore.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QSlider>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QWindow>

#include <sys/stat.h>

#include "app/SampleText.h"
#include "tests/app/TestGroups.h"
#include "tests/app/WindowFixture.h"

namespace vokadlo::test {
namespace {

class PersistenceTest final : public QObject {
    Q_OBJECT

  private slots:
    void init() { f = std::make_unique<TWindowFixture>(); }
    void cleanup() { f.reset(); }

    void FirstCloseWritesPlacementAndProperties() {
        QVERIFY(!QFile::exists(Ini()));
        const QRect placed = f->Show().geometry();  // the design's place, inside any frame
        f->window->close();
        const QStringList lines = FileText().split(u'\n');
        const QString dpi = QString::number(qRound(f->window->screen()->logicalDotsPerInch()));
        const QStringList main = {"[TFormSayText]",
                                  "FormVersion=0",
                                  "Flags=0",
                                  "ShowCmd=1",
                                  "PixelsPerInch=" + dpi,
                                  "MinMaxPos=-1,-1,-1,-1",
                                  QStringLiteral("NormPos=%1,%2,%3,%4")
                                      .arg(placed.left())
                                      .arg(placed.top())
                                      .arg(placed.left() + 749)
                                      .arg(placed.top() + 524),
                                  "Visible=0",
                                  "PageControl1_ActivePage=TabSheet1",
                                  "RychlostHlasu_Position=120",
                                  "Vlny_Checked=True",
                                  "Volume_Position=50000",
                                  "VyskaIntonace_Position=0",
                                  "RandomLen_Position=15",
                                  "TrackSaySpaceLen_Position=50",
                                  "Panel1_Height=*",
                                  "TeckaLen_Position=500",
                                  "TypHlasu_ItemIndex=3",
                                  "TrackTon_Position=0",
                                  "TrackTonLo_Position=0",
                                  "Zpev_Text=ó",
                                  "IntonaceCheckBox_Checked=False",
                                  "IntonaceLinear_Checked=False",
                                  "CistCesky_Checked=False",
                                  "",
                                  "",
                                  "[TFormSayText.MemoSay_Lines]",
                                  "Count=32"};
        QVERIFY(lines.size() > main.size());
        for (qsizetype i = 0; i < main.size(); ++i) {
            if (main[i].endsWith(u'*')) {
                QVERIFY(QRegularExpression(QStringLiteral("^Panel1_Height=[1-9][0-9]*$"))
                            .match(lines[i])
                            .hasMatch());
            } else {
                QCOMPARE(lines[i], main[i]);
            }
        }
        QCOMPARE(lines[main.size()], "Item0=" + SampleText().split(u'\n').front());
        QVERIFY(!lines.contains(QStringLiteral("[TFormSayText.MemoSlovnik_Lines]")));

        // Destroyed without a close: saved again, marked visible.
        f->Show();
        f->window.reset();
        QVERIFY(FileText().contains(QStringLiteral("\nVisible=1\n")));
    }

    void EveryPropertyComesBack() {
        f->Show();
        const QString lines = QStringLiteral(
            "první\n  odsazená\nmezera na konci \n\"v uvozovkách\"\n'a'\n"
            "\" s uvozovkou\n\t \n\"\"");
        Memo("MemoSay").setPlainText(lines);
        Memo("MemoSlovnik").setPlainText(QStringLiteral("kůň=koník"));
        f->Control<QTabWidget>("PageControl1").setCurrentIndex(1);
        f->Control<QSlider>("RychlostHlasu").setValue(200);
        f->Control<QSlider>("Volume").setValue(12345);
        f->Control<QSlider>("RandomLen").setValue(2);
        f->Control<QSlider>("TrackSaySpaceLen").setValue(0);
        f->Control<QSlider>("TeckaLen").setValue(650);
        f->Control<QSlider>("TrackTon").setValue(-12);
        f->Control<QSlider>("TrackTonLo").setValue(-50);
        f->Control<QSlider>("TrackTonHi").setValue(5);  // not stored
        VoiceType(4);
        f->Control<QCheckBox>("Vlny").setChecked(false);
        f->Control<QCheckBox>("IntonaceCheckBox").setChecked(true);
        f->Control<QCheckBox>("IntonaceLinear").setChecked(true);
        f->Control<QAction>("CistCesky").setChecked(true);
        f->Control<QLineEdit>("Zpev").setText(QStringLiteral("  lá lá "));
        auto& splitter = f->Control<QSplitter>("Splitter1");
        const int total = splitter.sizes().value(0) + splitter.sizes().value(1);
        splitter.setSizes({total - 250, 250});
        const int panel1 = splitter.sizes().value(0);
        f->window->close();

        Settings = TEngineSettings{};
        f->Show();
        QCOMPARE(Memo("MemoSay").toPlainText(), lines);
        QCOMPARE(Memo("MemoSlovnik").toPlainText(), QStringLiteral("kůň=koník"));
        QCOMPARE(f->Control<QTabWidget>("PageControl1").currentWidget()->objectName(),
                 QStringLiteral("TabSheet3"));
        QCOMPARE(f->Control<QSlider>("RychlostHlasu").value(), 200);
        QCOMPARE(f->Control<QLabel>("RychlostLabel").text(),
                 QStringLiteral("190%"));  // handler ran
        QCOMPARE(Settings.SpeedFactor, 1.9);
        QCOMPARE(f->Control<QSlider>("Volume").value(), 12345);
        QCOMPARE(Settings.OutputVolume, 12345);
        QCOMPARE(f->Control<QSlider>("RandomLen").value(), 2);
        QCOMPARE(f->Control<QSlider>("TrackSaySpaceLen").value(), 0);
        QCOMPARE(f->Control<QSlider>("TeckaLen").value(), 650);
        QCOMPARE(f->Control<QSlider>("TrackTon").value(), -12);
        QCOMPARE(f->Control<QSlider>("TrackTonLo").value(), -50);
        QCOMPARE(f->Control<QSlider>("TrackTonHi").value(), 0);
        QCOMPARE(f->Control<QSlider>("VyskaIntonace").value(), 5);  // "Hoch"
        QCOMPARE(Settings.PitchShift, 5);
        QVERIFY(!f->Control<QCheckBox>("Vlny").isChecked());
        QVERIFY(f->Control<QCheckBox>("IntonaceCheckBox").isChecked());
        QVERIFY(f->Control<QCheckBox>("IntonaceLinear").isChecked());
        QVERIFY(f->Control<QAction>("CistCesky").isChecked());
        QCOMPARE(f->Control<QLineEdit>("Zpev").text(), QStringLiteral("lá lá"));
        QCOMPARE(Panel1Height(), panel1);
    }

    void EmptiedMemoShowsTheDesignTextAgain() {
        f->Show();
        Memo("MemoSay").clear();
        f->window->close();
        QVERIFY(!FileText().contains(QStringLiteral("MemoSay_Lines")));
        f->Show();
        QCOMPARE(Memo("MemoSay").toPlainText(), SampleText());
    }

    // A file edited by hand, with CR LF line ends.
    void DamagedValuesReadAsDesigned() {
        Write(
            "[TFormSayText]\r\n"
            "RychlostHlasu_Position=abc\r\n"
            "Vlny_Checked=yes\r\n"
            "IntonaceCheckBox_Checked=TRUE\r\n"
            "VyskaIntonace_Position=10\r\n"
            "TypHlasu_ItemIndex=2\r\n"
            "PageControl1_ActivePage=FormSayText.TabSheet5\r\n"
            "Zpev_Text=\"\"ó\"\"\r\n"
            "[TFormSayText.MemoSay_Lines]\r\n"
            "Count=3\r\n"
            "Item0=jedna\r\n"
            "Item2=tři\r\n"
            "[TFormSayText.MemoSlovnik_Lines]\r\n"
            "Count=abc\r\n"
            "Item0=ignored\r\n");
        Settings.IntonationOn = false;
        f->Show();
        QCOMPARE(f->Control<QSlider>("RychlostHlasu").value(), 1);  // abc is 0, raised to 1
        QCOMPARE(f->Control<QLabel>("RychlostLabel").text(), QStringLiteral("-9%"));
        QVERIFY(f->Control<QCheckBox>("Vlny").isChecked());
        QVERIFY(f->Control<QCheckBox>("IntonaceCheckBox").isChecked());
        QVERIFY(Settings.IntonationOn);
        // The pitch is restored first, then the voice type moves it.
        QCOMPARE(f->Control<QSlider>("VyskaIntonace").value(), -20);
        QCOMPARE(f->Control<QLabel>("Label1").text(), QStringLiteral("-20"));
        QCOMPARE(Settings.PitchShift, -20);
        QCOMPARE(f->Control<QTabWidget>("PageControl1").currentIndex(), 4);
        QCOMPARE(f->Control<QLineEdit>("Zpev").text(), QStringLiteral("\"ó\""));
        QCOMPARE(Memo("MemoSay").toPlainText(), QStringLiteral("jedna\n\ntři"));
        QVERIFY(Memo("MemoSlovnik").toPlainText().isEmpty());
    }

    void PlacementOnlyFromTheSamePixelDensity() {
        const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
        const QRect design = f->Show().geometry();
        Write(QStringLiteral("[TFormSayText]\nPixelsPerInch=%1\nNormPos=10,20,610,520\n"
                             "RychlostHlasu_Position=60\n")
                  .arg(dpi + 48)
                  .toUtf8());
        f->Show();
        QCOMPARE(f->window->geometry(), design);
        QCOMPARE(f->Control<QSlider>("RychlostHlasu").value(), 60);

        Write(QStringLiteral("[TFormSayText]\nPixelsPerInch=%1\nNormPos=10,20,710\n")
                  .arg(dpi)
                  .toUtf8());
        f->Show();
        QCOMPARE(f->window->geometry(), QRect(10, 20, 700, design.bottom() + 1 - 20));
    }

    // Shrunk by a window manager that ignores the minimum, or stored that small by hand: the
    // window comes back at a size that shows every control.
    void NeverSmallerThanItsControls() {
        const QSize least = f->Show().minimumSizeHint();
        f->window->windowHandle()->resize(200, 150);
        QTRY_COMPARE(f->window->size(), least);
        f->window->close();
        QVERIFY(FileText().contains(QStringLiteral(",%1,%2\n")
                                        .arg(f->window->geometry().left() + least.width())
                                        .arg(f->window->geometry().top() + least.height())));

        const int dpi = qRound(QGuiApplication::primaryScreen()->logicalDotsPerInch());
        Write(QStringLiteral("[TFormSayText]\nPixelsPerInch=%1\nNormPos=10,20,210,170\n")
                  .arg(dpi)
                  .toUtf8());
        f->Show();
        QCOMPARE(f->window->geometry(), QRect(QPoint(10, 20), least));
        for (const QWidget* control : f->window->findChildren<QWidget*>()) {
            if (control->isVisibleTo(f->window.get()) && !control->isWindow()) {
                const QRect placed(control->mapTo(f->window.get(), QPoint(0, 0)), control->size());
                QVERIFY2(f->window->rect().contains(placed), qPrintable(control->objectName()));
            }
        }
    }

    // A vokadlo.ini that is no profile: a FIFO is never opened (it would hang the window), a file
    // past 1 MiB is not read; the window shows its design values, names the file once in the
    // status bar and leaves it as it was. A symbolic link is read and written through.
    void FilesThatAreNoProfileAreLeftAlone() {
        const auto refused = [&](const char* why) {
            f->Show();
            QCOMPARE(f->Control<QSlider>("RychlostHlasu").value(), 120);
            const QString message = f->window->statusBar()->currentMessage();
            QVERIFY2(message.startsWith(Ini() + u':') && message.contains(QString::fromUtf8(why)),
                     qPrintable(message));
            f->window->close();
        };
        QVERIFY(::mkfifo(f->IniPath().c_str(), 0600) == 0);
        refused("FIFO");
        QVERIFY(QFileInfo(Ini()).isFile() == false && QFileInfo(Ini()).exists());
        QVERIFY(QFile::remove(Ini()));

        const QByteArray large =
            "[TFormSayText]\nRychlostHlasu_Position=60\n;" + QByteArray(1 << 20, 'x') + '\n';
        Write(large);
        refused("1 MiB");
        QCOMPARE(FileBytes(), large);
        QVERIFY(QFile::remove(Ini()));

        const QString target = f->configDir.filePath(QStringLiteral("elsewhere.ini"));
        QVERIFY(QFile::link(target, Ini()));
        f->Show().close();  // made through the link that pointed nowhere
        Write("[TFormSayText]\nRychlostHlasu_Position=60\n");
        f->Show();
        QCOMPARE(f->Control<QSlider>("RychlostHlasu").value(), 60);
        f->Control<QSlider>("RychlostHlasu").setValue(70);
        // A memo too long for the file: stored without its lines.
        Memo("MemoSay").setPlainText((QString(99, u'ž') + u'\n').repeated(6000));
        f->window->close();
        QCOMPARE(QFileInfo(Ini()).symLinkTarget(), target);
        QVERIFY(FileText().contains(QStringLiteral("RychlostHlasu_Position=70")));
        QVERIFY(!FileText().contains(QStringLiteral("MemoSay_Lines")));
    }

    void ForeignFilesOpenTheWindow() {
        // Code page 1250 with LF line ends.
        Write(QByteArray::fromStdString(Cp("[TFormSayText]\nZpev_Text=žluť\n")));
        f->Show();
        QCOMPARE(f->Control<QLineEdit>("Zpev").text(), QStringLiteral("žluť"));

        QByteArray garbage;
        for (int i = 0; i < 4096; ++i) {
            garbage.append(static_cast<char>((i * 7919) % 251));
        }
        Write(garbage);
        f->Show();
        QCOMPARE(f->Control<QSlider>("RychlostHlasu").value(), 120);
        QCOMPARE(Memo("MemoSay").toPlainText(), SampleText());
        f->window->close();
        QVERIFY(FileText().contains(QStringLiteral("RychlostHlasu_Position=120")));
    }

  private:
    QString Ini() const { return QString::fromStdString(f->IniPath()); }
    QString FileText() const {
        QFile file(Ini());
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QByteArray FileBytes() const {
        QFile file(Ini());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // Writes the file for the next window; an open one is closed first, which saves it.
    void Write(const QByteArray& bytes) const {
        f->window.reset();
        QFile file(Ini());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QPlainTextEdit& Memo(const char* name) const { return f->Control<QPlainTextEdit>(name); }
    void VoiceType(int item) const {
        f->Control<QGroupBox>("TypHlasu").findChildren<QAbstractButton*>()[item]->click();
    }
    int Panel1Height() const { return f->Control<QSplitter>("Splitter1").sizes().value(0); }

    std::unique_ptr<TWindowFixture> f;
};

}  // namespace

std::unique_ptr<QObject> MakePersistenceTest() {
    return std::make_unique<PersistenceTest>();
}

}  // namespace vokadlo::test

#include "PersistenceTest.moc"
