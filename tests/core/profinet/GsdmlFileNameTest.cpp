#include "core/profinet/GsdmlFileName.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

using namespace std::chrono;
using cfg::profinet::GsdmlFileName;

TEST(GsdmlFileName, FixedPart2IsTheDateWithFourTwoAndTwoDigits) {
    struct Case {
        year_month_day date;
        std::string text;
    };
    const Case cases[] = {
        {2024y / January / 5d, "-20240105.xml"},
        {2023y / December / 31d, "-20231231.xml"},
        {year{999} / March / 9d, "-09990309.xml"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cfg::profinet::gsdml_fixed_part_2(c.date), c.text);
}

TEST(GsdmlFileName, ComposesTheUserPartAsTyped) {
    struct Case {
        std::string user_part;
        std::string name;
    };
    const Case cases[] = {
        {"", "GSDML-V2.25-Brimlow--20240105.xml"},
        {"   ", "GSDML-V2.25-Brimlow--20240105.xml"},
        {"\t \r\n", "GSDML-V2.25-Brimlow--20240105.xml"},
        {"Node1", "GSDML-V2.25-Brimlow-_Node1-20240105.xml"},
        {"_Node1", "GSDML-V2.25-Brimlow-_Node1-20240105.xml"},
        {" _A", "GSDML-V2.25-Brimlow-_ _A-20240105.xml"},
        {"_A ", "GSDML-V2.25-Brimlow-_A -20240105.xml"},
        {"_", "GSDML-V2.25-Brimlow-_-20240105.xml"},
        {"N\xC3\xB8"
         "de",
         "GSDML-V2.25-Brimlow-_N\xC3\xB8"
         "de-20240105.xml"},
    };
    const GsdmlFileName name(2024y / January / 5d);
    for (const Case& c : cases)
        EXPECT_EQ(name.compose(c.user_part), c.name) << '"' << c.user_part << '"';
}

TEST(GsdmlFileName, EveryOpeningOfARunProposesTheDateOfItsStart) {
    // Made on a day long gone: the clock has moved past midnight since, and the name keeps the day.
    const GsdmlFileName name(2001y / February / 3d);
    ASSERT_NE(cfg::profinet::local_date_today(), 2001y / February / 3d);
    EXPECT_EQ(name.fixed_part_2(), "-20010203.xml");
    EXPECT_EQ(name.compose("A"), "GSDML-V2.25-Brimlow-_A-20010203.xml");
    EXPECT_EQ(name.compose("A"), "GSDML-V2.25-Brimlow-_A-20010203.xml");
}

TEST(GsdmlFileName, TodayIsTheCalendarDateWithinADayOfUtc) {
    const year_month_day today = cfg::profinet::local_date_today();
    ASSERT_TRUE(today.ok());
    const auto difference = sys_days(today) - floor<days>(system_clock::now());
    EXPECT_LE(std::abs(difference.count()), 1);
}

TEST(GsdmlFileName, TheChosenFileOnlySelectsTheFolder) {
    const std::filesystem::path chosen = std::filesystem::path("projects") / "Plant" / "typed-name.xml";
    EXPECT_EQ(cfg::profinet::gsdml_target(chosen, "GSDML-V2.25-Brimlow--20240105.xml"),
              std::filesystem::path("projects") / "Plant" / "GSDML-V2.25-Brimlow--20240105.xml");
}

} // namespace
