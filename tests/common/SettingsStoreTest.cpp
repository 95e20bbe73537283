#include "common/SettingsStore.h"

#include "platform/Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Readable failure messages for QString comparisons.
static void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace {

const QString duza = QStringLiteral("Orvik 2000\\Duza Zidova");

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void putFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

// Permission bits do not stop root, which tests often run as.
bool makeReadOnly(const QString& dir)
{
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    QFile probe(dir + "/probe");
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return false;
}

QStringList messages;
void recordMessage(QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; }

// A config folder of its own per test, so the once-per-file check starts
// afresh even when every test runs in one process.
class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { useConfigDir(root_.path() + "/config"); }
    void TearDown() override
    {
        platform::Clock::install(nullptr);
        QFile::setPermissions(dir_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("ORVIK_CONFIG_DIR", previous_);
    }
    void useConfigDir(const QString& dir)
    {
        dir_ = dir;
        QDir().mkpath(dir);
        qputenv("ORVIK_CONFIG_DIR", dir.toLocal8Bit());
    }
    QStringList movedAside() const
    {
        return QDir(dir_).entryList({"HKEY_CURRENT_USER.ini.corrupt-*"}, QDir::Files, QDir::Name);
    }

    QTemporaryDir root_;
    QString dir_;
    QByteArray previous_ = qgetenv("ORVIK_CONFIG_DIR");
};

TEST_F(SettingsStoreTest, MissingValuesGiveTheDefaultAndWritesReplace)
{
    SettingsStore store(duza);
    EXPECT_EQ(store.readString("Files", "File1", "none"), "none");
    EXPECT_FALSE(QFile::exists(SettingsStore::filePath())) << "reading alone creates no file";
    store.writeString("Files", "File1", "/a.bmp");
    store.writeString("Files", "File1", "/b.bmp");
    EXPECT_EQ(store.readString("Files", "File1", "none"), "/b.bmp");
    EXPECT_EQ(store.readString("Files", "File2", "none"), "none");
    EXPECT_EQ(SettingsStore("Orvik 2000\\Anniversary").readString("Files", "File1", "d"), "d");
}

TEST_F(SettingsStoreTest, ValuesRoundTripExactly)
{
    const QStringList values = {
        "", "  leading and trailing  ", "a,b", "/home/me/beach, sunset.bmp", "ColorA=FFFFFF",
        "\"quoted\"", "@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\nQTextCursor)", "@ByteArray(abc)", "@",
        "true", "; not a comment", "[Section]", "%20", "C:\\WINDOWS\\Setup.bmp\\",
        QString::fromUtf8("Žluťoučký kůň € 日本"), "one\r\ntwo\tthree",
    };
    for (int i = 0; i < values.size(); ++i)
        SettingsStore(duza).writeString("Values", QString("V%1").arg(i), values[i]);
    SettingsStore reopened(duza);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(reopened.readString("Values", QString("V%1").arg(i), "<missing>"), values[i]) << i;
}

TEST_F(SettingsStoreTest, ModulesSectionsAndNamesAreKeptApart)
{
    SettingsStore paint(duza);
    SettingsStore watch("Orvik 2000\\Stopwatch");
    paint.writeString("Files", "File1", "in section");
    paint.writeString("", "File1", "under the module");
    paint.writeString("Sub Key\\Deeper Key", "Value Name", "deep");
    paint.writeString("Sub Key", "Back\\Slash", "literal");
    watch.writeString("Files", "File1", "/timings/one.tim");

    SettingsStore again(duza);
    EXPECT_EQ(again.readString("Files", "File1", ""), "in section");
    EXPECT_EQ(again.readString("", "File1", ""), "under the module");
    EXPECT_EQ(again.readString("Sub Key\\Deeper Key", "Value Name", ""), "deep");
    EXPECT_EQ(again.readString("Sub Key", "Value Name", "none"), "none");
    EXPECT_EQ(again.readString("Sub Key", "Back\\Slash", ""), "literal");
    // A backslash in a value name is part of the name, not a subkey.
    EXPECT_EQ(again.readString("Sub Key\\Back", "Slash", "none"), "none");
    EXPECT_EQ(SettingsStore("Orvik 2000").readString("Duza Zidova\\Sub Key\\Deeper Key", "Value Name", ""),
              "deep");
    EXPECT_EQ(watch.readString("Files", "File1", ""), "/timings/one.tim");
    EXPECT_EQ(watch.readString("", "File1", "none"), "none");
}

TEST_F(SettingsStoreTest, FileShowsTheNestingUnderTheUsersRoot)
{
    EXPECT_EQ(SettingsStore::filePath(), dir_ + "/HKEY_CURRENT_USER.ini");
    SettingsStore(duza).writeString("Files", "File1", "/home/me/pic.bmp");
    SettingsStore(duza).writeString("", "Version", "1.01");
    SettingsStore("Control Panel\\Desktop").writeString("", "TileWallpaper", "1");
    const QString text = QString::fromUtf8(fileBytes(SettingsStore::filePath()));
    EXPECT_EQ(text.split('\n', Qt::SkipEmptyParts),
              QStringList({"[Control%20Panel]", "Desktop\\TileWallpaper=1", "[Orvik%202000]",
                           "Duza%20Zidova\\Files\\File1=/home/me/pic.bmp", "Duza%20Zidova\\Version=1.01"}));
}

TEST_F(SettingsStoreTest, StoresOnOneFileSeeEachOthersWrites)
{
    SettingsStore first(duza);
    SettingsStore second(duza);
    EXPECT_EQ(first.readString("Defaults", "Width", "25"), "25");
    second.writeString("Defaults", "Width", "40");
    first.writeString("Defaults", "Height", "30");
    EXPECT_EQ(first.readString("Defaults", "Width", ""), "40");
    EXPECT_EQ(second.readString("Defaults", "Height", ""), "30");
}

TEST_F(SettingsStoreTest, HandWrittenFileIsReadInPlace)
{
    useConfigDir(root_.path() + "/not/yet/there");
    QDir().rmdir(dir_);
    SettingsStore(duza).writeString("", "A", "1");
    EXPECT_TRUE(QFile::exists(dir_ + "/HKEY_CURRENT_USER.ini")) << "the folder is created";

    putFile(SettingsStore::filePath(), "[Orvik%202000]\r\nDuza%20Zidova\\Files\\File1=/home/me/a,b.bmp\r\n");
    // Unquoted commas make a list in QSettings; it is put back together.
    EXPECT_EQ(SettingsStore(duza).readString("Files", "File1", ""), "/home/me/a,b.bmp");
    EXPECT_TRUE(movedAside().isEmpty());
}

TEST_F(SettingsStoreTest, UnparsableFilesAreMovedAsideAndDefaultsUsed)
{
    const QList<QByteArray> damaged = {
        "[Orvik%202000]\nDuza%20Zidova\\Files\\File1=/x.bmp\n[Orvik%20200\nA=1\n",
        "[Orvik%202000]\nDuza%20Zidova\\Files\\File1=/x" + QByteArray(3, '\0') + ".bmp\n",
        "[Orvik%202000]\nDuza%20Zidova\\Files\\File1=/x\xff\xfe.bmp\n",
        QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16),
    };
    platform::ManualClock clock(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 2, 750)));
    platform::Clock::install(&clock);
    for (int i = 0; i < damaged.size(); ++i) {
        useConfigDir(root_.path() + QString("/damaged%1").arg(i));
        putFile(SettingsStore::filePath(), damaged[i]);

        SettingsStore store(duza);
        EXPECT_EQ(store.readString("Files", "File1", "none"), "none") << i;
        store.writeString("Files", "File1", "/y.bmp");
        EXPECT_EQ(SettingsStore(duza).readString("Files", "File1", ""), "/y.bmp") << i;
        EXPECT_EQ(movedAside(), QStringList({"HKEY_CURRENT_USER.ini.corrupt-20260307-090502"})) << i;
        EXPECT_EQ(fileBytes(dir_ + "/HKEY_CURRENT_USER.ini.corrupt-20260307-090502"), damaged[i]) << i;
    }
}

