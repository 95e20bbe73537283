// Cost of opening the font list of Font Utilities with 300 more font
// families installed than the machine has: the box built, filled with every
// family, dropped down and painted, each name in its own face. The families
// are real fonts, copies of Liberation Sans renamed in their name tables and
// installed for the process, and every timed opening meets freshly
// installed ones, so no face is loaded from an earlier run. The target is
// under 300 ms for the opening.
#include "app/MidiService.h"
#include "app/PictureStore.h"
#include "app/SoundEffects.h"
#include "app/UtilityServices.h"
#include "calc/FontListBox.h"
#include "calc/FontUtilitiesWindow.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/MidiTransport.h"
#include "platform/Random.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDirIterator>
#include <QFile>
#include <QFontDatabase>

#include "GuiBenchmarkMain.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

constexpr int ExtraFamilies = 300;

QByteArray sampleFont()
{
    static const QByteArray data = [] {
        QDirIterator it(QStringLiteral("/usr/share/fonts"), {QStringLiteral("LiberationSans-Regular.ttf")},
                        QDir::Files, QDirIterator::Subdirectories);
        if (!it.hasNext())
            return QByteArray();
        QFile file(it.next());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    return data;
}

quint16 read16(const QByteArray& d, qsizetype at) { return quint16((uchar(d[at]) << 8) | uchar(d[at + 1])); }
quint32 read32(const QByteArray& d, qsizetype at) { return (quint32(read16(d, at)) << 16) | read16(d, at + 2); }

// The font with the last five characters of its family, full and PostScript
// names replaced by the number's five digits: a family of its own, and the
// tables keep their lengths. False when the file has no name table.
bool renameFont(QByteArray& font, int number)
{
    const QByteArray digits = QByteArray::number(number % 100000).rightJustified(5, '0');
    const int tables = read16(font, 4);
    for (int t = 0; t < tables; ++t) {
        const qsizetype entry = 12 + 16 * t;
        if (font.mid(entry, 4) != "name")
            continue;
        const qsizetype table = read32(font, entry + 8);
        const int count = read16(font, table + 2);
        const qsizetype strings = table + read16(font, table + 4);
        for (int r = 0; r < count; ++r) {
            const qsizetype record = table + 6 + 12 * r;
            const int platform = read16(font, record);
            const int nameId = read16(font, record + 6);
            if (nameId != 1 && nameId != 4 && nameId != 6 && nameId != 16)
                continue;
            const int length = read16(font, record + 8);
            const qsizetype at = strings + read16(font, record + 10);
            // Windows names are UTF-16 big-endian, Macintosh ones single bytes.
            const int width = platform == 3 || platform == 0 ? 2 : 1;
            if (length < 5 * width)
                continue;
            for (int i = 0; i < 5; ++i) {
                const qsizetype c = at + length - (5 - i) * width;
                if (width == 2)
                    font[c] = 0;
                font[c + width - 1] = digits[i];
            }
        }
        return true;
    }
    return false;
}

// ExtraFamilies fonts installed for the process until it goes.
class InstalledFamilies {
public:
    explicit InstalledFamilies(int first)
    {
        for (int i = 0; i < ExtraFamilies; ++i) {
            QByteArray font = sampleFont();
            if (font.isEmpty() || !renameFont(font, first + i))
                continue;
            const int id = QFontDatabase::addApplicationFontFromData(font);
            if (id >= 0)
                ids_.append(id);
        }
    }
    ~InstalledFamilies()
    {
        for (int id : ids_)
            QFontDatabase::removeApplicationFont(id);
    }
    qsizetype count() const { return ids_.size(); }

private:
    QList<int> ids_;
};

int nextNumber = 0;

// The list dropped down and every item in view painted.
void dropDownAndPaint(FontListBox& box)
{
    box.showPopup();
    QAbstractItemView* view = box.view();
    benchmark::DoNotOptimize(view->window()->grab().cacheKey());
    box.hidePopup();
}

void BM_OpenFontList(benchmark::State& state)
{
    qsizetype families = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto installed = std::make_unique<InstalledFamilies>(nextNumber);
        nextNumber += ExtraFamilies;
        state.ResumeTiming();

        FontListBox box;
        box.setFamilies(FontListBox::installedFamilies());
        box.resize(605, 46);
        box.show();
        benchmark::DoNotOptimize(box.grab().cacheKey());
        dropDownAndPaint(box);
        families = box.count();

        state.PauseTiming();
        box.hide();
        installed.reset();
        state.ResumeTiming();
    }
    state.counters["families"] = double(families);
}
BENCHMARK(BM_OpenFontList)->Unit(benchmark::kMillisecond)->Iterations(10);

// For comparison: the dropped-down list scrolled from top to bottom a page
// at a time, so every one of the families is drawn in its face once.
void BM_ScrollWholeFontList(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto installed = std::make_unique<InstalledFamilies>(nextNumber);
        nextNumber += ExtraFamilies;
        state.ResumeTiming();

        FontListBox box;
        box.setFamilies(FontListBox::installedFamilies());
        box.resize(605, 46);
        box.show();
        box.showPopup();
        QAbstractItemView* view = box.view();
        for (int row = 0; row < box.count(); row += FontListBox::VisibleItems) {
            view->scrollTo(view->model()->index(row, 0), QAbstractItemView::PositionAtTop);
            benchmark::DoNotOptimize(view->window()->grab().cacheKey());
        }
        box.hidePopup();

        state.PauseTiming();
        box.hide();
        installed.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ScrollWholeFontList)->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole window: built, shown and set up as on opening (every family
// listed, the first applied to the 224 characters), then its list dropped.
void BM_OpenFontUtilitiesWindow(benchmark::State& state)
{
    MidiService midi(std::make_unique<platform::RecordingMidi>());
    SoundEffects effects(midi, [] { return false; });
    PictureStore pictures(24);
    platform::ScriptedDialogs dialogs;
    platform::ManualClock clock;
    platform::Random random;
    const UtilityServices services{effects, pictures, 24, dialogs, clock, random};

    for (auto _ : state) {
        state.PauseTiming();
        auto installed = std::make_unique<InstalledFamilies>(nextNumber);
        nextNumber += ExtraFamilies;
        state.ResumeTiming();

        auto window = std::make_unique<FontUtilitiesWindow>(services);
        window->show();
        QCoreApplication::processEvents();
        // Set up as on activation, where the platform does not activate it.
        if (!window->isActiveWindow())
            window->activated();
        benchmark::DoNotOptimize(window->grab().cacheKey());
        dropDownAndPaint(*window->findChild<FontListBox*>(QStringLiteral("fontsList")));

        state.PauseTiming();
        window.reset();
        installed.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenFontUtilitiesWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char** argv)
{
    return runGuiBenchmarks(argc, argv, [] {
        const qsizetype before = FontListBox::installedFamilies().size();
        const InstalledFamilies probe(90000);
        const QString sample = FontListBox::installedFamilies().filter(QStringLiteral("90007")).value(0);
        std::fprintf(stderr, "font families: %lld installed, %lld with the extra ones; %s is drawn in %s\n",
                     qlonglong(before), qlonglong(FontListBox::installedFamilies().size()), qPrintable(sample),
                     qPrintable(QFontInfo(FontListBox::nameFont(sample)).family()));
    });
}
