#include "core/lang/LangFileLine.h"
#include "core/lang/LangFile.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

// The lines written as a language file and read back over the built-in texts.
cfg::Lang_Strings read_back(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    cfg::Lang_Strings texts = cfg::default_texts();
    cfg::Load_Lang_Bytes(texts, bytes);
    return texts;
}

struct LineCase {
    const char* name;
    std::string text;
    std::string line;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << c.name;
}

class LangFileLineCase : public testing::TestWithParam<LineCase> {};

TEST_P(LangFileLineCase, IsWrittenSoThatItReadsBack) {
    const LineCase& c = GetParam();
    EXPECT_EQ(cfg::Lang_File_Line(15, c.text), c.line);
    EXPECT_EQ(read_back({c.line})[15], c.text);
}

INSTANTIATE_TEST_SUITE_P(Texts, LangFileLineCase,
                         testing::Values(LineCase{"Plain", "New Configuration", "STR15 = New Configuration"},
                                         LineCase{"TrailingBlank", "Selected Language : ",
                                                  "STR15 = \xC2\xB6Selected Language : \xC2\xB6"},
                                         LineCase{"LeadingBlank", " / ", "STR15 = \xC2\xB6 / \xC2\xB6"},
                                         LineCase{"SingleBlank", " ", "STR15 = \xC2\xB6 \xC2\xB6"},
                                         LineCase{"Empty", "", "STR15 = \xC2\xB6\xC2\xB6"},
                                         LineCase{"TabAtTheEnd", "a\t",
                                                  "STR15 = \xC2\xB6"
                                                  "a\t\xC2\xB6"},
                                         LineCase{"InnerBlanksNeedNoMark", "a  b", "STR15 = a  b"},
                                         LineCase{"NonAscii", "Übernehmen", "STR15 = Übernehmen"}));

TEST(LangFileLines, GiveTheWholeCatalogueBackOverAnyEarlierLanguage) {
    cfg::Lang_Strings texts = cfg::default_texts();
    texts.set(0, "Inizio");
    texts.set(9, "");
    texts.set(1599, "  fine  ");
    const std::vector<std::string> lines = cfg::Lang_File_Lines(texts);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(cfg::Lang_Strings::size()));
    EXPECT_EQ(lines[1599], "STR1599 = \xC2\xB6  fine  \xC2\xB6");

    const cfg::Lang_Strings back = read_back(lines);
    for (int index = 0; index < cfg::Lang_Strings::size(); ++index)
        EXPECT_EQ(back[index], texts[index]) << "index " << index;
}

} // namespace
