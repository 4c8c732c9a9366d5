#include "core/common/Text.h"
#include "core/common/Windows1252.h"

#include <gtest/gtest.h>

namespace {

TEST(Text, TrimmedRemovesBlanksAndControlCharactersAtBothEndsOnly) {
    EXPECT_EQ(cfg::trimmed(" \t\r\n a b \x01\x1f "), "a b");
    EXPECT_EQ(cfg::trimmed("   "), "");
    EXPECT_EQ(cfg::trimmed(""), "");
    EXPECT_EQ(cfg::trimmed("\xC3\xA9 "), "\xC3\xA9"); // é survives: only codes up to 32 go
}

TEST(Text, UpperCaseChangesAsciiLettersOnly) {
    EXPECT_EQ(cfg::upper_ascii("gga-x\xC3\xA9z"), "GGA-X\xC3\xA9Z");
    EXPECT_TRUE(cfg::equal_ignoring_ascii_case("Ship_1", "SHIP_1"));
    EXPECT_FALSE(cfg::equal_ignoring_ascii_case("\xC3\xA9", "\xC3\x89"));
}

TEST(Text, CountsUtf16CodeUnitsAndKeepsTheirLowBytes) {
    const std::string text = "A\xC3\xA9\xF0\x9F\x98\x80Z"; // A, é, an emoji (two units), Z
    EXPECT_EQ(cfg::utf16_length(text), 5u);
    EXPECT_EQ(cfg::utf16_low_bytes("A\xC3\xA9\xE2\x82\xAC"), std::string("A\xE9\xAC")); // € is U+20AC
}

TEST(Text, InvalidUtf8BecomesTheReplacementCharacter) {
    EXPECT_EQ(cfg::utf8_to_utf16("a\xFF"
                                 "b"),
              (std::u16string{u'a', 0xFFFD, u'b'}));
    EXPECT_EQ(cfg::utf16_to_utf8(std::u16string{0xD800}), "\xEF\xBF\xBD");
}

// The walks that count and clean a text without converting it must agree with the conversion.
TEST(Text, WalkingAgreesWithTheRoundTripThroughUtf16) {
    const std::string samples[] = {
        "",
        "plain ASCII",
        "ASCII up to \xC3\xA9",                             // non-ASCII right after a run of ASCII
        "\xC3\xA9 then ASCII",                              // and before one
        "ASCII up to \xFF then ASCII",                      // a byte that is not UTF-8 inside a run
        "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",            // two, three and four bytes
        "\xFF\xFE\x80\xBF",                                 // bytes that start nothing
        "a\xC3",                                            // cut off at the end
        "\xE2\x82x\xF0\x9F\x98",                            // cut off in the middle
        "\xC0\xAF\xE0\x80\xAF",                             // overlong
        "\xED\xA0\x80\xED\xBF\xBF",                         // surrogates written as UTF-8
        "\xF4\x90\x80\x80\xF8\x88\x80\x80\x80",             // beyond U+10FFFF
        std::string("\xEF\xBF\xBE\xEF\xBF\xBF\x00\x7F", 8), // U+FFFE, U+FFFF, NUL, DEL
    };
    for (const std::string& sample : samples) {
        const std::u16string units = cfg::utf8_to_utf16(sample);
        EXPECT_EQ(cfg::valid_utf8(sample), cfg::utf16_to_utf8(units)) << testing::PrintToString(sample);
        EXPECT_EQ(cfg::utf16_length(sample), units.size()) << testing::PrintToString(sample);
    }
}

TEST(Windows1252, EncodesWhatItCanHoldAndQuestionMarksTheRest) {
    EXPECT_EQ(cfg::utf8_to_windows1252("a\xC3\xA9\xE2\x82\xAC\xC2\xB6"), std::string("a\xE9\x80\xB6"));
    EXPECT_EQ(cfg::utf8_to_windows1252("\xE4\xB8\xAD\xF0\x9F\x98\x80"), "??");
}

TEST(Windows1252, DecodesEveryByte) {
    EXPECT_EQ(cfg::windows1252_to_utf8("\xB6\x80\xE9"), "\xC2\xB6\xE2\x82\xAC\xC3\xA9");
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(cfg::utf8_to_windows1252(cfg::windows1252_to_utf8(all)), all);
}

} // namespace
