#include "common/RecentFiles.h"

#include <QStringList>
#include <gtest/gtest.h>

#include "ScopedConfigDir.h"
#include "common/SettingsStore.h"

namespace {

const QString duza = QStringLiteral("Orvik 2000\\Duza Zidova");

class RecentFilesTest : public ::testing::Test {
protected:
    // Stores the four slots as a window of an earlier run left them.
    void store(const QStringList& values)
    {
        SettingsStore settings(duza);
        for (int i = 0; i < values.size(); ++i)
            settings.writeString("Files", QStringLiteral("File%1").arg(i + 1), values[i]);
    }
    QStringList stored()
    {
        SettingsStore settings(duza);
        QStringList values;
        for (int number = 1; number <= 4; ++number)
            values << settings.readString("Files", QStringLiteral("File%1").arg(number), "<missing>");
        return values;
    }
    static QStringList slotsOf(const RecentFiles& list)
    {
        QStringList values;
        for (int number = 1; number <= RecentFiles::SlotCount; ++number)
            values << list.slot(number);
        return values;
    }
    RecentFiles readList()
    {
        RecentFiles list(duza);
        list.read();
        return list;
    }

    ScopedConfigDir config;
};

TEST_F(RecentFilesTest, FirstRunHasFourEmptySlots)
{
    const RecentFiles list = readList();
    EXPECT_EQ(slotsOf(list), QStringList({"", "", "", ""}));
    EXPECT_EQ(list.caption(1), "1. ");
    EXPECT_EQ(list.caption(4), "4. ");
}

TEST_F(RecentFilesTest, NoneAndEmptyValuesAreEmptySlots)
{
    store({"/a.bmp", "none", "", "/d.bmp"});
    const RecentFiles list = readList();
    EXPECT_EQ(slotsOf(list), QStringList({"/a.bmp", "", "", "/d.bmp"}));
    EXPECT_EQ(list.caption(1), "1. /a.bmp");
    EXPECT_EQ(list.caption(2), "2. ");
    EXPECT_EQ(list.caption(4), "4. /d.bmp");
}

TEST_F(RecentFilesTest, NewFilesFillTheFirstEmptySlot)
{
    RecentFiles list = readList();
    EXPECT_TRUE(list.add("/a.bmp"));
    EXPECT_TRUE(list.add("/b.bmp"));
    EXPECT_EQ(slotsOf(list), QStringList({"/a.bmp", "/b.bmp", "", ""}));
    EXPECT_EQ(stored(), QStringList({"/a.bmp", "/b.bmp", "", ""})) << "empty slots written as \"\"";
}

TEST_F(RecentFilesTest, GapIsFilledBeforeLaterSlots)
{
    store({"/a.bmp", "", "/c.bmp", ""});
    RecentFiles list = readList();
    EXPECT_TRUE(list.add("/new.bmp"));
    EXPECT_EQ(slotsOf(list), QStringList({"/a.bmp", "/new.bmp", "/c.bmp", ""}));
}

TEST_F(RecentFilesTest, FileAlreadyFirstChangesNothingAndWritesNothing)
{
    store({"/a.bmp", "/b.bmp", "/c.bmp", "/d.bmp"});
    RecentFiles list = readList();
    // Changed behind the list's back: a write of the list would undo it.
    store({"/a.bmp", "/elsewhere.bmp"});
    EXPECT_FALSE(list.add("/a.bmp"));
    EXPECT_EQ(slotsOf(list), QStringList({"/a.bmp", "/b.bmp", "/c.bmp", "/d.bmp"}));
    EXPECT_EQ(stored(), QStringList({"/a.bmp", "/elsewhere.bmp", "/c.bmp", "/d.bmp"}));
}

TEST_F(RecentFilesTest, FileInThirdSlotSwapsWithTheFirst)
{
    store({"/a.bmp", "/b.bmp", "/c.bmp", "/d.bmp"});
    RecentFiles list = readList();
    EXPECT_TRUE(list.add("/c.bmp"));
    EXPECT_EQ(slotsOf(list), QStringList({"/c.bmp", "/b.bmp", "/a.bmp", "/d.bmp"}));
    EXPECT_EQ(stored(), slotsOf(list));
}

TEST_F(RecentFilesTest, FileInLastSlotSwapsWithTheFirst)
{
    store({"/a.bmp", "/b.bmp", "", "/d.bmp"});
    RecentFiles list = readList();
    EXPECT_TRUE(list.add("/d.bmp"));
    EXPECT_EQ(slotsOf(list), QStringList({"/d.bmp", "/b.bmp", "", "/a.bmp"}));
}

TEST_F(RecentFilesTest, FifthFileMovesTheListUpAndDropsTheFirst)
{
    store({"/a.bmp", "/b.bmp", "/c.bmp", "/d.bmp"});
    RecentFiles list = readList();
    EXPECT_TRUE(list.add("/e.bmp"));
    EXPECT_EQ(slotsOf(list), QStringList({"/b.bmp", "/c.bmp", "/d.bmp", "/e.bmp"}));
    EXPECT_EQ(stored(), slotsOf(list));
}

TEST_F(RecentFilesTest, NamesDifferingInCaseAreDifferentFiles)
{
    store({"/pics/Cat.bmp", "/pics/dog.bmp"});
    RecentFiles list = readList();
    EXPECT_TRUE(list.add("/pics/cat.bmp"));
    EXPECT_TRUE(list.add("/pics/Dog.bmp"));
    EXPECT_EQ(slotsOf(list),
              QStringList({"/pics/Cat.bmp", "/pics/dog.bmp", "/pics/cat.bmp", "/pics/Dog.bmp"}));
}

TEST_F(RecentFilesTest, EmptyNameIsIgnored)
{
    store({"/a.bmp"});
    RecentFiles list = readList();
    EXPECT_FALSE(list.add(""));
    EXPECT_EQ(slotsOf(list), QStringList({"/a.bmp", "", "", ""}));
    EXPECT_EQ(stored(), QStringList({"/a.bmp", "<missing>", "<missing>", "<missing>"}));
}

TEST_F(RecentFilesTest, ListOutlivesTheWindowThatKeptIt)
{
    {
        RecentFiles list = readList();
        list.add("/x/first.bmp");
        list.add("/x/second, with comma.bmp");
    }
    EXPECT_EQ(slotsOf(readList()), QStringList({"/x/first.bmp", "/x/second, with comma.bmp", "", ""}));
}

TEST_F(RecentFilesTest, EachModuleKeepsItsOwnList)
{
    RecentFiles pictures = readList();
    RecentFiles timings(QStringLiteral("Orvik 2000\\Stopwatch"));
    timings.read();
    pictures.add("/p.bmp");
    timings.add("/t.tim");

    RecentFiles timingsAgain(QStringLiteral("Orvik 2000\\Stopwatch"));
    timingsAgain.read();
    EXPECT_EQ(slotsOf(timingsAgain), QStringList({"/t.tim", "", "", ""}));
    EXPECT_EQ(slotsOf(readList()), QStringList({"/p.bmp", "", "", ""}));
}

} // namespace
