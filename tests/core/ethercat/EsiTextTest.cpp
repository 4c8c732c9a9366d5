#include "core/ethercat/EsiText.h"

#include <gtest/gtest.h>

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
    testing::Values(EscapeCase{"Reserved", "a&b<c>d\"e'f", "a&amp;b&lt;c&gt;d&quot;e&apos;f"},
                    EscapeCase{"LineBreaksAndTabsStay", "a\tb\nc\rd", "a\tb\nc\rd"},
                    EscapeCase{"ControlCharacters", std::string("a\x01\x1F\0b", 5),
                               "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"
                               "b"},
                    EscapeCase{"NonCharacters", "\xEF\xBF\xBE\xEF\xBF\xBF", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                    EscapeCase{"NotUtf8", "\xE9\xC3", "\xEF\xBF\xBD\xEF\xBF\xBD"},
                    EscapeCase{"BeyondTheBasicPlane", "\xF0\x9F\x98\x80 \xC3\x9F \xE2\x82\xAC",
                               "\xF0\x9F\x98\x80 \xC3\x9F \xE2\x82\xAC"}),
    [](const testing::TestParamInfo<EscapeCase>& info) { return info.param.name; });

} // namespace