TEST_F(SettingsStoreTest, FilesOverOneMegabyteAreTakenForDamaged)
{
    platform::ManualClock clock(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 2)));
    platform::Clock::install(&clock);
    const QByteArray head = "[Orvik%202000]\nDuza%20Zidova\\Files\\File1=/x.bmp\n";
    // Exactly the limit: a comment pads a valid file, which is read in place.
    const QByteArray atLimit = head + ';' + QByteArray(SettingsStore::MaxFileSize - head.size() - 2, 'c') + '\n';
    ASSERT_EQ(atLimit.size(), SettingsStore::MaxFileSize);
    useConfigDir(root_.path() + "/atLimit");
    putFile(SettingsStore::filePath(), atLimit);
    EXPECT_EQ(SettingsStore(duza).readString("Files", "File1", "none"), "/x.bmp");
    EXPECT_TRUE(movedAside().isEmpty());

    // One byte more: moved aside whole, defaults used, and writes go to a new file.
    useConfigDir(root_.path() + "/overLimit");
    putFile(SettingsStore::filePath(), atLimit + '\n');
    SettingsStore store(duza);
    EXPECT_EQ(store.readString("Files", "File1", "none"), "none");
    ASSERT_EQ(movedAside(), QStringList({"HKEY_CURRENT_USER.ini.corrupt-20260307-090502"}));
    EXPECT_EQ(fileBytes(dir_ + "/" + movedAside().first()), atLimit + '\n');
    for (int i = 1; i <= 3; ++i) {
        store.writeString("Files", QString("File%1").arg(i), QString("/%1.bmp").arg(i));
        // Each write is on disk before the next one, not only in memory.
        EXPECT_TRUE(fileBytes(SettingsStore::filePath()).contains(QString("File%1=/%1.bmp").arg(i).toUtf8())) << i;
    }
    EXPECT_LT(QFileInfo(SettingsStore::filePath()).size(), 200);
}

