#include "core/lang/Language.h"
#include "core/common/FileBytes.h"
#include "core/lang/LanguageList.h"
#include "core/lang/LanguagePages.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cfg::test::TempDir;
using cfg::test::write_bytes;

// A language that names every index of the catalogue.
std::string complete_language() {
    std::string lines;
    for (int index = 0; index < cfg::Lang_Count; ++index)
        lines += "STR" + std::to_string(index) + " =Voll " + std::to_string(index) + "\r\n";
    return lines;
}

TEST(Language, LoadsTheNamedLanguageOverTheBuiltinTexts) {
    TempDir dir;
    write_bytes(dir / "Deutsch.lng", "STR15 =Neue Konfiguration\r\n");
    cfg::Lang_Strings texts;
    std::string name = "Deutsch";
    cfg::Load_Language(texts, dir.path(), name);
    EXPECT_EQ(name, "Deutsch");
    EXPECT_EQ(texts[15], "Neue Konfiguration");
    EXPECT_EQ(texts[16], "Open Configuration");
}

TEST(Language, SwitchingToAPartialLanguageShowsEnglishForItsMissingLines) {
    TempDir dir;
    write_bytes(dir / "Voll.lng", complete_language());
    write_bytes(dir / "Teil.lng", "STR15 =Neue Konfiguration\r\n");
    cfg::Lang_Strings texts;
    std::string name = "Voll";
    cfg::Load_Language(texts, dir.path(), name);
    ASSERT_EQ(texts[16], "Voll 16");
    ASSERT_EQ(texts[1599], "Voll 1599");

    name = "Teil";
    cfg::Load_Language(texts, dir.path(), name);
    EXPECT_EQ(texts[15], "Neue Konfiguration");
    EXPECT_EQ(texts[16], "Open Configuration");
    EXPECT_EQ(texts[1599], " ");
}

struct FallbackCase {
    const char* name;
    const char* language; // Language_Name before the load
    bool english_file;    // whether English.lng exists
    const char* expected_text_15;
};

void PrintTo(const FallbackCase& c, std::ostream* out) {
    *out << c.name;
}

class LanguageFallback : public testing::TestWithParam<FallbackCase> {};

// Without the named file the language becomes English, overlaid by English.lng when there is one.
TEST_P(LanguageFallback, ToEnglish) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Ordner.lng"); // a folder is no language file
    if (GetParam().english_file)
        write_bytes(dir / "English.lng", "STR15 =New Setup\r\n");
    cfg::Lang_Strings texts;
    std::string name = GetParam().language;
    cfg::Load_Language(texts, dir.path(), name);
    EXPECT_EQ(name, "English");
    EXPECT_EQ(texts[15], GetParam().expected_text_15);
    EXPECT_EQ(texts[16], "Open Configuration");
}

INSTANTIATE_TEST_SUITE_P(
    MissingFiles, LanguageFallback,
    testing::Values(FallbackCase{"NoFilesAtAll", "Italiano", false, "New Configuration"},
                    FallbackCase{"EnglishFileOverridesBuiltin", "Italiano", true, "New Setup"},
                    FallbackCase{"EnglishWithoutFile", "English", false, "New Configuration"},
                    FallbackCase{"AFolderIsNoFile", "Ordner", false, "New Configuration"},
                    FallbackCase{"EmptyName", "", true, "New Setup"}),
    [](const testing::TestParamInfo<FallbackCase>& info) { return std::string(info.param.name); });

TEST(Language, AMissingLanguageFolderGivesTheBuiltinTexts) {
    TempDir dir;
    cfg::Lang_Strings texts;
    texts.set(15, "left over");
    std::string name = "Deutsch";
    cfg::Load_Language(texts, dir / "LANGUAGE", name);
    EXPECT_EQ(name, "English");
    EXPECT_EQ(texts[15], "New Configuration");
}

// The start goes on with the built-in texts when the file is there but cannot be read.
TEST(Language, ALanguageFileTooLargeToBeOneGivesTheBuiltinTexts) {
    TempDir dir;
    write_bytes(dir / "Deutsch.lng", "STR15 =Neue Konfiguration\r\n");
    std::filesystem::resize_file(dir / "Deutsch.lng", cfg::Text_File_Limit + 1);
    cfg::Lang_Strings texts;
    std::string name = "Deutsch";
    cfg::Load_Language(texts, dir.path(), name);
    EXPECT_EQ(name, "Deutsch");
    EXPECT_EQ(texts[15], "New Configuration");
}

} // namespace

namespace {

// An installation's shipped language files are found, listed and shown with their flags; a file of
// the user's with the same name wins.
TEST(Language, TheUsersFolderComesBeforeTheShippedOne) {
    TempDir dir;
    const cfg::Language_Folders folders{dir / "user", dir / "shipped"};
    write_bytes(dir / "shipped/Italiano.lng", "STR15 =Nuova Configurazione\r\n");
    write_bytes(dir / "shipped/Italiano.bmp", "flag");
    write_bytes(dir / "shipped/Deutsch.lng", "STR15 =Neue Konfiguration\r\n");
    write_bytes(dir / "user/deutsch.lng", "STR15 =Eigene Konfiguration\r\n");
    write_bytes(dir / "user/Deutsch.lng", "STR15 =Meine Konfiguration\r\n");
    write_bytes(dir / "user/DefaultFlag.bmp", "flag");

    cfg::Lang_Strings texts;
    for (const auto& [language, text] :
         {std::pair{"Italiano", "Nuova Configurazione"}, {"Deutsch", "Meine Konfiguration"}}) {
        std::string name = language;
        cfg::Load_Language(texts, folders, name);
        EXPECT_EQ(name, language);
        EXPECT_EQ(texts[15], text) << language;
    }
    EXPECT_EQ(cfg::Create_Lang_List(folders),
              (std::vector<std::string>{"Deutsch.lng", "deutsch.lng", "Italiano.lng"}));
    EXPECT_EQ(cfg::Flag_Picture(folders, "Italiano"), dir / "shipped/Italiano.bmp");
    EXPECT_EQ(cfg::Flag_Picture(folders, "Deutsch"), dir / "user/DefaultFlag.bmp");
}

} // namespace
