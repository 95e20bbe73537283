// Processor share of Vuroz Uzid and Bingo / Lottery while they animate (the
// running light at each speed; the ball machine turning with a ball dropped
// every second), and while their windows sit inactive. Each iteration runs
// the window for a second of wall time; cpu_percent is the process's
// processor time over that second. The offscreen platform leaves out the
// display server's own share.
#include "../tests/TestServices.h"
#include "games/LotteryWindow.h"
#include "games/SkillStopWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QTimer>
#include <QToolButton>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

namespace {

double processorMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

void runEvents(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void makeActive(QWidget* window)
{
    window->activateWindow();
    for (int i = 0; i < 100 && !window->isActiveWindow(); ++i)
        runEvents(10);
}

// One second of the window's life per iteration; what it cost is the counter.
template <class Prepare, class EverySecond>
void measure(benchmark::State& state, QWidget* window, TestServices& s, Prepare prepare, EverySecond everySecond)
{
    window->show();
    prepare();
    runEvents(200);
    double cpuTotal = 0;
    double wallTotal = 0;
    for (auto _ : state) {
        s.recorded->messages.clear();
        QElapsedTimer wall;
        const double before = processorMs();
        wall.start();
        everySecond();
        runEvents(1000);
        const double cpu = processorMs() - before;
        const double seconds = wall.nsecsElapsed() / 1e9;
        cpuTotal += cpu;
        wallTotal += seconds * 1000;
        state.SetIterationTime(seconds);
    }
    state.counters["cpu_percent"] = 100.0 * cpuTotal / wallTotal;
}

void BM_SkillStopRunning(benchmark::State& state)
{
    static const char* const Speeds[] = {"slowButton", "mediumButton", "fastButton"};
    TestServices s;
    SkillStopWindow window(s.services);
    window.resize(1024, 768);
    const char* speed = Speeds[state.range(0)];
    state.SetLabel(speed);
    measure(state, &window, s, [&] {
        makeActive(&window);
        window.findChild<QToolButton*>(QString::fromLatin1(speed))->click();
    }, [] {});
    state.counters["steps_per_second"] = double(s.recorded->messages.size()) / 2.0;
}
BENCHMARK(BM_SkillStopRunning)->DenseRange(0, 2)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

// A window sitting behind another one that has the focus.
template <class Window>
void BM_Inactive(benchmark::State& state)
{
    TestServices s;
    Window window(s.services);
    QWidget other;
    measure(state, &window, s, [&] {
        other.show();
        makeActive(&other);
    }, [] {});
}
BENCHMARK(BM_Inactive<SkillStopWindow>)
    ->Name("BM_SkillStopInactive")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

void BM_LotteryAnimating(benchmark::State& state)
{
    TestServices s;
    LotteryWindow window(s.services);
    quint64 stamp = 0;
    measure(state, &window, s, [&] { makeActive(&window); }, [&] {
        // A key pressed and let go: one ball drops and falls.
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        press.setTimestamp(stamp += 100);
        QApplication::sendEvent(&window, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        release.setTimestamp(stamp += 100);
        QApplication::sendEvent(&window, &release);
    });
}
BENCHMARK(BM_LotteryAnimating)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK(BM_Inactive<LotteryWindow>)
    ->Name("BM_LotteryInactive")
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("ORVIK_MIDI"))
        qputenv("ORVIK_MIDI", "none");
    return runGuiBenchmarks(argc, argv);
}
