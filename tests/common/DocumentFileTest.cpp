#include "common/DocumentFile.h"

#include "ScopedConfigDir.h"
#include "common/RecentFiles.h"
#include "platform/Dialogs.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Records the default suffix each save dialog was given, as the real dialog
// would use it.
class SuffixRecordingDialogs : public platform::ScriptedDialogs {
public:
    QString saveFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter,
                         const QString& defaultSuffix) override
    {
        startedAt.append(folder);
        suffixes.append(defaultSuffix);
        return ScriptedDialogs::saveFileName(parent, caption, folder, filter, defaultSuffix);
    }
    QStringList startedAt;
    QStringList suffixes;
};

const QString Question = QStringLiteral("Do you want to save your current work?");
const QString Failure = QStringLiteral("Could not Save.  \r\n\r\nThe disk may be full.");
const QString Replace = QStringLiteral("%1 already exists.  Replace it?");

class DocumentFileTest : public ::testing::Test {
protected:
    DocumentFile make(bool offersCancel = false, bool dialogAsks = false)
    {
        DocumentFile::Texts texts;
        texts.saveQuestion = Question;
        texts.questionOffersCancel = offersCancel;
        texts.couldNotSave = Failure;
        texts.saveDialogTitle = QStringLiteral("Save Work");
        texts.fileFilter = QStringLiteral("Work files (*.wrk)");
        texts.extension = QStringLiteral("wrk");
        texts.replaceQuestion = dialogAsks ? QString() : Replace;
        DocumentFile document(dialogs, nullptr, texts, [this](const QString& path) {
            written.append(path);
            if (failWrites)
                return false;
            QFile file(path);
            return file.open(QIODevice::WriteOnly) && file.write("work") == 4;
        });
        document.changed = [this] { ++changes; };
        document.saved = [this](const QString& path) { savedPaths.append(path); };
        return document;
    }

    QString file(const QString& name) const { return QDir(folder.path()).filePath(name); }
    QStringList questions() const
    {
        QStringList texts;
        for (const auto& asked : dialogs.asked)
            texts.append(asked.text);
        return texts;
    }

    ScopedConfigDir config;
    QTemporaryDir folder;
    SuffixRecordingDialogs dialogs;
    QStringList written;
    QStringList savedPaths;
    bool failWrites = false;
    int changes = 0;
};

} // namespace

TEST_F(DocumentFileTest, NothingIsAskedWhileTheWorkIsSaved)
{
    DocumentFile document = make();
    EXPECT_TRUE(document.isSaved());
    EXPECT_TRUE(document.maybeSave());
    document.opened(file("a.wrk"), false);
    EXPECT_TRUE(document.maybeSave());
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_TRUE(written.isEmpty());
}

TEST_F(DocumentFileTest, EveryAnswerToTheSaveFirstQuestion)
{
    DocumentFile document = make(true);
    document.opened(file("a.wrk"), false);
    document.setModified();

    dialogs.answers = {platform::Cancel};
    EXPECT_FALSE(document.maybeSave());
    EXPECT_FALSE(document.isSaved());
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].text, Question);
    EXPECT_EQ(dialogs.asked[0].kind, platform::MessageKind::Confirmation);
    EXPECT_EQ(dialogs.asked[0].buttons, platform::Yes | platform::No | platform::Cancel);

    dialogs.answers = {platform::No};
    EXPECT_TRUE(document.maybeSave());   // go on, the work let go unsaved
    EXPECT_TRUE(written.isEmpty());

    dialogs.answers = {platform::Yes};
    EXPECT_TRUE(document.maybeSave());
    EXPECT_EQ(written, QStringList{file("a.wrk")});
    EXPECT_TRUE(document.isSaved());
    EXPECT_EQ(savedPaths, QStringList{file("a.wrk")});

    DocumentFile plain = make(false);
    plain.setModified();
    dialogs.answers = {platform::No};
    EXPECT_TRUE(plain.maybeSave());
    EXPECT_EQ(dialogs.asked.last().buttons, platform::Yes | platform::No);
}

TEST_F(DocumentFileTest, YesWithoutANameAsksForOneAndACancelledDialogKeepsTheWork)
{
    DocumentFile document = make(true);
    document.setModified();
    dialogs.answers = {platform::Yes};
    EXPECT_FALSE(document.maybeSave());   // the save dialog was cancelled
    EXPECT_EQ(dialogs.fileDialogs, QStringList{"Save Work"});
    EXPECT_FALSE(document.isSaved());
    EXPECT_TRUE(written.isEmpty());

    dialogs.answers = {platform::Yes};
    dialogs.fileNames = {file("named.wrk")};
    EXPECT_TRUE(document.maybeSave());
    EXPECT_EQ(document.fileName(), file("named.wrk"));
    EXPECT_TRUE(QFile::exists(file("named.wrk")));
}

