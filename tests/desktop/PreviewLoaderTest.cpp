#include "desktop/PreviewLoader.h"

#include "DesktopTestFiles.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QThreadPool>

namespace {

using desktop::PreviewLoader;

struct Arrival {
    int position;
    QString file;
    QImage picture;
};

struct PreviewLoaderTest : ::testing::Test {
    PreviewLoaderTest()
    {
        QObject::connect(&loader, &PreviewLoader::previewReady,
                         [this](int position, const QString& file, const QImage& picture) {
                             arrivals.push_back({position, file, picture});
                         });
        QObject::connect(&loader, &PreviewLoader::finished, [this](int count) { finishedWith.push_back(count); });
    }
    bool waitForFinish() { return QTest::qWaitFor([this] { return !finishedWith.empty(); }, 20000); }

    QTemporaryDir dir;
    QDir folder{dir.path()};
    PreviewLoader loader{QSize(81, 81)};
    std::vector<Arrival> arrivals;
    std::vector<int> finishedWith;
};

} // namespace

TEST_F(PreviewLoaderTest, UnreadableFilesGetNoPreviewAndTheNextGoodFileTakesTheirPosition)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage(10, 10, QImage::Format_RGB32).save(&buffer, "PNG");

    const QStringList files = {
        testfiles::writeBitmap(folder, "a.bmp", Qt::red),
        testfiles::writeDamagedBitmap(folder, "b.bmp"),
        testfiles::writeBitmap(folder, "c.bmp", Qt::blue, QSize(300, 7)),
        folder.filePath("gone.bmp"),
        testfiles::writeBytes(folder, "d.bmp", png), // a picture, but no bitmap
        testfiles::writeBytes(folder, "e.bmp", {}),
        testfiles::writeBitmap(folder, "f.bmp", Qt::yellow, QSize(1, 1)),
    };
    loader.load(files);
    EXPECT_TRUE(loader.loading());
    ASSERT_TRUE(waitForFinish());
    EXPECT_FALSE(loader.loading());

    ASSERT_EQ(arrivals.size(), 3u);
    const QStringList expected = {files[0], files[2], files[6]};
    const QList<QColor> colours = {Qt::red, Qt::blue, Qt::yellow};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(arrivals[i].position, i);
        EXPECT_EQ(arrivals[i].file, expected[i]);
        // Stretched over the whole preview, whatever the picture's shape.
        EXPECT_EQ(arrivals[i].picture.size(), QSize(81, 81));
        EXPECT_EQ(arrivals[i].picture.pixelColor(40, 40), colours[i]);
    }
    EXPECT_EQ(finishedWith, std::vector<int>{3});
}

TEST_F(PreviewLoaderTest, NoFilesFinishAtOnceWithNoPreviews)
{
    loader.load({});
    ASSERT_TRUE(waitForFinish());
    EXPECT_TRUE(arrivals.empty());
    EXPECT_EQ(finishedWith, std::vector<int>{0});
}

TEST_F(PreviewLoaderTest, ANewLoadEndsTheOldOneAndNothingOfItArrivesLater)
{
    QStringList first, second;
    for (int i = 0; i < 40; ++i)
        first << testfiles::writeBitmap(folder, QString("old%1.bmp").arg(i, 2, 10, QChar('0')), Qt::gray,
                                        QSize(400, 300));
    for (int i = 0; i < 3; ++i)
        second << testfiles::writeBitmap(folder, QString("new%1.bmp").arg(i), Qt::white);

    loader.load(first);
    // Some old previews are read and on their way, not yet handed over, when
    // the course changes.
    QThread::msleep(60);
    loader.load(second);
    ASSERT_TRUE(waitForFinish());
    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(20);

    ASSERT_EQ(arrivals.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(arrivals[i].position, i);
        EXPECT_EQ(arrivals[i].file, second[i]);
    }
    EXPECT_EQ(finishedWith, std::vector<int>{3});
}

TEST_F(PreviewLoaderTest, CancelledOrDestroyedLoadersHearNothingMore)
{
    QStringList files;
    for (int i = 0; i < 30; ++i)
        files << testfiles::writeBitmap(folder, QString("p%1.bmp").arg(i), Qt::gray, QSize(400, 300));

    loader.load(files);
    loader.cancel();
    EXPECT_FALSE(loader.loading());

    // A loader that goes while its job runs: the job notices and stops.
    int heard = 0;
    auto* doomed = new PreviewLoader(QSize(81, 81));
    QObject::connect(doomed, &PreviewLoader::previewReady, [&heard] { ++heard; });
    doomed->load(files);
    QThread::msleep(60); // previews on their way
    delete doomed;

    QThreadPool::globalInstance()->waitForDone();
    QTest::qWait(20);
    EXPECT_TRUE(arrivals.empty());
    EXPECT_TRUE(finishedWith.empty());
    EXPECT_EQ(heard, 0);
}

TEST_F(PreviewLoaderTest, AFolderThatVanishesWhileLoadingEndsQuietly)
{
    QTemporaryDir vanishing;
    QStringList files;
    for (int i = 0; i < 60; ++i)
        files << testfiles::writeBitmap(QDir(vanishing.path()), QString("v%1.bmp").arg(i, 2, 10, QChar('0')),
                                        Qt::cyan, QSize(400, 300));
    loader.load(files);
    ASSERT_TRUE(vanishing.remove());
    ASSERT_TRUE(waitForFinish());

    ASSERT_EQ(finishedWith.size(), 1u);
    EXPECT_EQ(finishedWith[0], int(arrivals.size()));
    EXPECT_LT(arrivals.size(), files.size());
    // Those read before their files went, numbered without gaps, in file order.
    int previous = -1;
    for (size_t i = 0; i < arrivals.size(); ++i) {
        EXPECT_EQ(arrivals[i].position, int(i));
        const int index = files.indexOf(arrivals[i].file);
        EXPECT_GT(index, previous);
        previous = index;
    }
}
