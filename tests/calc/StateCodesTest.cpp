#include "calc/StateCodes.h"

#include "platform/ConfigDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>

using namespace statecodes;

TEST(StateCodes, ListsInTheirStoredOrders)
{
    const QStringList codes = byCodeItems();
    const QStringList states = byStateItems();
    ASSERT_EQ(codes.size(), 58);
    ASSERT_EQ(states.size(), 58);
    EXPECT_EQ(codes.first(), "AK    Alaska");
    EXPECT_EQ(codes[10], "FM    Federated Micronesia");
    EXPECT_EQ(codes[11], "FL    Florida");
    EXPECT_EQ(codes[43], "PW    Palan Islands");
    EXPECT_EQ(codes[55], "WK    Wake");
    EXPECT_EQ(codes.last(), "WY    Wyoming");
    EXPECT_EQ(states.first(), "Alaska                  AK");
    EXPECT_EQ(states[9], "District of Columbia    DC");
    EXPECT_EQ(states[10], "Federated Micronesia    FM");
    // The stored order puts the Norths before the News.
    EXPECT_EQ(states[34], "North Carolina          NC");
    EXPECT_EQ(states[36], "New Hampshire           NH");
    EXPECT_EQ(states.last(), "Wyoming                 WY");

    // The same 58 entries in both: every name carries the first list's code.
    QSet<QString> fromCodes;
    for (const QString& item : codes) {
        ASSERT_EQ(item.mid(2, 4), "    ");
        fromCodes.insert(item.mid(6) + QLatin1Char('|') + item.left(2));
    }
    QSet<QString> fromStates;
    for (const QString& item : states) {
        ASSERT_EQ(item.size(), 26) << item.toStdString();
        fromStates.insert(item.left(24).trimmed() + QLatin1Char('|') + item.right(2));
    }
    EXPECT_EQ(fromCodes.size(), 58);
    EXPECT_EQ(fromCodes, fromStates);
    EXPECT_FALSE(codes.join(' ').contains("New York"));
    EXPECT_FALSE(codes.join(' ').contains("New Mexico"));
}

class StateCodesProfile : public ::testing::Test {
protected:
    void TearDown() override
    {
        for (const QString& name : QDir(platform::configDir()).entryList({"*.ini", "*.Ini", "*.INI"}, QDir::Files))
            QFile::remove(QDir(platform::configDir()).filePath(name));
    }
    QString write(const QString& name, const QByteArray& text)
    {
        QDir().mkpath(platform::configDir());
        const QString path = QDir(platform::configDir()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }
};

TEST_F(StateCodesProfile, MaximisedOnlyForExactlyOneWhateverTheCaseOfTheNames)
{
    EXPECT_FALSE(maximisedInProfile(profilePath())); // no file: default "F"
    const QString path = write("ORVIK.INI", "[screensize]\nusstatecodes = 1\n");
    EXPECT_EQ(profilePath(), path);
    EXPECT_TRUE(maximisedInProfile(path));
    int padding = 0;
    for (const char* other : {"F", "01", "", "true"}) {
        // A new length each time, so the settings cache sees a new file
        // even within the same millisecond.
        write("ORVIK.INI", QByteArray("[ScreenSize]\nUSStateCodes=") + other + "\n" + QByteArray(++padding, ';'));
        EXPECT_FALSE(maximisedInProfile(path)) << other;
    }
    write("ORVIK.INI", "[Other]\nUSStateCodes=1\n");
    EXPECT_FALSE(maximisedInProfile(path));
}
