// The wallpaper browser on a folder of 200 full-HD bitmaps: how soon the
// first previews are in the column, how long the window is ever kept from
// answering while they load, and how long the whole folder takes. And the
// magnifier's cost per copy at the largest area, against its 250 ms pace.
//
// Run it under Xvfb (QT_QPA_PLATFORM=xcb) for the magnifier's figures to
// mean a real screen copy; offscreen, the copy is of an empty screen.
#include "../tests/TestServices.h"
#include "desktop/MagnifierView.h"
#include "desktop/MagnifierWindow.h"
#include "desktop/PreviewLoader.h"
#include "desktop/WallpaperHangerWindow.h"
#include "paint/BmpCodec.h"
#include "platform/DesktopWallpaper.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QEventLoop>
#include <QThreadPool>
#include <QTimer>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int FolderSize = 200;

// Lets the event loop run until done() or the time limit.
template <class Done>
void runUntil(Done done, int limitMs)
{
    QElapsedTimer waited;
    waited.start();
    QTimer wake; // so the wait for more events ends in time to look again
    wake.start(5);
    while (!done() && waited.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Made once and kept between runs: 200 different 1920 x 1080 24-bit bitmaps.
QString fullHdFolder()
{
    const QString folder = QDir::temp().filePath(QStringLiteral("orvik-bench-full-hd-bitmaps"));
    QDir dir(folder);
    dir.mkpath(QStringLiteral("."));
    for (int i = 0; i < FolderSize; ++i) {
        const QString path = dir.filePath(QStringLiteral("wallpaper%1.bmp").arg(i, 3, 10, QChar(u'0')));
        if (QFileInfo(path).size() > 6'000'000)
            continue;
        QImage image(1920, 1080, QImage::Format_RGB888);
        QPainter painter(&image);
        QLinearGradient shade(0, 0, 1920, 1080);
        shade.setColorAt(0, QColor::fromHsv((i * 37) % 360, 200, 230));
        shade.setColorAt(1, QColor::fromHsv((i * 37 + 120) % 360, 255, 60));
        painter.fillRect(image.rect(), shade);
        painter.end();
        paint::bmp::writeFile(path, image);
    }
    return folder;
}

void BM_WallpaperHangerFullHdFolder(benchmark::State& state)
{
    const QString folder = fullHdFolder();
    platform::RecordingDesktopRunner runner;
    platform::DesktopRunner::install(&runner);
    TestServices services;

    double firstMs = 0, allMs = 0, longestBlockMs = 0;
    for (auto _ : state) {
        auto* window = new WallpaperHangerWindow(services.services);
        window->openFolder(folder);

        // A heartbeat every 5 ms: the longest gap between two beats, less
        // the 5 ms, is the longest time the window could not answer.
        QElapsedTimer clock;
        qint64 lastBeat = 0, longestGap = 0, first = -1;
        QTimer heartbeat;
        heartbeat.setInterval(5);
        heartbeat.setTimerType(Qt::PreciseTimer);
        QObject::connect(&heartbeat, &QTimer::timeout, [&] {
            const qint64 now = clock.nsecsElapsed();
            longestGap = std::max(longestGap, now - lastBeat);
            lastBeat = now;
            if (first < 0 && !window->previews().isEmpty())
                first = now;
        });
        bool done = false;
        QObject::connect(window, &WallpaperHangerWindow::previewsLoaded, [&] { done = true; });

        clock.start();
        heartbeat.start();
        window->show(); // the first showing starts the loading
        const qint64 shown = clock.nsecsElapsed();
        longestGap = std::max(longestGap, shown);
        lastBeat = shown;
        runUntil([&] { return done; }, 120'000);
        const qint64 all = clock.nsecsElapsed();
        heartbeat.stop();

        if (window->previews().size() != FolderSize)
            state.SkipWithError("not every preview arrived");
        // The worst run counts for the two limits; the whole folder is averaged.
        firstMs = std::max(firstMs, first / 1e6);
        allMs += all / 1e6 / double(state.max_iterations);
        longestBlockMs = std::max(longestBlockMs, std::max<qint64>(0, longestGap - 5'000'000) / 1e6);
        state.SetIterationTime(all / 1e9);
        delete window;
        QThreadPool::globalInstance()->waitForDone();
    }
    state.counters["worst_first_preview_ms"] = firstMs;
    state.counters["all_previews_ms"] = allMs;
    state.counters["worst_longest_block_ms"] = longestBlockMs;
    platform::DesktopRunner::install(nullptr);
}
BENCHMARK(BM_WallpaperHangerFullHdFolder)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// One preview read in the background: a full-HD bitmap read and shrunk.
void BM_FullHdPreview(benchmark::State& state)
{
    const QString file = QDir(fullHdFolder()).filePath(QStringLiteral("wallpaper000.bmp"));
    for (auto _ : state)
        benchmark::DoNotOptimize(desktop::PreviewLoader::readPreview(file, QSize(81, 81)).cacheKey());
}
BENCHMARK(BM_FullHdPreview)->Unit(benchmark::kMillisecond);

// One magnifier tick at 320 x 200, copied and drawn into the view; the
// share of one core is the time over the 250 ms between ticks.
void BM_MagnifierCopy(benchmark::State& state)
{
    TestServices services;
    MagnifierWindow window(services.services);
    window.findChild<QComboBox*>(QStringLiteral("xList"))->setCurrentIndex(31);
    window.findChild<QComboBox*>(QStringLiteral("yList"))->setCurrentIndex(19);
    window.resize(640, 430);
    window.show();
    runUntil([&] { return window.isVisible() && window.view()->isVisible(); }, 2000);
    runUntil([] { return false; }, 200);
    window.copyTimer()->stop();
    QElapsedTimer spent;
    spent.start();
    for (auto _ : state) {
        window.copyScreen();
        window.view()->repaint();
    }
    const double perTick = spent.nsecsElapsed() / 1e9 / double(state.iterations());
    state.counters["share_of_core_pct"] = perTick / 0.250 * 100.0;
}
BENCHMARK(BM_MagnifierCopy)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("ORVIK_MIDI"))
        qputenv("ORVIK_MIDI", "none");
    return runGuiBenchmarks(argc, argv);
}