TEST_F(SettingsStoreTest, DamagedFilesAreMovedOnceAndNeverOverwritten)
{
    platform::ManualClock clock(QDateTime(QDate(2026, 3, 7), QTime(9, 5, 2)));
    platform::Clock::install(&clock);
    const QString stamp = SettingsStore::filePath() + ".corrupt-20260307-090502";
    putFile(stamp, "older");
    putFile(SettingsStore::filePath(), "[Broken\n");
    EXPECT_EQ(SettingsStore(duza).readString("", "A", "d"), "d");
    EXPECT_EQ(fileBytes(stamp), "older");
    EXPECT_EQ(fileBytes(stamp + "-2"), "[Broken\n");

    // Checked on first use only: later damage in this process stays put.
    putFile(SettingsStore::filePath(), "[Broken again\n");
    SettingsStore later(duza);
    EXPECT_EQ(movedAside().size(), 2);
    EXPECT_EQ(fileBytes(SettingsStore::filePath()), "[Broken again\n");
}

TEST_F(SettingsStoreTest, UnwritableFolderNeverStopsTheProgram)
{
    QString folder = dir_;
    if (!makeReadOnly(folder)) {  // root: a folder below a plain file can never be made
        putFile(root_.path() + "/plain", "");
        folder = root_.path() + "/plain/config";
    }
    useConfigDir(folder);
    messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordMessage);
    SettingsStore store(duza);
    EXPECT_NO_THROW(store.writeString("Defaults", "Width", "40"));
    const QString width = store.readString("Defaults", "Width", "25");
    qInstallMessageHandler(previous);

    EXPECT_EQ(width, "25");
    EXPECT_TRUE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    EXPECT_TRUE(messages.isEmpty()) << messages.join('\n').toStdString();
}

TEST_F(SettingsStoreTest, ReadOnlyFolderKeepsItsFileUntouched)
{
    const QByteArray good = "[Orvik%202000]\nDuza%20Zidova\\Defaults\\Width=40\n";
    const QByteArray damaged = good + "[Broken\n";
    useConfigDir(root_.path() + "/good");
    putFile(SettingsStore::filePath(), good);
    const QString goodDir = dir_;
    useConfigDir(root_.path() + "/damaged");
    putFile(SettingsStore::filePath(), damaged);
    if (!makeReadOnly(dir_) || !makeReadOnly(goodDir))
        GTEST_SKIP() << "permissions are not enforced for this user (root)";

    // A damaged file that cannot be moved aside is neither trusted nor overwritten.
    SettingsStore(duza).writeString("Defaults", "Width", "50");
    EXPECT_EQ(SettingsStore(duza).readString("Defaults", "Width", "25"), "25");
    EXPECT_EQ(fileBytes(SettingsStore::filePath()), damaged);

    useConfigDir(goodDir);
    SettingsStore(duza).writeString("Defaults", "Width", "50");
    EXPECT_EQ(SettingsStore(duza).readString("Defaults", "Width", "25"), "40");
    EXPECT_EQ(fileBytes(SettingsStore::filePath()), good);
}

} // namespace
