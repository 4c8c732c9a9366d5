#include "core/preview/LogPace.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using cfg::preview::Line_Time;
using cfg::preview::Log_Pace;
using cfg::preview::Milliseconds;

struct Time_Case {
    const char* line;
    std::optional<long long> ms;
};

TEST(LogPace, TimeStampsBeforeTheSentence) {
    const Time_Case cases[] = {
        {"2026-12-10T20:15:30.250Z $GPZDA,201530.25", 1796933730250},
        {"2026-12-10 20:15:30 $GPZDA", 1796933730000},
        {"2026-12-10T20:15:30.2+01:00 $GPZDA", 1796933730200},
        {"20:15:30.250 $GPZDA", 72930250},
        {"  20:15:30 $GPZDA", 72930000},
        {"1796933731.5 $GPZDA", 1796933731500},
        {"\\s:sensor1,c:1796933731*00\\$GNGLL", 1796933731000},
        {"\\c:1796933731250,s:x*00\\$GNGLL", 1796933731250}, // milliseconds
        {"\\s:sensor1*00\\$GNGLL", std::nullopt},
        {"$GPZDA,201530.25,10,12,2026", std::nullopt}, // the sentence's own time is not the line's
        {"24:00:00 $GPZDA", std::nullopt},
        {"2026-13-10T20:15:30 $GPZDA", std::nullopt},
        {"garbage $GPZDA", std::nullopt},
        {"\\c:1796933731.25*00\\$GNGLL", 1796933731250}, // ten digits of seconds and a fraction
        {"253402300799.999 $GPZDA", 253402300799999},    // the last moment of the year 9999
        {"253402300800 $GPZDA", std::nullopt},
        {"9223372036854775807 $GPZDA", std::nullopt}, // would overflow as milliseconds
        {"99999999999999999999 $GPZDA", std::nullopt},
        {"\\c:9999999999999999*00\\$GNGLL", std::nullopt},
        {"\\c:253402300799999*00\\$GNGLL", 253402300799999},
        {"", std::nullopt},
    };
    for (const Time_Case& c : cases) {
        const std::optional<Milliseconds> time = Line_Time(c.line);
        EXPECT_EQ(time ? std::optional<long long>(time->count()) : std::nullopt, c.ms) << c.line;
    }
}

struct Pace_Case {
    const char* label;
    std::vector<std::string> lines;
    std::vector<long long> waits;
};

TEST(LogPace, LinesWaitForTheTimeBetweenTheirStamps) {
    const Pace_Case cases[] = {
        {"no stamps: steady", {"$A", "$B", "", "$C"}, {100, 100, 0, 100}},
        {"stamps", {"10:00:00.000 $A", "10:00:00.250 $B", "$C", "10:00:01.000 $D"}, {0, 250, 0, 750}},
        {"before the first stamp", {"$A", "10:00:00 $B", "10:00:01 $C"}, {100, 0, 1000}},
        {"back in time", {"10:00:05 $A", "10:00:01 $B", "10:00:02 $C"}, {0, 0, 1000}},
        {"a long pause", {"10:00:00 $A", "11:00:00 $B"}, {0, 2000}},
        {"from the first year to a huge stamp and back",
         {"0000-01-01T00:00:00 $A", "9223372036854775 $B", "253402300799 $C", "0000-01-01T00:00:00 $D"},
         {0, 0, 2000, 0}},
    };
    for (const Pace_Case& c : cases) {
        Log_Pace pace;
        std::vector<long long> waits;
        for (const std::string& line : c.lines)
            waits.push_back(pace.Wait_Before(line).count());
        EXPECT_EQ(waits, c.waits) << c.label;
    }
}

} // namespace
