// Any bytes as an .adb file; a planner that reads must write and read back
// as the same planner, 366 lines of it.
#include "FuzzCheck.h"
#include "organisers/YearPlanner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto planner = planner::YearPlanner::fromFileBytes(fuzzBytes(data, size));
    if (!planner)
        return 0;
    const QByteArray written = planner->toFileBytes();
    FUZZ_REQUIRE(written.count('\n') >= planner::DaysInYear);
    const auto back = planner::YearPlanner::fromFileBytes(written);
    FUZZ_REQUIRE(back);
    FUZZ_REQUIRE(*back == *planner);
    FUZZ_REQUIRE(back->toFileBytes() == written);
    return 0;
}
