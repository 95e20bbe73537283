#include "paint/ImageOps.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace paint::imageops {

namespace {

// The replace and outline loops run over whole rows with no call, branch or
// format switch inside, so the compiler can turn them into vector code: the
// operations are meant to run at the speed memory delivers the pixels.
//
// Each loop body is written once and built twice on x86-64: for the
// baseline instruction set, and for a later one the processor is asked
// about at run time. The baseline (SSE2) has no byte shuffle, so it cannot
// vectorise a loop over three-byte pixels taken byte by byte, and its
// 16-byte vectors leave the outline well short of memory speed. AVX2
// brings shuffles of bytes and words across the whole vector and doubles
// the width of everything else.
// This is the one place the program wants instructions beyond the
// baseline, so it asks for them per function here rather than by compiler
// flags for the whole project.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ORVIK_VECTOR_VARIANTS 1
#define ORVIK_LOOP_BODY [[gnu::always_inline]] inline
#else
#define ORVIK_VECTOR_VARIANTS 0
#define ORVIK_LOOP_BODY inline
#endif

// The outline reads a row in short loops with other work between them, and
// the processor's own prefetching falls behind: without this the 24- and
// 32-bit outlines took half again as long or more when it was measured.
// Asking for the row after next, a span at a time, keeps memory busy. Only
// a hint: results are the same without it.
#if defined(__GNUC__) || defined(__clang__)
#define ORVIK_PREFETCH(address) __builtin_prefetch(address)
#else
#define ORVIK_PREFETCH(address) ((void)(address))
#endif

ORVIK_LOOP_BODY void prefetchBytes(const uchar* from, const uchar* to)
{
    for (std::ptrdiff_t at = 0; at < to - from; at += 64)
        ORVIK_PREFETCH(from + at);
}

std::atomic<bool> laterExtensionsAllowed = true;

#if ORVIK_VECTOR_VARIANTS
bool hasAvx2()
{
    static const bool has = __builtin_cpu_supports("avx2");
    return laterExtensionsAllowed && has;
}
#endif

uchar* rowOf(uchar* bits, qsizetype bytesPerLine, int y) { return bits + qsizetype(y) * bytesPerLine; }

// Pixels that fill a machine word (8-, 16- and 32-bit formats). `Mask` keeps
// the bits that carry colour: the unused top bit of 5-5-5 pixels and the
// fourth byte of 32-bit pixels take no part in comparisons, so a file that
// left them set still matches the colour it shows.
template <typename Word, Word Mask>
ORVIK_LOOP_BODY void replaceWordsBody(QImage& image, Word from, Word to)
{
    const int w = image.width();
    const int h = image.height();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = 0; y < h; ++y) {
        Word* row = reinterpret_cast<Word*>(rowOf(bits, stride, y));
        // Every pixel is written back, changed or not: a conditional store
        // cannot be vectorised.
        for (int x = 0; x < w; ++x) {
            const Word pixel = row[x];
            row[x] = Word(pixel & Mask) == from ? to : pixel;
        }
    }
}

// The outline rule reads the row above and the pixel to the left after this
// pass has changed them, but a changed pixel was background before and is
// outline now, and neither counts as an object: so "neither colour" gives
// the same answer on the old pixels as on the new. Each row is therefore a
// function of the old rows only, which lets a whole span be done at once.
// The row above is read as changed, the current span from a copy of its old
// pixels, with the old pixels beside it (background outside the picture).
//
// Most of a canvas is background far from any object, where nothing
// changes. Every row is read once, a span at a time, to note which of its
// spans are all background, before the row above it is written; a span that
// is all background on all three rows, between background pixels, is then
// left alone without reading it again. For the rows above that note tells of
// the old pixels, and an old background pixel is background or outline now:
// on either the rule sees no object. Only the other spans are copied and
// worked, so a mostly empty picture costs about one read of each pixel.
template <typename Word>
constexpr int wordSpan = 256 / int(sizeof(Word));

