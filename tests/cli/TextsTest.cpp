#include "CliRun.h"
#include "core/lang/LangStrings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::write_bytes;
using testing::HasSubstr;

class Texts : public Program_Folder {
protected:
    // The output saved as a language file and given back through --language.
    std::string round_trip(const std::string& listing) const {
        write_bytes(home / "LANGUAGE" / "Back.lng", listing);
        const Cli_Result back = cli({"texts", "--language", "Back"});
        EXPECT_EQ(back.code, 0) << testing::PrintToString(back);
        return back.out;
    }
};

TEST_F(Texts, TheBuiltInCatalogueComesBackFromItsOwnListing) {
    const Cli_Result result = cli({"texts"});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), cfg::Lang_Strings::size());
    EXPECT_THAT(result.out, testing::StartsWith("STR0 = Begin\nSTR1 = Step 1\n"));
    EXPECT_THAT(result.out, HasSubstr("\nSTR9 = \xC2\xB6None Configuration Opened \xC2\xB6\n"));
    EXPECT_THAT(result.out, HasSubstr("\nSTR99 = \xC2\xB6 \xC2\xB6\n"));
    EXPECT_EQ(round_trip(result.out), result.out);
}

// An 8-bit file with protected blanks, a comment and an accent: the listing is UTF-8 and keeps them.
TEST_F(Texts, ALanguageFileIsAppliedAndComesBackTheSame) {
    std::filesystem::create_directories(home / "LANGUAGE");
    std::filesystem::copy(cfg::test::fixture("lang/Italiano.lng"), home / "LANGUAGE" / "Italiano.lng");
    const Cli_Result result = cli({"texts", "--language", "Italiano"});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_THAT(result.out, HasSubstr("\nSTR9 = \xC2\xB6Nessuna Configurazione Aperta \xC2\xB6\n"));
    EXPECT_THAT(result.out, HasSubstr("\nSTR15 = Nuova Configurazione\n"));
    EXPECT_THAT(result.out, HasSubstr("\nSTR16 = Open Configuration\n"));
    EXPECT_THAT(result.out, HasSubstr("\nSTR1599 = Perch\xC3\xA9\n"));
    EXPECT_EQ(round_trip(result.out), result.out);
}

// The listing is a translator's starting point, whatever language the program runs in.
TEST_F(Texts, WithoutALanguageTheListingIsTheBuiltInOne) {
    write_bytes(home / "Morvel.xml",
                "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    write_bytes(home / "LANGUAGE" / "Italiano.lng", "STR0 =Inizio\r\n");
    EXPECT_THAT(cli({"texts"}).out, testing::StartsWith("STR0 = Begin\n"));
}

} // namespace
