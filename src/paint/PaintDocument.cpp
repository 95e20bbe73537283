#include "paint/PaintDocument.h"

#include "paint/BmpCodec.h"

#include <QFileInfo>

namespace paint {

void PaintDocument::replacePicture(Picture picture)
{
    picture.pen() = picture_.pen();
    picture_ = std::move(picture);
}

void PaintDocument::startNew()
{
    fileName_.clear();
    saved_ = true;
}

bool PaintDocument::open(const QString& path)
{
    const auto image = readBitmap(path);
    auto loaded = image ? Picture::fromImage(*image) : std::nullopt;
    if (!loaded)
        return false;
    replacePicture(std::move(*loaded));
    fileName_ = path;
    saved_ = true;
    return true;
}

bool PaintDocument::saveAs(const QString& path)
{
    if (bmp::writeFile(path, picture_.image())) {
        fileName_ = path;
        saved_ = true;
        return true;
    }
    fileName_.clear();
    saved_ = false;
    return false;
}

bool PaintDocument::hasBitmapName(const QString& path)
{
    return QFileInfo(path).suffix().compare(QStringLiteral("bmp"), Qt::CaseInsensitive) == 0;
}

std::optional<QImage> PaintDocument::readBitmap(const QString& path)
{
    if (!hasBitmapName(path))
        return std::nullopt;
    return bmp::readFile(path);
}

} // namespace paint