// Whether `count` pixels are all the background colour.
template <typename Word, Word Mask>
ORVIK_LOOP_BODY bool allBackground(const Word* pixels, int count, Word background)
{
    Word differs = 0;
    for (int x = 0; x < count; ++x)
        differs |= Word(pixels[x] ^ background);
    return Word(differs & Mask) == 0;
}

// `next` is the row to be noted after this one, or null. A whole span's
// size is passed as a constant: known when compiling, it spares the loops
// their odd ends, which cost more than the work on spans this short.
template <typename Word, Word Mask>
ORVIK_LOOP_BODY void noteBackgroundSpans(const Word* row, const uchar* next, int w, Word background,
                                         uchar* spanIsBackground)
{
    constexpr int Span = wordSpan<Word>;
    for (int start = 0, span = 0; start < w; start += Span, ++span) {
        const int count = std::min(Span, w - start);
        if (next)
            prefetchBytes(next + start * sizeof(Word), next + (start + count) * sizeof(Word));
        spanIsBackground[span] = count == Span ? allBackground<Word, Mask>(row + start, Span, background)
                                               : allBackground<Word, Mask>(row + start, count, background);
    }
}

// The rule on one span of `count` pixels at `out`, whose old pixels are
// old[1] to old[count], with the old pixel before it in old[0] and the one
// after it in old[count + 1].
template <typename Word, Word Mask>
ORVIK_LOOP_BODY void outlineWordSpan(Word* out, const Word* old, const Word* up, const Word* down, int count,
                                     Word background, Word outlineSeen, Word outlineRaw)
{
    for (int i = 0; i < count; ++i) {
        const Word left = old[i] & Mask;
        const Word upper = up[i] & Mask;
        const Word right = old[i + 2] & Mask;
        const Word lower = down[i] & Mask;
        // No neighbour is an object: the rule turned round, which needs
        // fewer vector operations. Bitwise, as && and || would branch.
        const bool quiet = ((left == background) | (left == outlineSeen))
                           & ((upper == background) | (upper == outlineSeen)) & (right == background)
                           & (lower == background);
        const Word pixel = old[i + 1];
        out[i] = ((Word(pixel & Mask) == background) & !quiet) ? outlineRaw : pixel;
    }
}

template <typename Word, Word Mask>
ORVIK_LOOP_BODY void outlineWordsBody(QImage& image, Word background, Word outlineSeen, Word outlineRaw)
{
    // A span of 256 bytes: long enough for the vector loops, short enough
    // that most spans of a canvas are all background.
    constexpr int Span = wordSpan<Word>;
    const int w = image.width();
    const int h = image.height();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const std::size_t spans = std::size_t((w + Span - 1) / Span);
    const std::vector<Word> outside(std::size_t(w), background);
    // Row y's notes are in notes[y % 3]; rows outside are all background.
    std::vector<uchar> notes[3] = {std::vector<uchar>(spans), std::vector<uchar>(spans),
                                   std::vector<uchar>(spans)};
    const std::vector<uchar> outsideNotes(spans, 1);
    const auto wordRow = [&](int y) { return reinterpret_cast<Word*>(rowOf(bits, stride, y)); };
    noteBackgroundSpans<Word, Mask>(wordRow(0), h > 1 ? rowOf(bits, stride, 1) : nullptr, w, background,
                                    notes[0].data());
    // The span's old pixels, with the one before it and the one after.
    Word old[Span + 2];
    for (int y = 0; y < h; ++y) {
        Word* row = wordRow(y);
        const Word* above = y > 0 ? wordRow(y - 1) : outside.data();
        const Word* below = y + 1 < h ? wordRow(y + 1) : outside.data();
        if (y + 1 < h)
            noteBackgroundSpans<Word, Mask>(below, y + 2 < h ? rowOf(bits, stride, y + 2) : nullptr, w, background,
                                            notes[(y + 1) % 3].data());
        const uchar* aboveNotes = y > 0 ? notes[(y - 1) % 3].data() : outsideNotes.data();
        const uchar* rowNotes = notes[y % 3].data();
        const uchar* belowNotes = y + 1 < h ? notes[(y + 1) % 3].data() : outsideNotes.data();
        Word leftOld = background;
        for (int start = 0, span = 0; start < w; start += Span, ++span) {
            const int end = std::min(start + Span, w);
            const int count = end - start;
            const Word rightOld = end < w ? row[end] : background;
            if (aboveNotes[span] & rowNotes[span] & belowNotes[span]
                & (Word((leftOld ^ background) & Mask) == 0) & (Word((rightOld ^ background) & Mask) == 0)) {
                leftOld = row[end - 1];
                continue;
            }
            old[0] = leftOld;
            old[count + 1] = rightOld;
            if (count == Span) {
                std::memcpy(old + 1, row + start, sizeof(Word) * Span);
                outlineWordSpan<Word, Mask>(row + start, old, above + start, below + start, Span, background,
                                            outlineSeen, outlineRaw);
            } else {
                std::memcpy(old + 1, row + start, std::size_t(count) * sizeof(Word));
                outlineWordSpan<Word, Mask>(row + start, old, above + start, below + start, count, background,
                                            outlineSeen, outlineRaw);
            }
            leftOld = old[count];
        }
    }
}

