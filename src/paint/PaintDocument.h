#pragma once
#include "paint/Picture.h"
#include "common/DocumentFile.h"

#include <QImage>
#include <QString>
#include <optional>

class QWidget;
namespace platform {
class Dialogs;
}

namespace paint {

// The picture Duza Zidova works on, as a document: the bitmap with its pen,
// and its file, kept by DocumentFile (the name it was last opened from or
// saved to, empty for a new picture; whether it holds changes that are not
// on disk; the save question, saving, the failure message and the recent
// files). Files are Windows bitmaps, read and written through the bitmap
// codec. The dialogs' parent is only handed on to the file's questions.
class PaintDocument {
public:
    PaintDocument(platform::Dialogs& dialogs, QWidget* dialogParent, DocumentFile::Texts texts);
    PaintDocument(const PaintDocument&) = delete;
    PaintDocument& operator=(const PaintDocument&) = delete;

    const Picture& picture() const { return picture_; }
    Picture& picture() { return picture_; }
    DocumentFile& file() { return file_; }
    const DocumentFile& file() const { return file_; }
    const QString& fileName() const { return file_.fileName(); }
    bool saved() const { return file_.isSaved(); }

    // The picture changed under the user's hand.
    void markChanged() { file_.setModified(); }
    // Another picture takes the place of this one (a new canvas, a resize);
    // the pen stays as it was.
    void replacePicture(Picture picture);
    // A fresh canvas: no file yet, nothing to save.
    void startNew() { file_.reset(); }
    // The picture changed so much (a pattern drawn over it) that it no
    // longer belongs to its file: the next save asks for a name.
    void leaveFile()
    {
        file_.reset();
        file_.setModified();
    }

    // Opens a bitmap file into the document: the picture (the pen stays),
    // the file name, saved, and the file on the recent list. False, with
    // nothing changed, when the file is no bitmap.
    bool open(const QString& path);
    // Writes the picture to a file as a bitmap, the file already there
    // unharmed when that fails. The file's saving comes here.
    bool write(const QString& path) const;

    // Only files named as bitmaps (".bmp" in any letter case) are read as
    // pictures, whatever else a file may hold. nullopt for any other name,
    // and for a file that is damaged or no bitmap.
    static std::optional<QImage> readBitmap(const QString& path);
    static bool hasBitmapName(const QString& path);

private:
    Picture picture_;
    DocumentFile file_;
};

} // namespace paint
