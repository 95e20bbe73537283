// Any bytes as a .tim file; a list that reads must write and read back as
// the same list, and its file must not change when written again.
#include "FuzzCheck.h"
#include "organisers/TimingList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto lines = timing::decodeLines(fuzzBytes(data, size));
    if (!lines)
        return 0;
    const auto list = timing::TimingList::fromLines(*lines);
    if (!list)
        return 0;
    FUZZ_REQUIRE(list->rowCount() >= 1);
    const QByteArray written = timing::encodeLines(list->toLines());
    const auto readLines = timing::decodeLines(written);
    FUZZ_REQUIRE(readLines);
    FUZZ_REQUIRE(*readLines == list->toLines());
    const auto back = timing::TimingList::fromLines(*readLines);
    FUZZ_REQUIRE(back);
    FUZZ_REQUIRE(back->toLines() == list->toLines());
    FUZZ_REQUIRE(timing::encodeLines(back->toLines()) == written);
    return 0;
}