// 24-bit pixels, three bytes each, lowest first. Four pixels fill three
// 32-bit words exactly, and the rows of a 24-bit image start on a word
// boundary, so a row is worked as groups of three words with the pixels at
// fixed places in them:
//   word 0: pixel 0 (bytes 0-2) and the first byte of pixel 1,
//   word 1: the rest of pixel 1 (bytes 0-1) and half of pixel 2 (2-3),
//   word 2: the last byte of pixel 2 and pixel 3 (bytes 1-3).
// Built for AVX2 the loop over groups becomes vector code, the words of
// eight groups sorted into place by whole-vector word shuffles, where
// taking the pixels apart byte by byte costs twice the instructions; the
// baseline runs it a group at a time, three loads and three stores for four
// pixels. The few pixels after the last whole group, and every pixel on a
// processor that stores words highest byte first, are worked one at a time.
struct TripleWords {
    // The colour four times over, as the three words of a group.
    explicit TripleWords(std::uint32_t colour)
        : word0(colour | colour << 24), word1(colour >> 8 | colour << 16), word2(colour >> 16 | colour << 8)
    {
    }
    std::uint32_t word0, word1, word2;
};

// The bytes of a group's pixels that are the colour: 0xFF in every byte of
// such a pixel, per word.
struct TripleMatch {
    std::uint32_t word0, word1, word2;
};

ORVIK_LOOP_BODY TripleMatch matchTriples(const std::uint32_t* group, TripleWords colour)
{
    const std::uint32_t d0 = group[0] ^ colour.word0;
    const std::uint32_t d1 = group[1] ^ colour.word1;
    const std::uint32_t d2 = group[2] ^ colour.word2;
    const std::uint32_t pixel0 = (d0 & 0x00FFFFFF) == 0 ? 0xFFFFFFFF : 0;
    const std::uint32_t pixel1 = ((d0 >> 24) | (d1 & 0x0000FFFF)) == 0 ? 0xFFFFFFFF : 0;
    const std::uint32_t pixel2 = ((d1 >> 16) | (d2 & 0x000000FF)) == 0 ? 0xFFFFFFFF : 0;
    const std::uint32_t pixel3 = (d2 >> 8) == 0 ? 0xFFFFFFFF : 0;
    return {(pixel0 & 0x00FFFFFF) | (pixel1 & 0xFF000000), (pixel1 & 0x0000FFFF) | (pixel2 & 0xFFFF0000),
            (pixel2 & 0x000000FF) | (pixel3 & 0xFFFFFF00)};
}

ORVIK_LOOP_BODY bool isTriple(const uchar* pixel, std::uint32_t colour)
{
    return (pixel[0] == uchar(colour)) & (pixel[1] == uchar(colour >> 8)) & (pixel[2] == uchar(colour >> 16));
}

