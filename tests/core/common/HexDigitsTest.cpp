#include "core/common/HexDigits.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

namespace {

struct HexCase {
    std::uint64_t value;
    int digits;
    cfg::Hex_Letters letters;
    const char* expected;
};

std::ostream& operator<<(std::ostream& out, const HexCase& c) {
    return out << c.value << " in " << c.digits << " digits";
}

class HexText : public testing::TestWithParam<HexCase> {};

TEST_P(HexText, WritesTheLowestDigitsWithZerosInFront) {
    EXPECT_EQ(cfg::hex_text(GetParam().value, GetParam().digits, GetParam().letters), GetParam().expected);
}

using enum cfg::Hex_Letters;

INSTANTIATE_TEST_SUITE_P(Cases, HexText,
                         testing::Values(HexCase{0, 2, Lower, "00"}, HexCase{0x0A, 2, Lower, "0a"},
                                         HexCase{0xAF, 2, Upper, "AF"}, HexCase{0x1F, 1, Lower, "f"},
                                         HexCase{0x12345, 4, Lower, "2345"},
                                         HexCase{0xDEADBEEF, 8, Upper, "DEADBEEF"},
                                         HexCase{0x7, 0, Lower, ""},
                                         HexCase{0xFFFFFFFFFFFFFFFF, 16, Lower, "ffffffffffffffff"},
                                         HexCase{0x1, 18, Lower, "000000000000000001"}));

TEST(AppendHex, KeepsWhatTheTextHeld) {
    std::string text = "\\x";
    cfg::append_hex(text, 0x0C, 2, Upper);
    EXPECT_EQ(text, "\\x0C");
}

} // namespace
