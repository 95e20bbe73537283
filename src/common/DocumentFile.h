#pragma once
#include <QString>
#include <functional>

class QWidget;
class RecentFiles;
namespace platform {
class Dialogs;
}

// The life of a document's file, once for every window that keeps one (the
// stopwatch's timings, the year planner, the paint window's picture): the
// "save first?" question before the work is replaced or closed, saving under
// the known name or asking for one, the extension added to a typed name
// before anyone is asked about replacing a file, the failure message after
// which the name is forgotten, and the recent-file list. The window says
// how its document is written and what its texts are; it keeps its own
// checks (a running stopwatch, an empty list) in front of these calls.
class DocumentFile {
public:
    struct Texts {
        QString saveQuestion;          // the "save first?" question
        bool questionOffersCancel = false;
        QString couldNotSave;          // the failure message
        QString saveDialogTitle;
        QString fileFilter;
        QString extension;             // added to a name typed without one, no dot
        // Asked when the name gained the extension and names an existing
        // file ("%1" is the file); empty when the save dialog asks itself,
        // given the extension as its default suffix.
        QString replaceQuestion;
        // The save dialog opens in the current file's folder rather than on
        // the file itself.
        bool saveDialogInFolder = false;
    };

    // Writes the document to the file; false when it could not.
    using Writer = std::function<bool(const QString& path)>;

    DocumentFile(platform::Dialogs& dialogs, QWidget* parent, Texts texts, Writer write);

    const QString& fileName() const { return fileName_; }
    bool isSaved() const { return saved_; }
    // The work changed since it was last saved or opened.
    void setModified() { saved_ = false; }

    // A fresh document: no name, nothing to save.
    void reset();
    // The document was read from path; remember puts it on the recent list.
    void opened(const QString& path, bool remember = true);

    // Asked before the work is replaced or closed: true when the caller may
    // go on (saved already, the user said No, or the save the user wanted
    // happened); false after Cancel or a save that failed or was cancelled,
    // and the work stays as it was.
    bool maybeSave();
    // Saves under the known name, or asks for one; true when the file was
    // written.
    bool save();
    // Asks for a name and saves under it.
    bool saveAs();

    // Optional: the recent-file list that saved and opened files go onto.
    void setRecentFiles(RecentFiles* recent) { recent_ = recent; }

    // Told after each change of name or saved state, for the caption.
    std::function<void()> changed;
    // Told when the recent-file list changed.
    std::function<void()> recentChanged;
    // Told after a successful save, with the file (settings that follow it).
    std::function<void(const QString& path)> saved;

private:
    void remember(const QString& path);
    void notifyChanged();

    platform::Dialogs& dialogs_;
    QWidget* parent_;
    Texts texts_;
    Writer write_;
    RecentFiles* recent_ = nullptr;
    QString fileName_;
    bool saved_ = true;
};
