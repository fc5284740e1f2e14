#include "app/WaveDisplay.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QStringList>
#include <QTimer>

#include <cmath>

#include "app/FormSayText.h"
#include "core/CodePage.h"
#include "engine/SayText.h"

namespace vokadlo {
namespace {

int RoundHalfEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

// The signed 16-bit word w(i), i counted from 1 at the image's first byte; 0 past its end.
int Word(const TMemoryStream& image, std::size_t i) {
    const std::size_t at = 2 * (i - 1);
    if (i == 0 || at + 1 >= image.size()) {
        return 0;
    }
    return static_cast<std::int16_t>(image[at] | (image[at + 1] << 8));
}

}  // namespace

int WaveStep(std::size_t imageBytes, int width) {
    if (width <= 0) {
        return 1;
    }
    const double words = (static_cast<double>(imageBytes) - 86.0) / 2.0;
    const int step = RoundHalfEven(words / width);
    return step <= 0 ? 1 : step;
}

QString StreamSizeText(std::size_t imageBytes) {
    return QStringLiteral("Stream size : %1 kb")
        .arg(RoundHalfEven(static_cast<double>(imageBytes) / 1024.0));
}

void DrawWave(QImage& canvas, const TMemoryStream& image) {
    const int width = canvas.width();
    const int height = canvas.height();
    if (width <= 0 || height <= 0) {
        return;
    }
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setPen(QColor(128, 128, 128));
    const std::size_t step = static_cast<std::size_t>(WaveStep(image.size(), width));
    const int mid = RoundHalfEven(height / 2.0);
    painter.drawLine(0, mid, width, mid);

    painter.setPen(Qt::black);
    const std::size_t end = static_cast<std::size_t>(RoundHalfEven(image.size() / 2.0));
    std::size_t i = 23;
    int x = 0;
    QPoint pen(0, mid - RoundHalfEven(Word(image, i) / 100.0));
    while (i < end) {
        const QPoint to(x, mid - RoundHalfEven(Word(image, i) / 100.0));
        painter.drawLine(pen, to);
        pen = to;
        ++x;
        i += step;
    }
}

TWaveDisplay::TWaveDisplay(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void TWaveDisplay::Draw(const TMemoryStream& image) {
    last_ = image;
    Render();
}

void TWaveDisplay::Render() {
    if (!last_) {
        return;
    }
    picture_ = QImage(size(), QImage::Format_RGB32);
    DrawWave(picture_, *last_);
    update();
}

void TWaveDisplay::paintEvent(QPaintEvent*) {
    if (!picture_.isNull()) {
        QPainter(this).drawImage(0, 0, picture_);
    }
}

void TWaveDisplay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Render();
}

void FormSayTextProgress(const std::string& text, const TMemoryStream* stream) {
    if (FormSayText) {
        FormSayText->SayProgress(text, stream);
    }
}

void TFormSayText::SayProgress(const std::string& text, const TMemoryStream* stream) {
    if (text == kEndMarker) {
        if (Repetice->isChecked() && !TimerRepeat->isActive()) {
            TimerRepeat->start();
        }
    } else {
        LabelSay->setText(QStringLiteral(">%1< ").arg(QString::fromStdString(Cp1250ToUtf8(text))));
    }
    if (!stream) {
        return;
    }
    if (Vlny->isChecked()) {
        ButtonStreamClick(*stream);
    }
    LPP->setText(StreamSizeText(stream->size()));
    if (VypisVln->isChecked()) {
        const std::size_t words = stream->size() / 2;
        QStringList listing;
        for (std::size_t k = 1; k + 46 <= words; ++k) {
            listing.append(QStringLiteral("%1=%2").arg(k).arg(Word(*stream, k + 46)));
        }
        ListBox1->addItems(listing);
    }
}

void TFormSayText::ButtonStreamClick(const TMemoryStream& image) {
    IM->Draw(image);
}

}  // namespace vokadlo
