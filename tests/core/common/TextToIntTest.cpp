#include "core/common/TextToInt.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cstdint>
#include <limits>

namespace {

struct Case32 {
    const char* text;
    std::int32_t expected;
};

std::ostream& operator<<(std::ostream& out, const Case32& c) {
    return out << '"' << c.text << '"';
}

class TextToInt32 : public testing::TestWithParam<Case32> {};

TEST_P(TextToInt32, ConvertsTheWholeTextOrGivesTheDefault) {
    EXPECT_EQ(cfg::Text_To_Int(GetParam().text, -77), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToInt32,
    testing::Values(
        // decimal
        Case32{"0", 0}, Case32{"192", 192}, Case32{"+5", 5}, Case32{"-0", 0}, Case32{"-12", -12},
        Case32{"007", 7}, Case32{"2147483647", 2147483647}, Case32{"-2147483648", INT32_MIN},
        // blanks: leading ones are skipped, anything after the digits is not a number
        Case32{" 192", 192}, Case32{"   -3", -3}, Case32{"192 ", -77}, Case32{"1 2", -77}, Case32{"\t1", -77},
        // hexadecimal after every prefix, as a 32-bit pattern
        Case32{"$FF", 255}, Case32{"$ff", 255}, Case32{"xFF", 255}, Case32{"XfF", 255},
        Case32{"0x2580", 9600}, Case32{"0X10", 16}, Case32{"$FFFFFFFF", -1}, Case32{"0xFFFFFFFF", -1},
        Case32{"$80000000", INT32_MIN}, Case32{"-$10", -16}, Case32{"+$10", 16},
        // not numbers
        Case32{"", -77}, Case32{" ", -77}, Case32{"-", -77}, Case32{"+", -77}, Case32{"$", -77},
        Case32{"0x", -77}, Case32{"abc", -77}, Case32{"12a", -77}, Case32{"$G1", -77}, Case32{"1.5", -77},
        Case32{"--1", -77}, Case32{"- 1", -77}, Case32{"0x-1", -77}, Case32{"$$1", -77},
        // overflow
        Case32{"2147483648", -77}, Case32{"-2147483649", -77}, Case32{"4294967295", -77},
        Case32{"$100000000", -77}, Case32{"99999999999999999999", -77}));

struct Case64 {
    const char* text;
    std::int64_t expected;
};

std::ostream& operator<<(std::ostream& out, const Case64& c) {
    return out << '"' << c.text << '"';
}

class TextToInt64 : public testing::TestWithParam<Case64> {};

TEST_P(TextToInt64, ConvertsWithSixtyFourBitLimits) {
    EXPECT_EQ(cfg::Text_To_Int64(GetParam().text, -77), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextToInt64,
    testing::Values(Case64{"4294967295", 4294967295LL}, Case64{"4294967296", 4294967296LL},
                    Case64{"$FFFFFFFF", 0xFFFFFFFFLL}, Case64{"0xFFFFFFFF", 0xFFFFFFFFLL},
                    Case64{"$FFFFFFFFFFFFFFFF", -1}, Case64{"$8000000000000000", INT64_MIN},
                    Case64{"9223372036854775807", INT64_MAX}, Case64{"-9223372036854775808", INT64_MIN},
                    Case64{"9223372036854775808", -77}, Case64{"$10000000000000000", -77},
                    Case64{" 300", 300}, Case64{"300 ", -77}, Case64{"", -77}, Case64{"-1", -1}));

} // namespace
