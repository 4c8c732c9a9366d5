#include "core/ethercat/EsiText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct EscapeCase {
    const char* name;
    std::string text;
    std::string escaped;
};

class EsiEscaped : public testing::TestWithParam<EscapeCase> {};

TEST_P(EsiEscaped, LeavesNothingXmlCannotHold) {
    EXPECT_EQ(cfg::ethercat::esi_escaped(GetParam().text), GetParam().escaped);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, EsiEscaped,
    testing::Values(EscapeCase{"Empty", "", ""}, EscapeCase{"Plain", "Slave 1", "Slave 1"},
                    EscapeCase{"Reserved", "a&b<c>d\"e'f", "a&amp;b&lt;c&gt;d&quot;e&apos;f"},
                    EscapeCase{"AsciiUpToOneReserved", "Speed & heading", "Speed &amp; heading"},
                    EscapeCase{"NonAsciiRightAfterAscii", "ab\xC3\xA9", "ab\xC3\xA9"},
                    EscapeCase{"LineBreaksAndTabsStay", "a\tb\nc\rd", "a\tb\nc\rd"},
                    EscapeCase{"ControlCharacters", std::string("a\x01\x1F\0b", 5),
                               "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
                               "b"},
                    EscapeCase{"NonCharacters", "\xEF\xBF\xBE\xEF\xBF\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                    EscapeCase{"NotUtf8", "\xE9\xC3", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                    EscapeCase{"BeyondTheBasicPlane", "\xF0\x9F\x98\x80 \xC3\x9F \xE2\x82\xAC",
                               "\xF0\x9F\x98\x80 \xC3\x9F \xE2\x82\xAC"}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return info.param.name; });

struct HexCase {
    std::uint32_t value;
    int min_digits;
    const char* digits;
};

TEST(HexUpper, WritesUpperCaseDigitsWithLeadingZerosUpToTheWidth) {
    for (const HexCase& hex :
         {HexCase{0, 0, "0"}, HexCase{0, 4, "0000"}, HexCase{0x1a, 4, "001A"}, HexCase{0xabc, 2, "ABC"},
          HexCase{0x1000, 4, "1000"}, HexCase{0xFFFFFFFF, 4, "FFFFFFFF"}, HexCase{0x80000000, 0, "80000000"}})
        EXPECT_EQ(cfg::ethercat::hex_upper(hex.value, hex.min_digits), hex.digits)
            << hex.value << " in " << hex.min_digits;
}

} // namespace
