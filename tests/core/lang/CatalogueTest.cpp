#include "core/lang/LangStrings.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// The indices the screens use: the blocks of each screen and five texts added later at free places.
const std::vector<std::pair<int, int>> used_ranges = {
    {0, 49},      {50, 50},     {60, 96},     {100, 120},   {200, 217},   {300, 325},   {400, 499},
    {500, 592},   {600, 631},   {700, 710},   {800, 862},   {900, 922},   {930, 930},   {1000, 1071},
    {1100, 1157}, {1200, 1276}, {1300, 1399}, {1400, 1474}, {1500, 1568}, {1570, 1585},
};

bool is_used(int index) {
    for (const auto& [first, last] : used_ranges) {
        if (index >= first && index <= last)
            return true;
    }
    return false;
}

TEST(Catalogue, UsedIndicesHoldTextsAndEveryOtherIndexASingleBlank) {
    const cfg::Lang_Strings texts = cfg::default_texts();
    ASSERT_EQ(cfg::Lang_Strings::size(), 1600);
    for (int index = 0; index < cfg::Lang_Strings::size(); ++index) {
        if (is_used(index)) {
            EXPECT_FALSE(texts[index].empty()) << index;
            EXPECT_NE(texts[index], " ") << index;
        } else {
            EXPECT_EQ(texts[index], " ") << index;
        }
    }
}

TEST(Catalogue, TextsKeepTheirBlanksAtEitherEnd) {
    const cfg::Lang_Strings texts = cfg::default_texts();
    EXPECT_EQ(texts[9], "None Configuration Opened ");
    EXPECT_EQ(texts[11], "Opened Configuration of the Converter : ");
    EXPECT_EQ(texts[304], "Selected Language : ");
    EXPECT_EQ(texts[306], " / ");
    EXPECT_EQ(texts[406], " PROFINET ");
    EXPECT_EQ(texts[1351], "Error row ");
}

TEST(Catalogue, IndicesOutsideTheCatalogueAreRefused) {
    cfg::Lang_Strings texts;
    EXPECT_THROW((void)texts[1600], std::out_of_range);
    EXPECT_THROW((void)texts[-1], std::out_of_range);
    EXPECT_THROW(texts.set(1600, "x"), std::out_of_range);
}

} // namespace