ORVIK_LOOP_BODY void replaceTriplesBody(QImage& image, std::uint32_t from, std::uint32_t to)
{
    const int w = image.width();
    const int h = image.height();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    const TripleWords fromWords(from);
    const TripleWords toWords(to);
    const int groups = std::endian::native == std::endian::little ? w / 4 : 0;
    for (int y = 0; y < h; ++y) {
        uchar* row = rowOf(bits, stride, y);
        auto* words = reinterpret_cast<std::uint32_t*>(row);
        for (int g = 0; g < groups; ++g) {
            std::uint32_t* group = words + 3 * g;
            const TripleMatch match = matchTriples(group, fromWords);
            group[0] = (group[0] & ~match.word0) | (toWords.word0 & match.word0);
            group[1] = (group[1] & ~match.word1) | (toWords.word1 & match.word1);
            group[2] = (group[2] & ~match.word2) | (toWords.word2 & match.word2);
        }
        for (int x = 4 * groups; x < w; ++x) {
            uchar* pixel = row + 3 * x;
            if (isTriple(pixel, from)) {
                pixel[0] = uchar(to);
                pixel[1] = uchar(to >> 8);
                pixel[2] = uchar(to >> 16);
            }
        }
    }
}

// The 24-bit outline works on flags rather than pixels: a byte per pixel,
// 0xFF for yes, telling whether the pixel is the background colour and
// whether it is an object (neither colour), worked out once per row. Taking
// three-byte pixels apart costs more than the rule, so a span of a row that
// is all background is recognised by comparing its bytes with the
// background's, repeated, and only the other spans are taken apart.
constexpr int TripleSpan = 64;

struct TripleRowFlags {
    // Background with one pixel of outside (background, no object) at both
    // ends, every span marked as all background.
    explicit TripleRowFlags(int w)
        : background(std::size_t(w) + 2, 0xFF),
          object(std::size_t(w) + 2, 0),
          spanIsBackground(std::size_t((w + TripleSpan - 1) / TripleSpan), 1)
    {
    }
    uchar* backgroundAt() { return background.data() + 1; }
    uchar* objectAt() { return object.data() + 1; }
    std::vector<uchar> background;
    std::vector<uchar> object;
    std::vector<uchar> spanIsBackground;
};

// Flags the `count` pixels of a span and tells whether all are background.
ORVIK_LOOP_BODY bool classifyTripleSpan(const uchar* pixels, int count, const uchar* backgroundBytes,
                                        std::uint32_t background, std::uint32_t outlineSeen, uchar* isBackground,
                                        uchar* isObject)
{
    const uchar back0 = uchar(background), back1 = uchar(background >> 8), back2 = uchar(background >> 16);
    const uchar seen0 = uchar(outlineSeen), seen1 = uchar(outlineSeen >> 8), seen2 = uchar(outlineSeen >> 16);
    uchar differs = 0;
    for (int i = 0; i < 3 * count; ++i)
        differs |= pixels[i] ^ backgroundBytes[i];
    if (differs == 0) {
        for (int x = 0; x < count; ++x) {
            isBackground[x] = 0xFF;
            isObject[x] = 0;
        }
        return true;
    }
    for (int x = 0; x < count; ++x) {
        const uchar* pixel = pixels + 3 * x;
        const bool back = (pixel[0] == back0) & (pixel[1] == back1) & (pixel[2] == back2);
        const bool seen = (pixel[0] == seen0) & (pixel[1] == seen1) & (pixel[2] == seen2);
        isBackground[x] = back ? 0xFF : 0;
        isObject[x] = (back | seen) ? 0 : 0xFF;
    }
    return false;
}

