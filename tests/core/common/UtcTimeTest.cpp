#include "core/common/UtcTime.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

TEST(UtcTime, GivesTheMinuteInUtc) {
    EXPECT_EQ(cfg::Utc_Time_Text(system_clock::time_point{}), "1970-01-01 00:00 UTC");
    // 2024-02-29 23:59:59.9 UTC: a leap day, and the seconds are cut, not rounded.
    const system_clock::time_point leap_day =
        sys_days{year{2024} / February / 29} + hours{23} + minutes{59} + seconds{59} + milliseconds{900};
    EXPECT_EQ(cfg::Utc_Time_Text(leap_day), "2024-02-29 23:59 UTC");
}

} // namespace
