// The picture of a chunk's wave (the image IM of the first page), and the texts around it.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/MemoryStream.h"

namespace vokadlo {

// Draws a WAV image on a canvas of its own size: white ground, a grey zero line at half the
// height, and in black one 16-bit word of the image per pixel column, every `WaveStep` words
// from the word at byte offset 44 on, at 1/100 of its value, positive upwards.
void DrawWave(QImage& canvas, const TMemoryStream& image);

// Words between two columns: ((bytes - 86) / 2) / width, rounded half to even; at least 1.
int WaveStep(std::size_t imageBytes, int width);

// "Stream size : N kb", N the size in KiB rounded half to even.
QString StreamSizeText(std::size_t imageBytes);

// The picture widget: keeps the last image and draws it again at its new size when resized.
class TWaveDisplay final : public QWidget {
  public:
    explicit TWaveDisplay(QWidget* parent);

    void Draw(const TMemoryStream& image);
    const QImage& Picture() const { return picture_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Render();

    QImage picture_;
    std::optional<TMemoryStream> last_;  // a copy: the engine's image is gone after the report
};

}  // namespace vokadlo
