// The window as it opens: caption, controls with their ranges and texts, pages, menu, hidden
// controls, and the engine left untouched until a handler runs.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "engine/OrvTts.h"
#include "tests/app/TestGroups.h"
#include "tests/app/WindowFixture.h"

namespace vokadlo::test {
namespace {

class StartUpTest final : public QObject {
    Q_OBJECT

  private slots:
    void init() { f = std::make_unique<TWindowFixture>(); }
    void cleanup() { f.reset(); }

    void CaptionPlaceAndLabels() {
        TFormSayText& w = f->Open();
        QCOMPARE(w.windowTitle(), QStringLiteral("Orvent Vokadlo"));
        QCOMPARE(w.geometry(), QRect(130, 135, 749, 524));
        // The value labels keep their design texts until their slider moves.
        const std::pair<const char*, const char*> labels[] = {
            {"RychlostLabel", "0"},
            {"Label1", "0"},
            {"HlasitostL", "0"},
            {"RandomLenLabel", "1/6"},
            {"LabelSaySpaceLen", "50"},
            {"Tecka", "500"},
            {"LPP", "Wave stream size : 0 Kb"},
            {"LabelSay", "-"},
            {"StatusLabel", "Status : Ok"},
        };
        for (const auto& [name, text] : labels) {
            QCOMPARE(f->Control<QLabel>(name).text(), QString::fromUtf8(text));
        }
        QCOMPARE(f->Control<QLineEdit>("Zpev").text(), QStringLiteral("ó"));
        QCOMPARE(f->Control<QPlainTextEdit>("MemoSay").document()->blockCount(), 32);
        QVERIFY(f->Control<QPlainTextEdit>("MemoSlovnik").toPlainText().isEmpty());
        QVERIFY(f->Control<QCheckBox>("Vlny").isChecked());
        QVERIFY(!f->Control<QCheckBox>("IntonaceCheckBox").isChecked());
        QVERIFY(!f->Control<QCheckBox>("IntonaceLinear").isChecked());
        auto& voiceType = f->Control<QGroupBox>("TypHlasu");
        const auto items = voiceType.findChildren<QRadioButton*>();
        QCOMPARE(items.size(), 6);
        QCOMPARE(items[3]->text(), QStringLiteral("Originál"));
        QVERIFY(items[3]->isChecked());
    }

    void SlidersRangesPositionsTicks() {
        f->Open();
        struct TRow {
            const char* name;
            int min, max, position, tick;
        };
        const TRow rows[] = {
            {"RychlostHlasu", 1, 250, 120, 1},
            {"VyskaIntonace", -100, 100, 0, 2},
            {"Volume", 0, 63750, 50000, 1000},
            {"RandomLen", 1, 50, 15, 1},
            {"TrackSaySpaceLen", 0, 300, 50, 10},
            {"TeckaLen", 0, 650, 500, 10},
            {"EchoTabs", 0, 3, 2, 1},
            {"Echo", 0, 20000, 2000, 500},
            {"EchoVol", 0, 100, 5, 1},
            {"TrackTon", -12, 12, 0, 1},
            {"TrackTonLo", -50, 50, 0, 1},
            {"TrackTonHi", -40, 10, 0, 1},
        };
        for (const TRow& row : rows) {
            const auto& slider = f->Control<QSlider>(row.name);
            QVERIFY2(slider.minimum() == row.min && slider.maximum() == row.max &&
                         slider.value() == row.position && slider.tickInterval() == row.tick &&
                         slider.tickPosition() == QSlider::TicksBelow,
                     row.name);
        }
        QCOMPARE(f->Control<QSlider>("RandomLen").singleStep(), 3);
        QCOMPARE(f->Control<QSlider>("RandomLen").pageStep(), 0);
        for (const char* echo : {"EchoTabs", "Echo", "EchoVol"}) {
            QVERIFY(!(f->Control<QSlider>(echo).focusPolicy() & Qt::TabFocus));
        }
    }

    void PagesInOrderAndMenuShortcuts() {
        f->Open();
        const auto& pages = f->Control<QTabWidget>("PageControl1");
        const char* expected[][2] = {{"TabSheet1", "Jak se hejbe reprák"},
                                     {"TabSheet3", "Nastavení hlasu"},
                                     {"TabSheet4", "Výslovnost"},
                                     {"TabSheet2", "Lálálá"},
                                     {"TabSheet5", "Echo"}};
        QCOMPARE(pages.count(), 5);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(pages.widget(i)->objectName(), QString::fromLatin1(expected[i][0]));
            QCOMPARE(pages.tabText(i), QString::fromUtf8(expected[i][1]));
        }
        QCOMPARE(pages.currentIndex(), 0);
        const std::pair<const char*, QKeySequence> shortcuts[] = {
            {"MenuItemRekni", QKeySequence(Qt::Key_F4)},
            {"MenuItemSlovo", QKeySequence(Qt::Key_F5)},
            {"Last1", QKeySequence(Qt::Key_F6)},
            {"Stop1", QKeySequence(Qt::Key_F8)},
            {"Exit1", QKeySequence(Qt::Key_Escape)},
            {"Otevt1", QKeySequence()},
            {"About1", QKeySequence()},
        };
        for (const auto& [name, keys] : shortcuts) {
            QCOMPARE(f->Control<QAction>(name).shortcut(), keys);
        }
    }

    void HiddenControlsOnlyForDevelopers() {
        const char* hidden[] = {"TrackTon",  "TrackTonLo", "TrackTonHi", "LabelTon",
                                "ButtonSet", "VypisVln",   "ListBox1",   "ZDisku",
                                "Path",      "Direct",     "Repetice",   "LastText"};
        f->Show();
        for (const char* name : hidden) {
            QVERIFY2(f->Control<QWidget>(name).isHidden(), name);
        }
        TFormOptions developer;
        developer.developer = true;
        f->Show(developer);
        for (const char* name : hidden) {
            QVERIFY2(!f->Control<QWidget>(name).isHidden(), name);
        }
    }

    void EngineUntouchedUntilAHandlerRuns() {
        f->Show();
        QVERIFY(Settings.SpeechEnabled);
        QVERIFY(!SayTextInstance);  // built by the first procedural call
        const TEngineSettings design;
        QCOMPARE(Settings.SpeedFactor, design.SpeedFactor);
        QCOMPARE(Settings.OutputVolume, design.OutputVolume);
        QCOMPARE(Settings.PitchShift, design.PitchShift);
        QCOMPARE(Settings.RandomLength, design.RandomLength);
        QCOMPARE(Settings.EchoTracks, design.EchoTracks);
        QCOMPARE(Settings.IntonationOn, design.IntonationOn);
    }

  private:
    std::unique_ptr<TWindowFixture> f;
};

}  // namespace

std::unique_ptr<QObject> MakeStartUpTest() {
    return std::make_unique<StartUpTest>();
}

}  // namespace vokadlo::test

#include "StartUpTest.moc"
