#include "core/lang/LangFile.h"
#include "core/common/ConfigError.h"
#include "core/common/FileBytes.h"
#include "core/common/Text.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>

namespace {

using cfg::test::TempDir;
using cfg::test::write_bytes;

struct LangFileCase {
    const char* name;
    std::string bytes;
    std::map<int, std::string> changed; // every other index keeps its built-in text
};

void PrintTo(const LangFileCase& c, std::ostream* out) {
    *out << c.name;
}

// Compares the whole catalogue, so a line that lands on a wrong index shows up as well.
void expect_builtin_except(const cfg::Lang_Strings& texts, const std::map<int, std::string>& changed) {
    const cfg::Lang_Strings builtin = cfg::default_texts();
    for (int index = 0; index < cfg::Lang_Strings::size(); ++index) {
        const auto it = changed.find(index);
        EXPECT_EQ(texts[index], it == changed.end() ? builtin[index] : it->second) << "index " << index;
    }
}

class LangFileContent : public testing::TestWithParam<LangFileCase> {};

TEST_P(LangFileContent, OverlaysTheBuiltinTexts) {
    cfg::Lang_Strings texts = cfg::default_texts();
    cfg::Load_Lang_Bytes(texts, GetParam().bytes);
    expect_builtin_except(texts, GetParam().changed);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, LangFileContent,
    testing::Values(
        LangFileCase{"EmptyFile", "", {}},
        LangFileCase{"OnlyIndex15", "STR15 =Nuova Configurazione\r\n", {{15, "Nuova Configurazione"}}},
        LangFileCase{"NoBlankBeforeEqualsLosesTheLastDigit", "STR15=Nuova\r\n", {{1, "Nuova"}}},
        LangFileCase{"SingleDigitWithoutBlankIsNoIndex", "STR5=x\r\nSTR=x\r\n", {}},
        LangFileCase{"BlanksAroundTheIndex", "STR 15  =a\r\n", {{15, "a"}}},
        LangFileCase{"LineTrimmedBeforeTheRules", " \t STR15 =  a b \t\r\n", {{15, "a b"}}},
        LangFileCase{"ProtectedBlanksKeepLeadingAndTrailingBlanks",
                     "STR15 =\xC2\xB6  Nuova  \xC2\xB6\r\n",
                     {{15, "  Nuova  "}}},
        LangFileCase{"ProtectedBlankEndsTheText", "STR15 =abc\xC2\xB6 def\r\n", {{15, "abc"}}},
        LangFileCase{"ProtectedBlankAloneEmptiesTheEntry",
                     "STR15 =\xC2\xB6\r\nSTR16 =\xC2\xB6\xC2\xB6x\r\n",
                     {{15, ""}, {16, ""}}},
        LangFileCase{"CommentIsCutAndNeverShown", "STR15 =Nuova /#/ il pulsante\r\n", {{15, "Nuova"}}},
        LangFileCase{"CommentBeforeProtectedBlanks", "STR15 =\xC2\xB6 a \xC2\xB6 /#/ b\r\n", {{15, " a "}}},
        LangFileCase{"OnlyACommentLeavesTheEntry", "STR15 = /#/ nothing to say\r\n", {}},
        LangFileCase{"EmptyTextLeavesTheEntry", "STR15 =\r\nSTR16 =   \r\n", {}},
        LangFileCase{"TextMayHoldEquals", "STR15 =a = b\r\n", {{15, "a = b"}}},
        LangFileCase{"LaterLineWins", "STR15 =first\r\nSTR15 =second\r\n", {{15, "second"}}},
        LangFileCase{
            "LastIndexAcceptedFirstBeyondIgnored", "STR1599 =last\r\nSTR1600 =beyond\r\n", {{1599, "last"}}},
        LangFileCase{"NotATextLine",
                     "[Italiano]\r\nstr15 =a\r\nXSTR15 =a\r\nSTRa =a\r\nSTR-1 =a\r\nSTR15 a\r\nSTR1.5 =a\r\n"
                     "STR99999999999 =a\r\nSTR0x1 =a\r\n",
                     {}},
        LangFileCase{
            "AnyLineEnd", "STR1 =a\r\nSTR2 =b\rSTR3 =c\nSTR4 =d", {{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}}}),
    [](const testing::TestParamInfo<LangFileCase>& info) { return std::string(info.param.name); });

std::string utf16_bytes(std::string_view utf8, bool big_endian) {
    std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : cfg::utf8_to_utf16(utf8)) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += big_endian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

// "¶ café €" in every encoding a language file may come in; 0xB6 is "¶" in the 8-bit code page too.
const std::string sample = "STR15 =\xC2\xB6 caf\xC3\xA9 \xE2\x82\xAC\xC2\xB6\r\nSTR16 =Gr\xC3\xB6\xC3\x9F"
                           "e\r\n";
const std::map<int, std::string> sample_texts = {{15, " caf\xC3\xA9 \xE2\x82\xAC"},
                                                 {16, "Gr\xC3\xB6\xC3\x9F"
                                                      "e"}};

INSTANTIATE_TEST_SUITE_P(
    Encodings, LangFileContent,
    testing::Values(LangFileCase{"Utf8WithMark", "\xEF\xBB\xBF" + sample, sample_texts},
                    LangFileCase{"Utf16LittleEndian", utf16_bytes(sample, false), sample_texts},
                    LangFileCase{"Utf16BigEndian", utf16_bytes(sample, true), sample_texts},
                    LangFileCase{"Utf8WithoutMark", sample, sample_texts},
                    LangFileCase{"Windows1252",
                                 "STR15 =\xB6 caf\xE9 \x80\xB6\r\nSTR16 =Gr\xF6\xDF"
                                 "e\r\n",
                                 sample_texts}),
    [](const testing::TestParamInfo<LangFileCase>& info) { return std::string(info.param.name); });

// A file that cannot be read is reported with its name and the reason, and changes nothing.
TEST(LangFile, AFileThatCannotBeReadChangesNothing) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Folder.lng");
    write_bytes(dir / "Large.lng", "");
    std::filesystem::resize_file(dir / "Large.lng", cfg::Text_File_Limit + 1);
    const std::pair<const char*, const char*> cases[] = {{"Missing.lng", "No such file"},
                                                         {"Folder.lng", "Is a directory"},
                                                         {"Large.lng", "it is larger than 4194304 bytes"}};
    for (const auto& [name, reason] : cases) {
        cfg::Lang_Strings texts = cfg::default_texts();
        texts.set(15, "kept");
        try {
            cfg::Load_Lang_File(texts, dir / name);
            ADD_FAILURE() << "no error for " << name;
        } catch (const cfg::ConfigError& error) {
            EXPECT_THAT(error.what(), testing::HasSubstr("\"" + (dir / name).string() + "\": " + reason));
        }
        EXPECT_EQ(texts[15], "kept");
    }
}

// A file as a translator would write it: 8-bit code page, a header, comments and protected blanks.
TEST(LangFile, ReadsATranslatorsFile) {
    cfg::Lang_Strings texts = cfg::default_texts();
    cfg::Load_Lang_File(texts, cfg::test::fixture("lang/Italiano.lng"));
    expect_builtin_except(texts, {{0, "Inizio"},
                                  {9, "Nessuna Configurazione Aperta "},
                                  {15, "Nuova Configurazione"},
                                  {304, "Lingua selezionata : "},
                                  {306, " / "},
                                  {1599, "Perch\xC3\xA9"}});
}

} // namespace
