#include "common/DocumentFile.h"

#include "common/RecentFiles.h"
#include "platform/Dialogs.h"

#include <QFileInfo>
#include <QPointer>
#include <QWidget>

DocumentFile::DocumentFile(platform::Dialogs& dialogs, QWidget* parent, Texts texts, Writer write)
    : dialogs_(dialogs)
    , parent_(parent)
    , texts_(std::move(texts))
    , write_(std::move(write))
{
}

void DocumentFile::reset()
{
    fileName_.clear();
    saved_ = true;
    notifyChanged();
}

void DocumentFile::opened(const QString& path, bool rememberIt)
{
    fileName_ = path;
    saved_ = true;
    notifyChanged();
    if (rememberIt)
        remember(path);
}

bool DocumentFile::maybeSave()
{
    if (saved_)
        return true;
    const int buttons = platform::Yes | platform::No | (texts_.questionOffersCancel ? platform::Cancel : 0);
    // The window may be closed under an open question (the program ending):
    // then nothing more is done in its name.
    const QPointer<QWidget> parent(parent_);
    const int answer = dialogs_.message(parent_, platform::MessageKind::Confirmation, texts_.saveQuestion, buttons);
    if (parent_ && !parent)
        return false;
    if (answer == platform::Cancel)
        return false;
    // Work the user wanted kept is not let go when its save fails.
    return answer != platform::Yes || save();
}

bool DocumentFile::save()
{
    if (fileName_.isEmpty())
        return saveAs();
    if (write_(fileName_)) {
        saved_ = true;
        notifyChanged();
        remember(fileName_);
        if (saved)
            saved(fileName_);
        return true;
    }
    fileName_.clear();
    saved_ = false;
    notifyChanged();
    dialogs_.message(parent_, platform::MessageKind::Information, texts_.couldNotSave, platform::Ok);
    return false;
}

bool DocumentFile::saveAs()
{
    const QString start = texts_.saveDialogInFolder && !fileName_.isEmpty()
        ? QFileInfo(fileName_).absolutePath()
        : fileName_;
    const bool dialogAsks = texts_.replaceQuestion.isEmpty();
    QString path = dialogs_.saveFileName(parent_, texts_.saveDialogTitle, start, texts_.fileFilter,
                                         dialogAsks ? texts_.extension : QString());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1Char('.') + texts_.extension;
        // The dialog asked about the name as typed; the name with its
        // extension may be another file, asked about before it is replaced.
        if (!dialogAsks && QFileInfo::exists(path)
            && dialogs_.message(parent_, platform::MessageKind::Confirmation, texts_.replaceQuestion.arg(path),
                                platform::Yes | platform::No)
                   != platform::Yes)
            return false;
    }
    fileName_ = path;
    return save();
}

void DocumentFile::remember(const QString& path)
{
    if (recent_ && recent_->add(path) && recentChanged)
        recentChanged();
}

void DocumentFile::notifyChanged()
{
    if (changed)
        changed();
}
