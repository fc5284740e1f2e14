// Controls that write engine settings: what each shows and what reaches the engine.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include "engine/OrvTts.h"
#include "tests/app/TestGroups.h"
#include "tests/app/WindowFixture.h"

namespace vokadlo::test {
namespace {

class HandlersTest final : public QObject {
    Q_OBJECT

  private slots:
    void init() { f = std::make_unique<TWindowFixture>(); }
    void cleanup() { f.reset(); }

    void SpeedBeforeAndAfterTheEngineExists() {
        f->Show();
        auto& speed = f->Control<QSlider>("RychlostHlasu");
        speed.setValue(121);
        speed.setValue(120);
        QCOMPARE(f->Control<QLabel>("RychlostLabel").text(), QStringLiteral("110%"));
        QCOMPARE(Settings.SpeedFactor, 1.1);
        QVERIFY(!SayTextInstance);  // only the factor changed

        f->Control<QPushButton>("ButtonSayMemoSay").click();
        QVERIFY(SayTextInstance);
        QCOMPARE(SayTextInstance->SpeedPercent, 110);  // taken from the factor
        speed.setValue(150);
        QCOMPARE(SayTextInstance->SpeedPercent, 140);
        speed.setValue(10);
        QCOMPARE(f->Control<QLabel>("RychlostLabel").text(), QStringLiteral("0%"));
        QCOMPARE(SayTextInstance->SpeedPercent, 0);
    }

    void VoiceTypeMovesThePitchSlider() {
        f->Show();
        const auto items = f->Control<QGroupBox>("TypHlasu").findChildren<QRadioButton*>();
        items[2]->click();  // "Žena"
        QCOMPARE(items[2]->text(), QStringLiteral("Žena"));
        QCOMPARE(f->Control<QSlider>("VyskaIntonace").value(), -20);
        QCOMPARE(f->Control<QLabel>("Label1").text(), QStringLiteral("-20"));
        QCOMPARE(Settings.PitchShift, -20);
        items[3]->click();  // "Originál"
        QCOMPARE(Settings.PitchShift, 0);
        QCOMPARE(f->Control<QLabel>("Label1").text(), QStringLiteral("0"));
    }

    void SlidersAndCheckBoxesWriteTheirSettings() {
        f->Show();
        f->Control<QSlider>("Volume").setValue(30000);
        f->Control<QSlider>("RandomLen").setValue(16);
        f->Control<QSlider>("TrackSaySpaceLen").setValue(120);
        f->Control<QSlider>("TeckaLen").setValue(300);
        f->Control<QSlider>("EchoTabs").setValue(1);
        f->Control<QCheckBox>("IntonaceLinear").setChecked(true);
        f->Control<QCheckBox>("IntonaceLinear").setChecked(false);
        QCOMPARE(f->Control<QLabel>("HlasitostL").text(), QStringLiteral("30000"));
        QCOMPARE(f->Control<QLabel>("RandomLenLabel").text(), QStringLiteral("1/16"));
        QCOMPARE(f->Control<QLabel>("LabelSaySpaceLen").text(), QStringLiteral("120"));
        QCOMPARE(f->Control<QLabel>("Tecka").text(), QStringLiteral("300"));
        QCOMPARE(Settings.OutputVolume, 30000);
        QCOMPARE(Settings.RandomLength, 16);
        QCOMPARE(Settings.WordSpaceLength, 120);
        QCOMPARE(Settings.PeriodPauseLength, 300);
        QCOMPARE(Settings.CommaPauseLength, TEngineSettings{}.CommaPauseLength);
        QCOMPARE(Settings.EchoTracks, 1);
        QVERIFY(!Settings.IntonationLinear);
        QVERIFY(!SayTextInstance);

        // The echo sliders go through the set-parameter call, which builds the engine.
        f->Control<QSlider>("Echo").setValue(1500);
        QVERIFY(SayTextInstance);
        QCOMPARE(Settings.EchoDelay, 1500);
        QCOMPARE(SayTextInstance->Echo.EchoReadPos[0], -1500);
        f->Control<QSlider>("EchoVol").setValue(40);
        QCOMPARE(Settings.EchoVolume, 40);
    }

    void ButtonSetStoresTheToneTables() {
        TFormOptions developer;
        developer.developer = true;
        f->Show(developer);
        f->Control<QSlider>("TrackTon").setValue(-3);
        f->Control<QSlider>("TrackTonLo").setValue(7);
        f->Control<QSlider>("TrackTonHi").setValue(-2);
        QCOMPARE(f->Control<QLabel>("LabelTon").text(), QStringLiteral("-3"));
        QCOMPARE(f->Control<QLabel>("LabelTonHi").text(), QStringLiteral("-2"));
        const TEngineSettings design;
        f->Control<QPushButton>("ButtonSet").click();
        for (int note = -12; note <= 12; ++note) {
            const auto i = static_cast<std::size_t>(note + 12);
            QCOMPARE(Settings.ToneTableLo[i], note == -3 ? 7 : design.ToneTableLo[i]);
            QCOMPARE(Settings.ToneTableHi[i], note == -3 ? -2 : design.ToneTableHi[i]);
        }
    }

  private:
    std::unique_ptr<TWindowFixture> f;
};

}  // namespace

std::unique_ptr<QObject> MakeHandlersTest() {
    return std::make_unique<HandlersTest>();
}

}  // namespace vokadlo::test

#include "HandlersTest.moc"