// `next` is the row to be classified after this one, or null. A whole
// span's size is passed as a constant, as in noteBackgroundSpans.
ORVIK_LOOP_BODY void classifyTriples(const uchar* row, const uchar* next, int w, const uchar* backgroundBytes,
                                     std::uint32_t background, std::uint32_t outlineSeen, TripleRowFlags& flags)
{
    uchar* isBackground = flags.backgroundAt();
    uchar* isObject = flags.objectAt();
    for (int start = 0, span = 0; start < w; start += TripleSpan, ++span) {
        const int count = std::min(TripleSpan, w - start);
        if (next)
            prefetchBytes(next + 3 * start, next + 3 * (start + count));
        flags.spanIsBackground[std::size_t(span)] =
            count == TripleSpan ? classifyTripleSpan(row + 3 * start, TripleSpan, backgroundBytes, background,
                                                     outlineSeen, isBackground + start, isObject + start)
                                : classifyTripleSpan(row + 3 * start, count, backgroundBytes, background, outlineSeen,
                                                     isBackground + start, isObject + start);
    }
}

// The rule on the `count` pixels of a span, from their flags; nothing is
// written unless some pixel of the span turns.
ORVIK_LOOP_BODY void outlineTripleSpan(uchar* pixels, int count, const uchar* isBackground, const uchar* isObject,
                                       const uchar* objectAbove, const uchar* backgroundBelow,
                                       std::uint32_t outlineRaw)
{
    const uchar paint0 = uchar(outlineRaw), paint1 = uchar(outlineRaw >> 8), paint2 = uchar(outlineRaw >> 16);
    uchar turn[TripleSpan];
    uchar any = 0;
    for (int x = 0; x < count; ++x) {
        const uchar t = isBackground[x]
                        & (isObject[x - 1] | objectAbove[x] | uchar(~isBackground[x + 1]) | uchar(~backgroundBelow[x]));
        turn[x] = t;
        any |= t;
    }
    if (any == 0)
        return;
    for (int x = 0; x < count; ++x) {
        uchar* pixel = pixels + 3 * x;
        const uchar t = turn[x];
        pixel[0] = uchar((t & paint0) | (~t & pixel[0]));
        pixel[1] = uchar((t & paint1) | (~t & pixel[1]));
        pixel[2] = uchar((t & paint2) | (~t & pixel[2]));
    }
}

// The same rule as outlineWordsBody, on flags: each row is classified once,
// from its old pixels, before the row above it is written; the row above
// is taken as classified then, which the reasoning there shows to be the
// same. A span that is background on all three rows, between background
// pixels, has nothing to outline; in the others the pixels are rewritten
// only where a span has an outline pixel.
ORVIK_LOOP_BODY void outlineTriplesBody(QImage& image, std::uint32_t background, std::uint32_t outlineSeen,
                                        std::uint32_t outlineRaw)
{
    const int w = image.width();
    const int h = image.height();
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();

    // Row y is classified into rows[y % 3]; rows outside the picture are
    // background throughout.
    TripleRowFlags rows[3] = {TripleRowFlags(w), TripleRowFlags(w), TripleRowFlags(w)};
    const TripleRowFlags outside(w);
    std::vector<uchar> backgroundBytes(3 * std::size_t(w));
    for (std::size_t i = 0; i < backgroundBytes.size(); i += 3) {
        backgroundBytes[i] = uchar(background);
        backgroundBytes[i + 1] = uchar(background >> 8);
        backgroundBytes[i + 2] = uchar(background >> 16);
    }
    const TripleRowFlags* above = &outside;
    TripleRowFlags* current = &rows[0];
    classifyTriples(rowOf(bits, stride, 0), h > 1 ? rowOf(bits, stride, 1) : nullptr, w, backgroundBytes.data(),
                    background, outlineSeen, *current);
    for (int y = 0; y < h; ++y) {
        const TripleRowFlags* below = &outside;
        if (y + 1 < h) {
            TripleRowFlags* next = &rows[(y + 1) % 3];
            classifyTriples(rowOf(bits, stride, y + 1), y + 2 < h ? rowOf(bits, stride, y + 2) : nullptr, w,
                            backgroundBytes.data(), background, outlineSeen, *next);
            below = next;
        }
        const uchar* isBackground = current->backgroundAt();
        const uchar* isObject = current->objectAt();
        const uchar* objectAbove = above->object.data() + 1;
        const uchar* backgroundBelow = below->background.data() + 1;
        uchar* row = rowOf(bits, stride, y);
        for (int start = 0, span = 0; start < w; start += TripleSpan, ++span) {
            const int end = std::min(start + TripleSpan, w);
            const std::size_t at = std::size_t(span);
            if (above->spanIsBackground[at] & current->spanIsBackground[at] & below->spanIsBackground[at]
                & (isBackground[start - 1] == 0xFF) & (isBackground[end] == 0xFF))
                continue;
            if (end - start == TripleSpan)
                outlineTripleSpan(row + 3 * start, TripleSpan, isBackground + start, isObject + start,
                                  objectAbove + start, backgroundBelow + start, outlineRaw);
            else
                outlineTripleSpan(row + 3 * start, end - start, isBackground + start, isObject + start,
                                  objectAbove + start, backgroundBelow + start, outlineRaw);
        }
        above = current;
        current = &rows[(y + 1) % 3];
    }
}