TEST_F(DocumentFileTest, AFailedSaveSaysSoForgetsTheNameAndStopsWhatWasAsked)
{
    DocumentFile document = make();
    document.opened(file("a.wrk"), false);
    document.setModified();
    failWrites = true;
    const int before = changes;
    dialogs.answers = {platform::Yes};
    EXPECT_FALSE(document.maybeSave());
    EXPECT_FALSE(document.isSaved());
    EXPECT_TRUE(document.fileName().isEmpty());
    EXPECT_GT(changes, before);   // the caption loses the name
    EXPECT_TRUE(savedPaths.isEmpty());
    ASSERT_EQ(dialogs.asked.size(), 2);
    EXPECT_EQ(dialogs.asked[1].text, Failure);
    EXPECT_EQ(dialogs.asked[1].kind, platform::MessageKind::Information);
    EXPECT_EQ(dialogs.asked[1].buttons, platform::Ok);

    // With the name gone, the next save asks for one.
    failWrites = false;
    dialogs.fileNames = {file("b.wrk")};
    EXPECT_TRUE(document.save());
    EXPECT_EQ(dialogs.fileDialogs.size(), 1);
    EXPECT_EQ(document.fileName(), file("b.wrk"));
}

TEST_F(DocumentFileTest, TheExtensionIsAddedBeforeReplacingIsAsked)
{
    DocumentFile document = make();
    QFile existing(file("old.wrk"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();

    // Typed without its extension, the name means old.wrk, which exists.
    dialogs.fileNames = {file("old")};
    dialogs.answers = {platform::No};
    EXPECT_FALSE(document.saveAs());
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].text, Replace.arg(file("old.wrk")));
    EXPECT_EQ(dialogs.asked[0].buttons, platform::Yes | platform::No);
    EXPECT_TRUE(written.isEmpty());
    EXPECT_EQ(dialogs.suffixes, QStringList{QString()});   // the question is ours

    dialogs.fileNames = {file("old")};
    dialogs.answers = {platform::Yes};
    EXPECT_TRUE(document.saveAs());
    EXPECT_EQ(written, QStringList{file("old.wrk")});

    // A new name gains the extension without a question; a name typed with
    // an extension keeps it and the dialog has asked already.
    dialogs.fileNames = {file("new"), file("other.txt")};
    EXPECT_TRUE(document.saveAs());
    EXPECT_TRUE(document.saveAs());
    EXPECT_EQ(written.mid(1), (QStringList{file("new.wrk"), file("other.txt")}));
    EXPECT_EQ(dialogs.asked.size(), 2);
}

TEST_F(DocumentFileTest, WithoutItsOwnQuestionTheSaveDialogGetsTheExtension)
{
    DocumentFile document = make(false, true);
    dialogs.fileNames = {file("picture")};
    EXPECT_TRUE(document.saveAs());
    EXPECT_EQ(dialogs.suffixes, QStringList{"wrk"});
    EXPECT_EQ(document.fileName(), file("picture.wrk"));
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(DocumentFileTest, TheSaveDialogStartsOnTheFileOrInItsFolder)
{
    DocumentFile onFile = make();
    onFile.opened(file("a.wrk"), false);
    onFile.saveAs();   // cancelled
    DocumentFile::Texts texts;
    texts.saveDialogInFolder = true;
    texts.extension = QStringLiteral("wrk");
    texts.replaceQuestion = Replace;
    DocumentFile inFolder(dialogs, nullptr, texts, [](const QString&) { return true; });
    inFolder.saveAs();
    inFolder.opened(file("a.wrk"), false);
    inFolder.saveAs();
    EXPECT_EQ(dialogs.startedAt, (QStringList{file("a.wrk"), QString(), folder.path()}));
}

TEST_F(DocumentFileTest, SavedAndOpenedFilesGoOnTheRecentList)
{
    RecentFiles recent(QStringLiteral("Orvik 2000\\Work"));
    DocumentFile document = make();
    int listChanges = 0;
    document.setRecentFiles(&recent);
    document.recentChanged = [&listChanges] { ++listChanges; };

    document.opened(file("seen.wrk"), false);   // opened, but not to be remembered
    EXPECT_TRUE(recent.slot(1).isEmpty());
    document.opened(file("a.wrk"));
    EXPECT_EQ(recent.slot(1), file("a.wrk"));
    dialogs.fileNames = {file("b.wrk")};
    document.saveAs();
    EXPECT_EQ(recent.slot(2), file("b.wrk"));
    EXPECT_EQ(listChanges, 2);
    document.save();   // saved again: it moves to the head of the list
    EXPECT_EQ(recent.slot(1), file("b.wrk"));
    EXPECT_EQ(listChanges, 3);
    document.save();   // at the head already: nothing to tell
    EXPECT_EQ(listChanges, 3);

    failWrites = true;
    document.reset();
    document.setModified();
    dialogs.fileNames = {file("c.wrk")};
    EXPECT_FALSE(document.save());
    EXPECT_TRUE(recent.slot(3).isEmpty());   // a failed save is not remembered
}
