#include "core/lang/TextFill.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct FillCase {
    const char* text;
    const char* filled;
};

std::ostream& operator<<(std::ostream& out, const FillCase& c) {
    return out << '"' << c.text << '"';
}

class FillText : public testing::TestWithParam<FillCase> {};

// Two values, "A" and "B".
TEST_P(FillText, PutsTheValuesWhereTheTextSays) {
    EXPECT_EQ(cfg::Fill_Text(GetParam().text, {"A", "B"}), GetParam().filled);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillText,
    testing::Values(FillCase{"%1 s of %2 s", "A s of B s"}, FillCase{"%2 before %1", "B before A"},
                    FillCase{"%1%1", "AA"}, FillCase{"no value", "no value"},
                    FillCase{"%3 is not given, %0 is none", "%3 is not given, %0 is none"},
                    FillCase{"100% sure, 50%", "100% sure, 50%"}, FillCase{"%%1", "%A"}, FillCase{"", ""}));

// A value that looks like a placeholder is not filled again.
TEST(FillText, TakesValuesAsTheyAre) {
    EXPECT_EQ(cfg::Fill_Text("%1 and %2", {"%2", "x"}), "%2 and x");
}

} // namespace
