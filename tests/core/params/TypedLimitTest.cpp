#include "core/params/TypedLimit.h"

#include "core/common/Text.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// Texts are written in UTF-8 here and compared in UTF-16, as the screen holds them.
struct LimitCase {
    const char* what;
    std::size_t length_before;
    const char* after;
    std::size_t cursor;
    std::size_t limit;
    const char* expected;
    std::size_t expected_cursor;
};

std::ostream& operator<<(std::ostream& out, const LimitCase& c) {
    return out << c.what;
}

class TypedLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(TypedLimit, CutsWhatWasTypedToFit) {
    const LimitCase& c = GetParam();
    const cfg::Typed_Text result =
        cfg::Limit_Typed_Text(c.length_before, cfg::utf8_to_utf16(c.after), c.cursor, c.limit);
    EXPECT_EQ(cfg::utf16_to_utf8(result.text), c.expected);
    EXPECT_EQ(result.cursor, c.expected_cursor);
}

// "\xF0\x9F\x9A\xA2" is one character outside the basic plane: two UTF-16 code units.
INSTANTIATE_TEST_SUITE_P(
    Edits, TypedLimit,
    testing::Values(
        LimitCase{"a key within the limit", 3, "abcd", 4, 5, "abcd", 4},
        LimitCase{"a key that reaches the limit", 4, "abcde", 5, 5, "abcde", 5},
        LimitCase{"a key on a full field", 5, "abcdef", 6, 5, "abcde", 5},
        LimitCase{"a key in the middle of a full field", 5, "abXcde", 3, 5, "abcde", 2},
        LimitCase{"a paste keeps its first characters", 2, "ab12345", 7, 5, "ab123", 5},
        LimitCase{"a paste before the old text", 2, "123ab", 3, 4, "12ab", 2},
        LimitCase{"a paste over a selection", 5, "a123de", 4, 5, "a12de", 3},
        LimitCase{"a pair that fits", 3, "abc\xF0\x9F\x9A\xA2", 5, 5, "abc\xF0\x9F\x9A\xA2", 5},
        LimitCase{"a pair that would need one unit more", 4, "abcd\xF0\x9F\x9A\xA2", 6, 5, "abcd", 4},
        LimitCase{"a pasted pair cut at its middle", 2, "ab12\xF0\x9F\x9A\xA2", 6, 5, "ab12", 4},
        LimitCase{"a stored longer text may be shortened", 8, "abcdefg", 7, 5, "abcdefg", 7},
        LimitCase{"a stored longer text keeps a replaced key", 8, "abcdXfgh", 5, 5, "abcdXfgh", 5},
        LimitCase{"a stored longer text grows no further", 7, "abcdefgX", 8, 5, "abcdefg", 7}));

} // namespace
