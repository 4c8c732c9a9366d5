#include "core/app/SettingsFile.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

namespace {

using cfg::Saved_Settings;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

Saved_Settings defaults_with(const std::function<void(Saved_Settings&)>& change) {
    Saved_Settings saved;
    change(saved);
    return saved;
}

void expect_same(const Saved_Settings& actual, const Saved_Settings& expected) {
    EXPECT_EQ(actual.Name_Project, expected.Name_Project);
    EXPECT_EQ(actual.settings.Last_IP_Address, expected.settings.Last_IP_Address);
    EXPECT_EQ(actual.settings.Language_Name, expected.settings.Language_Name);
    EXPECT_EQ(actual.settings.enable_internet, expected.settings.enable_internet);
    EXPECT_EQ(actual.settings.enable_update, expected.settings.enable_update);
    EXPECT_EQ(actual.settings.enable_jump_field_tables, expected.settings.enable_jump_field_tables);
    EXPECT_EQ(actual.settings.Double_Click_Auto_Size, expected.settings.Double_Click_Auto_Size);
}

TEST(SettingsFile, AMissingFileGivesTheDefaults) {
    TempDir dir;
    const Saved_Settings saved = cfg::Read_Settings(dir / "Morvel.xml");
    expect_same(saved, Saved_Settings{});
    EXPECT_EQ(saved.Name_Project, "");
    EXPECT_EQ(saved.settings.Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(saved.settings.Language_Name, "English");
    EXPECT_FALSE(saved.settings.enable_internet || saved.settings.enable_update ||
                 saved.settings.enable_jump_field_tables || saved.settings.Double_Click_Auto_Size);
}

TEST(SettingsFile, ReadsAnIndentedFile) {
    expect_same(cfg::Read_Settings(cfg::test::fixture("app/Morvel.xml")),
                defaults_with([](Saved_Settings& s) {
                    s.Name_Project = "Plant A";
                    s.settings.Last_IP_Address = "10.1.2.3";
                    s.settings.Language_Name = "Italiano";
                    s.settings.enable_internet = true;
                    s.settings.enable_jump_field_tables = true;
                    s.settings.Double_Click_Auto_Size = true;
                }));
}

struct ReadCase {
    const char* name;
    std::string document;
    Saved_Settings expected;
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class SettingsRead : public testing::TestWithParam<ReadCase> {};

TEST_P(SettingsRead, TakesEachValueOnItsOwn) {
    TempDir dir;
    write_bytes(dir / "Morvel.xml", GetParam().document);
    expect_same(cfg::Read_Settings(dir / "Morvel.xml"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, SettingsRead,
    testing::Values(
        ReadCase{"OnlyTheLanguage",
                 "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
                 defaults_with([](Saved_Settings& s) { s.settings.Language_Name = "Deutsch"; })},
        ReadCase{
            "OnlyEnableUpdate",
            "<Conf_Settings><lastinternet><enable_update>1</enable_update></lastinternet></Conf_Settings>",
            defaults_with([](Saved_Settings& s) { s.settings.enable_update = true; })},
        ReadCase{"EmptyElementsGiveEmptyTexts",
                 "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress></ipaddress>"
                 "</lastipadd><lastlang><language/></lastlang></Conf_Settings>",
                 defaults_with([](Saved_Settings& s) {
                     s.settings.Last_IP_Address = "";
                     s.settings.Language_Name = "";
                 })},
        ReadCase{"TextsAsStored",
                 "<Conf_Settings><lastproj><projectname> Plant A </projectname></lastproj>"
                 "<lastipadd><ipaddress>999.1.2</ipaddress></lastipadd></Conf_Settings>",
                 defaults_with([](Saved_Settings& s) {
                     s.Name_Project = " Plant A ";
                     s.settings.Last_IP_Address = "999.1.2";
                 })},
        ReadCase{
            "LeafWithoutItsParent",
            "<Conf_Settings><projectname>x</projectname><enable_internet>1</enable_internet></Conf_Settings>",
            Saved_Settings{}},
        ReadCase{"NamesMatchCaseIncluded",
                 "<Conf_Settings><LastProj><projectname>x</projectname></LastProj><lastlang><Language>Deutsch"
                 "</Language></lastlang></Conf_Settings>",
                 Saved_Settings{}},
        ReadCase{"NotWellFormed", "<Conf_Settings><lastlang><language>Deutsch</language></lastlang>",
                 Saved_Settings{}},
        ReadCase{"EmptyFile", "", Saved_Settings{}},
        ReadCase{"DeclarationInFront",
                 "<?xml version=\"1.0\"?><Conf_Settings><lastlang><language>Deutsch</language></lastlang>"
                 "</Conf_Settings>",
                 defaults_with([](Saved_Settings& s) { s.settings.Language_Name = "Deutsch"; })},
        ReadCase{"CommentInFront",
                 "<!-- settings "
                 "--><Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>",
                 defaults_with([](Saved_Settings& s) { s.settings.Language_Name = "Deutsch"; })},
        ReadCase{"AnotherRoot", "<Settings><lastlang><language>Deutsch</language></lastlang></Settings>",
                 Saved_Settings{}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST(SettingsFile, AFlagIsOnOnlyForExactlyOne) {
    TempDir dir;
    for (const char* text : {"1", "0", "yes", "true", "on", " 1", "1 ", "01", "", "2", "-1"}) {
        write_bytes(dir / "Morvel.xml", std::string("<Conf_Settings><lastinternet><enable_internet>") + text +
                                            "</enable_internet></lastinternet></Conf_Settings>");
        EXPECT_EQ(cfg::Read_Settings(dir / "Morvel.xml").settings.enable_internet,
                  std::string_view(text) == "1")
            << '"' << text << '"';
    }
}

TEST(SettingsFile, WritesTheFullTreeWithTheDefaults) {
    TempDir dir;
    cfg::Write_Settings(dir / "Morvel.xml", Saved_Settings{});
    EXPECT_EQ(
        read_bytes(dir / "Morvel.xml"),
        "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress>192.168.2.205</ipaddress>"
        "</lastipadd><lastlang><language>English</language></lastlang><lastinternet>"
        "<enable_internet>0</enable_internet><enable_update>0</enable_update>"
        "<enable_jump_field_tables>0</enable_jump_field_tables>"
        "<Double_Click_Auto_Size>0</Double_Click_Auto_Size></lastinternet></Conf_Settings>");
}

TEST(SettingsFile, ReadingWhatWasWrittenGivesTheSameRecord) {
    TempDir dir;
    const Saved_Settings records[] = {
        Saved_Settings{},
        defaults_with([](Saved_Settings& s) {
            s.Name_Project = "Plant <A> & \"B\" \xC3\xA9";
            s.settings.Last_IP_Address = "10.0.0.1";
            s.settings.Language_Name = "Fran\xC3\xA7"
                                       "ais";
            s.settings.enable_internet = true;
            s.settings.enable_update = true;
            s.settings.enable_jump_field_tables = true;
            s.settings.Double_Click_Auto_Size = true;
        }),
        // A carriage return stays one, though the reader turns a raw one into a line feed.
        defaults_with([](Saved_Settings& s) { s.Name_Project = "a\rb\r\nc"; }),
        // A configuration may be named with blanks only, and a name keeps its blanks.
        defaults_with([](Saved_Settings& s) {
            s.Name_Project = "  ";
            s.settings.Last_IP_Address = " 10.0.0.1 ";
            s.settings.enable_update = true;
        }),
        defaults_with([](Saved_Settings& s) {
            s.settings.Last_IP_Address = "";
            s.settings.Language_Name = "";
            s.settings.Double_Click_Auto_Size = true;
        }),
    };
    for (const Saved_Settings& record : records) {
        cfg::Write_Settings(dir / "Morvel.xml", record);
        expect_same(cfg::Read_Settings(dir / "Morvel.xml"), record);
    }
}

TEST(SettingsFile, AWriteThatFailsIsReportedNamingTheFile) {
    TempDir dir;
    std::filesystem::create_directory(dir / "Morvel.xml");
    for (const std::filesystem::path& file : {dir / "missing" / "Morvel.xml", dir / "Morvel.xml"}) {
        try {
            cfg::Write_Settings(file, Saved_Settings{});
            ADD_FAILURE() << "no error for " << file;
        } catch (const cfg::ConfigError& error) {
            EXPECT_NE(std::string(error.what()).find(file.string()), std::string::npos) << error.what();
        }
    }
}

} // namespace
