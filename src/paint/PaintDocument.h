#pragma once
#include "paint/Picture.h"

#include <QImage>
#include <QString>
#include <optional>

namespace paint {

// The picture Duza Zidova works on, as a document: the bitmap with its pen,
// the file it was last opened from or saved to (empty for a new picture)
// and whether it holds changes that are not on disk. Files are Windows
// bitmaps, read and written through the bitmap codec; nothing here asks
// the user anything.
class PaintDocument {
public:
    const Picture& picture() const { return picture_; }
    Picture& picture() { return picture_; }
    const QString& fileName() const { return fileName_; }
    bool saved() const { return saved_; }

    // The picture changed under the user's hand.
    void markChanged() { saved_ = false; }
    // Another picture takes the place of this one (a new canvas, a resize);
    // the pen stays as it was.
    void replacePicture(Picture picture);
    // A fresh canvas: no file yet, nothing to save.
    void startNew();

    // Opens a bitmap file into the document: the picture (the pen stays),
    // the file name, saved. False, with nothing changed, when the file is
    // no bitmap.
    bool open(const QString& path);
    // Writes the picture to a file as a bitmap. On success that file is the
    // document's and it is saved; on failure the document forgets its file
    // name and stays unsaved, and the file already there is unharmed.
    bool saveAs(const QString& path);

    // Only files named as bitmaps (".bmp" in any letter case) are read as
    // pictures, whatever else a file may hold. nullopt for any other name,
    // and for a file that is damaged or no bitmap.
    static std::optional<QImage> readBitmap(const QString& path);
    static bool hasBitmapName(const QString& path);

private:
    Picture picture_;
    QString fileName_;
    bool saved_ = true;
};

} // namespace paint
