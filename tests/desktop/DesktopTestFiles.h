#pragma once
#include "paint/BmpCodec.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <ostream>

// Paths read as text in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// Picture files for the wallpaper tests: good bitmaps of one colour, and
// files that only look like bitmaps.
namespace testfiles {

inline QString writeBitmap(const QDir& folder, const QString& name, QColor colour, QSize size = QSize(40, 30))
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(colour);
    const QString path = folder.filePath(name);
    if (!paint::bmp::writeFile(path, image))
        return {};
    return path;
}

inline QString writeBytes(const QDir& folder, const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(bytes);
    return path;
}

// A bitmap cut off half way through its pixels.
inline QString writeDamagedBitmap(const QDir& folder, const QString& name)
{
    QImage image(40, 30, QImage::Format_RGB888);
    image.fill(Qt::green);
    const QByteArray whole = paint::bmp::encode(image);
    return writeBytes(folder, name, whole.left(whole.size() / 2));
}

} // namespace testfiles
