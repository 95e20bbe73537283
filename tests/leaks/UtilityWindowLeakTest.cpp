#include "UtilityCatalog.h"

#include "TestServices.h"

#include <QCoreApplication>
#include <QFile>
#include <QPixmapCache>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <malloc.h>
#include <unistd.h>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORVIK_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define ORVIK_UNDER_ASAN 1
#endif

namespace {

constexpr int Rounds = 200;
constexpr int WarmUpRounds = 20;
constexpr qint64 AllowedGrowthPerWindow = qint64(1) << 20;
constexpr qint64 AllowedGrowthAllWindows = qint64(2) << 20;

// Qt's pixmap cache keeps the style's drawings of every window's buttons
// and frames, up to 10 MB: a bounded cache, not memory the windows keep.
// It is emptied before every measure. Its table of the drawings' names is
// not (Qt 6.4 keeps every name it was given), and a name is made from the
// control's palette: a window whose controls get new palettes at every
// opening (a palette set on the window, a picture drawn afresh) shows here
// as a few kilobytes an opening.
void dropBoundedCaches() { QPixmapCache::clear(); }

// Heap the program still holds, as the allocator counts it.
qint64 heapInUse()
{
    dropBoundedCaches();
    return qint64(mallinfo2().uordblks);
}

// Resident memory of this process, with freed heap handed back first.
qint64 residentBytes()
{
    dropBoundedCaches();
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

// Opens the utility's window as the menu does, shows it, closes it the way a
// user does and lets it go: a window that only hides on close is deleted,
// as the program deletes it when it ends.
void openAndClose(const UtilityEntry& utility, TestServices& test, int& releases)
{
    QPointer<QWidget> window = utility.create(test.services, nullptr, [&releases] { ++releases; });
    ASSERT_TRUE(window) << utility.caption.toStdString();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window)) << utility.caption.toStdString();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete window.data();
    // The recording MIDI device of the test keeps every note played.
    test.recorded->messages.clear();
}

} // namespace

// Every window of the catalogue, those added later included, opened and
// closed 200 times in one process: the heap the program still holds grows
// by less than 1 MB for each window and by less than 2 MB for all of them
// together. A window left behind on every closing
// holds tens of kilobytes at the least, so its openings would pass that
// many times over; what stays below it is Qt's own bookkeeping settling
// (the total is printed). The resident memory is measured and printed too,
// but it also counts pages the allocator keeps fragmented, which no
// malloc_trim gives back, so the heap is what is held to the limit. After a
// warm-up round of every window (fonts and shared pictures fill then), each
// window is opened its remaining times in a row, so the growth is told
// window by window. Under
// AddressSanitizer freed memory sits in quarantine and the allocator is
// another, so there the figures are only printed and LeakSanitizer, at the
// end of the process, says what was never freed.
TEST(UtilityWindowLeaks, EveryWindowOpenedAndClosed200TimesKeepsNoMemory)
{
    const std::vector<UtilityEntry> catalogue = utilityCatalog();
    ASSERT_FALSE(catalogue.empty());
    const int rounds = qEnvironmentVariableIntValue("ORVIK_LEAK_ROUNDS") > WarmUpRounds
                           ? qEnvironmentVariableIntValue("ORVIK_LEAK_ROUNDS")
                           : Rounds;
    TestServices test;
    int releases = 0;
    for (int round = 0; round < WarmUpRounds; ++round)
        for (const UtilityEntry& utility : catalogue) {
            openAndClose(utility, test, releases);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    qint64 residentTotal = 0;
    qint64 heapTotal = 0;
    for (const UtilityEntry& utility : catalogue) {
        const qint64 residentBefore = residentBytes();
        const qint64 heapBefore = heapInUse();
        ASSERT_GT(residentBefore, 0);
        for (int round = WarmUpRounds; round < rounds; ++round) {
            openAndClose(utility, test, releases);
            if (::testing::Test::HasFatalFailure())
                return;
        }
        const qint64 heapGrowth = heapInUse() - heapBefore;
        const qint64 residentGrowth = residentBytes() - residentBefore;
        residentTotal += residentGrowth;
        heapTotal += heapGrowth;
#ifndef ORVIK_UNDER_ASAN
        EXPECT_LT(heapGrowth, AllowedGrowthPerWindow) << qPrintable(utility.caption);
#endif
        std::printf("%-24s %3d more times: heap in use %+lld bytes, resident memory %+lld bytes\n",
                    qPrintable(utility.caption), rounds - WarmUpRounds, static_cast<long long>(heapGrowth),
                    static_cast<long long>(residentGrowth));
    }
    std::printf("all windows: heap in use %+lld bytes, resident memory %+lld bytes\n",
                static_cast<long long>(heapTotal), static_cast<long long>(residentTotal));
#ifndef ORVIK_UNDER_ASAN
    EXPECT_LT(heapTotal, AllowedGrowthAllWindows);
#endif
    EXPECT_TRUE(test.dialogs.asked.isEmpty());
    EXPECT_GT(releases, 0);
}
