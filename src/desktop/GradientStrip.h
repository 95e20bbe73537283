#pragma once
#include <QImage>
#include <QRgb>
#include <QSize>
#include <vector>

namespace gradient {

// The colour of one end of a gradient, each channel 0..255.
struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The gradient from one colour to another, computed once as a thin strip
// with exactly one row per colour step: n rows, n being the largest channel
// difference (at least 1). Row 0 is the first colour; each later row moves
// one step on, the steps and running values kept as 48-bit reals and every
// row's channels rounded halves away from zero. Without meetInMiddle the
// last row is one step short of the second colour. With it the colours
// climb at double speed up to the turning row (n div 2) and come back down,
// so both ends lie at the first colour and the tiled strip has no seam.
class GradientStrip {
public:
    // Rows of the vertical strip, the picture shown for vertical bands.
    static constexpr int VerticalStripHeight = 15;

    GradientStrip(Rgb first, Rgb second, bool meetInMiddle);

    int steps() const { return int(rows_.size()); }
    // The colour of every row, first to last.
    const std::vector<QRgb>& rows() const { return rows_; }

    // 1 x n, row i in colour i; 24 bits per pixel.
    QImage horizontal() const;
    // n x 15, column i in colour i; 24 bits per pixel.
    QImage vertical() const;

private:
    std::vector<QRgb> rows_;
};

// The number of colour steps between two colours: the largest channel
// difference, at least 1.
int stepCount(Rgb first, Rgb second);

// The picture stretched (or shrunk) to size by repeating or dropping whole
// rows and columns, never blending: target pixel (x, y) takes the source
// pixel under its centre. The result has the given format; a null image
// when size is empty, the source is null or the memory is not there.
QImage stretchNearest(const QImage& source, QSize size, QImage::Format format);

} // namespace gradient
