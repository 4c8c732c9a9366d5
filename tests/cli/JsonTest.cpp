#include "cli/Json.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct JsonCase {
    const char* name;
    std::string text;
    std::string json;
};

class JsonString : public testing::TestWithParam<JsonCase> {};

TEST_P(JsonString, EscapesWhatJsonMustAndCleansWhatIsNotUtf8) {
    EXPECT_EQ(cfg::cli::json_string(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, JsonString,
    testing::Values(JsonCase{"Empty", "", R"("")"}, JsonCase{"Plain", "Heading 1", R"("Heading 1")"},
                    JsonCase{"QuoteAndBackslash", R"(a"b\c)", R"("a\"b\\c")"},
                    JsonCase{"ControlCharacters", std::string("a\tb\x1F\0", 5), R"("a\u0009b\u001f\u0000")"},
                    JsonCase{"DeleteStays", "a\x7F", "\"a\x7F\""},
                    JsonCase{"NonAsciiRightAfterAscii", "ab\xC3\xA9\xF0\x9F\x98\x80z",
                             "\"ab\xC3\xA9\xF0\x9F\x98\x80z\""},
                    JsonCase{"NotUtf8",
                             "ab\xFF"
                             "c\xC3",
                             "\"ab\xEF\xBF\xBD"
                             "c\xEF\xBF\xBD\""}),
    [](const testing::TestParamInfo<JsonCase>& info) { return info.param.name; });

TEST(JsonLineObject, QuotesTheNamesAndTakesTheValuesAsTheyAre) {
    EXPECT_EQ(cfg::cli::json_line_object({}), "{}");
    EXPECT_EQ(cfg::cli::json_line_object({{"row", "1"}, {"name", cfg::cli::json_string("Heading")}}),
              R"({"row": 1, "name": "Heading"})");
}

} // namespace
