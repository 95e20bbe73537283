#pragma once
#include <QByteArray>
#include <QImage>
#include <QString>

// JPEG files written through the IJG library: baseline (not progressive),
// full colour with every channel at full resolution.
namespace jpeg {

// The quality the gradient pictures are saved at.
constexpr int BestQuality = 100;

// The JPEG bytes of a picture at the given quality (1..100); empty for a
// null picture or when the library reports an error.
QByteArray encode(const QImage& image, int quality = BestQuality);

// Writes a picture so that a failure never harms the file already there:
// the bytes go to a temporary file that replaces the old one only after the
// write succeeded. False on any failure.
bool writeFile(const QString& path, const QImage& image, int quality = BestQuality);

} // namespace jpeg
