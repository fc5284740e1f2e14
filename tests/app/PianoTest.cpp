// The piano keys: geometry, the tone tag each key says, and the pitch slider put back to 0.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include "app/PianoKeys.h"
#include "engine/OrvTts.h"
#include "tests/app/TestGroups.h"
#include "tests/app/WindowFixture.h"

namespace vokadlo::test {
namespace {

class PianoTest final : public QObject {
    Q_OBJECT

  private slots:
    void init() { f = std::make_unique<TWindowFixture>(); }
    void cleanup() { f.reset(); }

    void KeysFormAChromaticScale() {
        f->Show();
        int playable = 0;
        int lastNote = -13;
        int lastLeft = 0;
        for (const TPianoKey& key : kPianoKeys) {
            auto& button = f->Control<QPushButton>(key.name);
            QVERIFY(button.geometry().left() > lastLeft);
            lastLeft = button.geometry().left();
            QCOMPARE(button.geometry().top(), 42);
            QCOMPARE(button.size(), key.black ? QSize(15, 41) : QSize(21, 72));
            QCOMPARE(button.isEnabled(), key.playable);
            QVERIFY(button.text().isEmpty());
            if (key.playable) {
                ++playable;
                const QString name = QString::fromLatin1(key.name);
                const int note = (name[0] == u'D' ? -1 : 1) * name.mid(1).toInt();
                QCOMPARE(note, lastNote + 1);
                lastNote = note;
            }
        }
        QCOMPARE(playable, 25);
        QCOMPARE(f->Control<QPushButton>("T0").geometry(), QRect(173, 42, 15, 41));
        QCOMPARE(f->Control<QPushButton>("D11").geometry(), QRect(34, 42, 21, 72));
    }

    void KeysSayTheSongBehindAToneTag() {
        f->Show();
        auto& pitch = f->Control<QSlider>("VyskaIntonace");
        // The first say builds the engine, which sets the voice's pitch; a key press leaves it
        // while the slider stands at 0.
        f->Control<QPushButton>("D12").click();
        QCOMPARE(PendingText(), Cp("\\ton=-12\\ó"));
        QCOMPARE(Settings.PitchShift, -30);

        pitch.setValue(30);
        f->Control<QPushButton>("T5").click();
        QCOMPARE(PendingText(), Cp("\\ton=5\\ó"));
        QCOMPARE(pitch.value(), 0);
        QCOMPARE(f->Control<QLabel>("Label1").text(), QStringLiteral("0"));
        QCOMPARE(Settings.PitchShift, 0);

        f->Control<QLineEdit>("Zpev").clear();
        f->Control<QPushButton>("T12").click();
        QCOMPARE(PendingText(), std::string("\\ton=12\\"));
        QCOMPARE(ToneTag(QStringLiteral("D1")), std::string("\\ton=-1\\"));
        QCOMPARE(ToneTag(QStringLiteral("Button13")), std::string());
    }

  private:
    std::unique_ptr<TWindowFixture> f;
};

}  // namespace

std::unique_ptr<QObject> MakePianoTest() {
    return std::make_unique<PianoTest>();
}

}  // namespace vokadlo::test

#include "PianoTest.moc"