#if ORVIK_VECTOR_VARIANTS
template <typename Word, Word Mask>
[[gnu::target("avx2")]] void replaceWordsAvx2(QImage& image, Word from, Word to)
{
    replaceWordsBody<Word, Mask>(image, from, to);
}

template <typename Word, Word Mask>
[[gnu::target("avx2")]] void outlineWordsAvx2(QImage& image, Word background, Word outlineSeen, Word outlineRaw)
{
    outlineWordsBody<Word, Mask>(image, background, outlineSeen, outlineRaw);
}

[[gnu::target("avx2")]] void replaceTriplesAvx2(QImage& image, std::uint32_t from, std::uint32_t to)
{
    replaceTriplesBody(image, from, to);
}

[[gnu::target("avx2")]] void outlineTriplesAvx2(QImage& image, std::uint32_t background, std::uint32_t outlineSeen,
                                                   std::uint32_t outlineRaw)
{
    outlineTriplesBody(image, background, outlineSeen, outlineRaw);
}
#endif

template <typename Word, Word Mask>
void replaceWords(QImage& image, Word from, Word to)
{
#if ORVIK_VECTOR_VARIANTS
    if (hasAvx2())
        return replaceWordsAvx2<Word, Mask>(image, from, to);
#endif
    replaceWordsBody<Word, Mask>(image, from, to);
}

template <typename Word, Word Mask>
void outlineWords(QImage& image, Word background, Word outlineSeen, Word outlineRaw)
{
#if ORVIK_VECTOR_VARIANTS
    if (hasAvx2())
        return outlineWordsAvx2<Word, Mask>(image, background, outlineSeen, outlineRaw);
#endif
    outlineWordsBody<Word, Mask>(image, background, outlineSeen, outlineRaw);
}

void replaceTriples(QImage& image, std::uint32_t from, std::uint32_t to)
{
#if ORVIK_VECTOR_VARIANTS
    if (hasAvx2())
        return replaceTriplesAvx2(image, from, to);
#endif
    replaceTriplesBody(image, from, to);
}

void outlineTriples(QImage& image, std::uint32_t background, std::uint32_t outlineSeen, std::uint32_t outlineRaw)
{
#if ORVIK_VECTOR_VARIANTS
    if (hasAvx2())
        return outlineTriplesAvx2(image, background, outlineSeen, outlineRaw);
#endif
    outlineTriplesBody(image, background, outlineSeen, outlineRaw);
}

template <typename Word>
void xorRows(QImage& image, Word pattern)
{
    const int w = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<Word*>(image.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] ^= pattern;
    }
}

void invertBytes(QImage& image, int bytesPerRow)
{
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int i = 0; i < bytesPerRow; ++i)
            row[i] = uchar(~row[i]);
    }
}

} // namespace

