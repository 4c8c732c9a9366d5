#include "core/params/SerialChoices.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ChoiceCase {
    const char* mapping;
    int (*to_index)(std::string_view);
    const char* text;
    int expected;
};

std::ostream& operator<<(std::ostream& out, const ChoiceCase& c) {
    return out << c.mapping << "(\"" << c.text << "\")";
}

class ChoiceMapping : public testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceMapping, GivesTheIndexOfTheStoredText) {
    EXPECT_EQ(GetParam().to_index(GetParam().text), GetParam().expected) << GetParam();
}

ChoiceCase baud(const char* text, int expected) {
    return {"Baud_to_Index", cfg::Baud_to_Index, text, expected};
}
ChoiceCase parity(const char* text, int expected) {
    return {"Parity_to_Index", cfg::Parity_to_Index, text, expected};
}
ChoiceCase stop_bits(const char* text, int expected) {
    return {"StopBits_to_Index", cfg::StopBits_to_Index, text, expected};
}

INSTANTIATE_TEST_SUITE_P(Baud, ChoiceMapping,
                         testing::Values(baud("1200", 0), baud("9600", 3), baud("115200", 7),
                                         // the text is a number, so any spelling of it counts
                                         baud("$2580", 3), baud("0x1C200", 7), baud("+19200", 4),
                                         baud(" 2400", 1), baud("057600", 6),
                                         // unlisted rates and texts that are no number fall back to 4800
                                         baud("300", 2), baud("-1200", 2), baud("9600 ", 2), baud("", 2),
                                         baud("fast", 2), baud("4800", 2)));

INSTANTIATE_TEST_SUITE_P(Parity, ChoiceMapping,
                         testing::Values(parity("NONE", 0), parity("none", 0), parity("ODD", 1),
                                         parity("Odd", 1), parity("even", 2), parity("EVEN", 2),
                                         parity("EVEN ", 0), parity(" ODD", 0), parity("", 0),
                                         parity("MARK", 0), parity("2", 0)));

INSTANTIATE_TEST_SUITE_P(StopBits, ChoiceMapping,
                         testing::Values(stop_bits("1 bit", 0), stop_bits("2 bits", 1),
                                         stop_bits("2 Bits", 1), stop_bits("2 BITS", 1), stop_bits("1", 0),
                                         stop_bits("1 Bit", 0), stop_bits("2", 0), stop_bits("2 bit", 0),
                                         stop_bits("2 bits ", 0), stop_bits("", 0)));

// The screen shows the listed texts and stores the one chosen; reading it back must give the same choice.
TEST(ChoiceTexts, EveryListedTextMapsToItsOwnIndex) {
    for (std::size_t i = 0; i < cfg::Baud_Texts.size(); ++i)
        EXPECT_EQ(cfg::Baud_to_Index(cfg::Baud_Texts[i]), static_cast<int>(i)) << cfg::Baud_Texts[i];
    for (std::size_t i = 0; i < cfg::Parity_Texts.size(); ++i)
        EXPECT_EQ(cfg::Parity_to_Index(cfg::Parity_Texts[i]), static_cast<int>(i)) << cfg::Parity_Texts[i];
    for (std::size_t i = 0; i < cfg::StopBits_Texts.size(); ++i)
        EXPECT_EQ(cfg::StopBits_to_Index(cfg::StopBits_Texts[i]), static_cast<int>(i))
            << cfg::StopBits_Texts[i];
}

} // namespace
