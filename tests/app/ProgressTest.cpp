// The progress callback and the wave picture: labels, the drawing's step, zero line and scale,
// the sample listing, and a real say drawing its chunks.
#include <QCheckBox>
#include <QColor>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdint>

#include "app/WaveDisplay.h"
#include "engine/SayText.h"
#include "tests/app/TestGroups.h"
#include "tests/app/WindowFixture.h"

namespace vokadlo::test {
namespace {

// An image of `bytes` bytes whose 16-bit words w(i), counted from 1, are `value(i)`.
template <typename F>
TMemoryStream Image(std::size_t bytes, F value) {
    TMemoryStream image(bytes, 0);
    for (std::size_t i = 1; 2 * i <= bytes; ++i) {
        const auto w = static_cast<std::uint16_t>(static_cast<std::int16_t>(value(i)));
        image[2 * (i - 1)] = static_cast<std::uint8_t>(w & 0xFF);
        image[2 * (i - 1) + 1] = static_cast<std::uint8_t>(w >> 8);
    }
    return image;
}

int BlackIn(const QImage& image, int row) {
    int n = 0;
    for (int x = 0; x < image.width(); ++x) {
        n += image.pixelColor(x, row) == QColor(Qt::black);
    }
    return n;
}

class ProgressTest final : public QObject {
    Q_OBJECT

  private slots:
    void init() { f = std::make_unique<TWindowFixture>(); }
    void cleanup() { f.reset(); }

    void StepAndSizeTexts() {
        QCOMPARE(WaveStep(44186, 725), 30);
        QCOMPARE(WaveStep(86 + 725, 725), 1);  // rounds to 0, which becomes 1
        QCOMPARE(WaveStep(40, 725), 1);
        QCOMPARE(StreamSizeText(100000), QStringLiteral("Stream size : 98 kb"));
        QCOMPARE(StreamSizeText(1536), QStringLiteral("Stream size : 2 kb"));  // half to even
        QCOMPARE(StreamSizeText(2560), QStringLiteral("Stream size : 2 kb"));
    }

    // Only the words the trace visits hold 3000: every 30th from word 23 on. A wrong start or
    // step would pull the trace down to the zero line.
    void DrawingVisitsEveryStepthWordFrom23() {
        const TMemoryStream image =
            Image(44186, [](std::size_t i) { return i >= 23 && (i - 23) % 30 == 0 ? 3000 : 0; });
        QImage canvas(725, 101, QImage::Format_RGB32);
        DrawWave(canvas, image);
        const int mid = 50;                        // Round(101 / 2)
        QCOMPARE(BlackIn(canvas, mid - 30), 725);  // 3000 / 100 pixels up, across the picture
        QCOMPARE(BlackIn(canvas, mid), 0);
        QCOMPARE(canvas.pixelColor(100, mid), QColor(128, 128, 128));
        QCOMPARE(canvas.pixelColor(100, mid + 5), QColor(Qt::white));
    }

    void CallbackLabelsPictureAndListing() {
        TFormOptions developer;
        developer.developer = true;
        f->Show(developer);
        auto& label = f->Control<QLabel>("LabelSay");
        auto& size = f->Control<QLabel>("LPP");
        auto& picture = f->Control<TWaveDisplay>("IM");
        const TMemoryStream image = Image(100000, [](std::size_t i) { return i % 7; });

        FormSayTextProgress(Cp("čaj "), &image);
        QCOMPARE(label.text(), QStringLiteral(">čaj < "));
        QCOMPARE(size.text(), QStringLiteral("Stream size : 98 kb"));
        QCOMPARE(picture.Picture().size(), picture.size());
        const QImage drawn = picture.Picture();

        FormSayTextProgress(kEndMarker, nullptr);  // Repetice unchecked: nothing changes
        QCOMPARE(label.text(), QStringLiteral(">čaj < "));
        FormSayTextProgress("", nullptr);  // the end: the marks alone
        QCOMPARE(label.text(), QStringLiteral(">< "));
        QCOMPARE(size.text(), QStringLiteral("Stream size : 98 kb"));
        QCOMPARE(picture.Picture(), drawn);

        // Vlny off: no drawing, the size still shown. The listing appends the words from
        // byte 92 on, numbered from 1.
        f->Control<QCheckBox>("Vlny").setChecked(false);
        f->Control<QCheckBox>("VypisVln").setChecked(true);
        const TMemoryStream small = Image(200, [](std::size_t i) { return -static_cast<int>(i); });
        FormSayTextProgress("x", &small);
        QCOMPARE(picture.Picture(), drawn);
        QCOMPARE(size.text(), QStringLiteral("Stream size : 0 kb"));
        auto& listing = f->Control<QListWidget>("ListBox1");
        QCOMPARE(listing.count(), 100 - 46);
        QCOMPARE(listing.item(0)->text(), QStringLiteral("1=-47"));
        QCOMPARE(listing.item(53)->text(), QStringLiteral("54=-100"));
    }

    void PictureRedrawnAtItsNewSize() {
        f->Show();
        auto& picture = f->Control<TWaveDisplay>("IM");
        const TMemoryStream image = Image(44186, [](std::size_t) { return 1000; });
        FormSayTextProgress("a", &image);
        f->window->resize(900, 600);
        QTRY_COMPARE(picture.Picture().size(), picture.size());
        QCOMPARE(picture.Picture().width(), picture.width());
        QVERIFY(BlackIn(picture.Picture(), qRound(picture.height() / 2.0) - 10) > 0);
    }

    void NoWindowNoCallback() {
        f.reset();
        const TMemoryStream image(100, 0);
        FormSayTextProgress("a", &image);  // must not touch anything
        QVERIFY(!FormSayText);
    }

    void SayingTheSampleTextDrawsItsChunks() {
        f->Show();
        auto& picture = f->Control<TWaveDisplay>("IM");
        QVERIFY(picture.Picture().isNull());
        f->Control<QPushButton>("ButtonSayMemoSay").click();
        QTRY_COMPARE_WITH_TIMEOUT(f->Control<QLabel>("LabelSay").text(),
                                  QStringLiteral(">dobrý < "), 5000);
        QVERIFY(!picture.Picture().isNull());
        QVERIFY(f->Control<QLabel>("LPP").text().startsWith(QStringLiteral("Stream size : ")));
        int black = 0;
        for (int y = 0; y < picture.Picture().height(); ++y) {
            black += BlackIn(picture.Picture(), y);
        }
        QVERIFY(black > picture.width() / 2);
        f->Control<QPushButton>("ButtonStop").click();
    }

  private:
    std::unique_ptr<TWindowFixture> f;
};

}  // namespace

std::unique_ptr<QObject> MakeProgressTest() {
    return std::make_unique<ProgressTest>();
}

}  // namespace vokadlo::test

#include "ProgressTest.moc"