void replaceColour(Picture& picture, ColourValue first, ColourValue second)
{
    if (picture.isNull())
        return;
    QImage& image = picture.image();
    const std::uint32_t from = picture.storedPixel(first);
    const std::uint32_t to = picture.storedPixel(second);
    switch (picture.format()) {
    case PixelFormat::Indexed8: replaceWords<std::uint8_t, 0xFF>(image, std::uint8_t(from), std::uint8_t(to)); break;
    case PixelFormat::Rgb555:
        replaceWords<std::uint16_t, 0x7FFF>(image, std::uint16_t(from & 0x7FFF), std::uint16_t(to));
        break;
    case PixelFormat::Rgb565: replaceWords<std::uint16_t, 0xFFFF>(image, std::uint16_t(from), std::uint16_t(to)); break;
    case PixelFormat::Rgb24: replaceTriples(image, from & 0xFFFFFF, to & 0xFFFFFF); break;
    case PixelFormat::Rgb32: replaceWords<std::uint32_t, 0x00FFFFFF>(image, from & 0xFFFFFF, to); break;
    }
}

void outline(Picture& picture, ColourValue background, ColourValue outlineColour)
{
    if (picture.isNull())
        return;
    QImage& image = picture.image();
    const std::uint32_t bg = picture.storedPixel(background);
    const std::uint32_t raw = picture.storedPixel(outlineColour);
    switch (picture.format()) {
    case PixelFormat::Indexed8:
        outlineWords<std::uint8_t, 0xFF>(image, std::uint8_t(bg), std::uint8_t(raw), std::uint8_t(raw));
        break;
    case PixelFormat::Rgb555:
        outlineWords<std::uint16_t, 0x7FFF>(image, std::uint16_t(bg & 0x7FFF), std::uint16_t(raw & 0x7FFF),
                                            std::uint16_t(raw));
        break;
    case PixelFormat::Rgb565:
        outlineWords<std::uint16_t, 0xFFFF>(image, std::uint16_t(bg), std::uint16_t(raw), std::uint16_t(raw));
        break;
    case PixelFormat::Rgb24: outlineTriples(image, bg & 0xFFFFFF, raw & 0xFFFFFF, raw & 0xFFFFFF); break;
    case PixelFormat::Rgb32:
        outlineWords<std::uint32_t, 0x00FFFFFF>(image, bg & 0xFFFFFF, raw & 0xFFFFFF, raw);
        break;
    }
}

void invert(Picture& picture)
{
    if (picture.isNull())
        return;
    QImage& image = picture.image();
    switch (picture.format()) {
    case PixelFormat::Indexed8: invertBytes(image, image.width()); break;
    case PixelFormat::Rgb24: invertBytes(image, 3 * image.width()); break;
    case PixelFormat::Rgb555: xorRows<std::uint16_t>(image, 0x7FFF); break;
    case PixelFormat::Rgb565: xorRows<std::uint16_t>(image, 0xFFFF); break;
    case PixelFormat::Rgb32: xorRows<std::uint32_t>(image, 0x00FFFFFFu); break;
    }
}

void useLaterVectorExtensions(bool use) { laterExtensionsAllowed = use; }

std::optional<Picture> resized(const Picture& picture, QSize newSize, PixelFormat format, bool stretch)
{
    auto result = Picture::create(newSize.width(), newSize.height(), format);
    if (!result)
        return std::nullopt;
    result->pen() = picture.pen();
    if (picture.isNull())
        return result;
    if (stretch) {
        result->stretchDraw(picture.image());
        return result;
    }

    const int w = std::min(picture.width(), result->width());
    const int h = std::min(picture.height(), result->height());
    // The same format and palette copies rows as they are; anything else is
    // converted pixel by pixel through a picture of the overlap's size.
    Picture converted;
    const Picture* source = &picture;
    if (picture.format() != format
        || (format == PixelFormat::Indexed8 && picture.image().colorTable() != result->image().colorTable())) {
        auto part = Picture::create(w, h, format);
        const QImage overlap = picture.image().copy(0, 0, w, h);
        if (!part || overlap.isNull())
            return std::nullopt;
        part->stretchDraw(overlap);
        converted = std::move(*part);
        source = &converted;
    }
    const std::size_t rowBytes = std::size_t(w) * std::size_t(bytesPerPixel(format));
    for (int y = 0; y < h; ++y)
        std::memcpy(result->image().scanLine(y), source->image().constScanLine(y), rowBytes);
    return result;
}

} // namespace paint::imageops
