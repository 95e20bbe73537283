#include "paint/PaintDocument.h"

#include "paint/BmpCodec.h"

#include <QFileInfo>

namespace paint {

PaintDocument::PaintDocument(platform::Dialogs& dialogs, QWidget* dialogParent, DocumentFile::Texts texts)
    : file_(dialogs, dialogParent, std::move(texts), [this](const QString& path) { return write(path); })
{
}

void PaintDocument::replacePicture(Picture picture)
{
    picture.pen() = picture_.pen();
    picture_ = std::move(picture);
}

bool PaintDocument::open(const QString& path)
{
    const auto image = readBitmap(path);
    auto loaded = image ? Picture::fromImage(*image) : std::nullopt;
    if (!loaded)
        return false;
    replacePicture(std::move(*loaded));
    file_.opened(path);
    return true;
}

bool PaintDocument::write(const QString& path) const
{
    return bmp::writeFile(path, picture_.image());
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
