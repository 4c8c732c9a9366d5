#include "CliRun.h"
#include "EsiValidation.h"
#include "core/image/UpdateJob.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using cfg::test::Cli_Result;
using cfg::test::fixture;
using cfg::test::read_bytes;
using cfg::test::tool_path;
using cfg::test::write_bytes;
using testing::HasSubstr;

// Names beyond ASCII, of the configuration and of the files named on the command line (on Windows
// they pass no code page): every command finds them, writes the same bytes as for plain names, and
// a path it writes into a file is in UTF-8.
class NonAsciiNames : public cfg::test::Program_Folder {
protected:
    void SetUp() override { fs::create_directories(out); }

    const std::string name = "Température";
    const fs::path out = home / "Sortie été";
};

TEST_F(NonAsciiNames, NewMakesTheFolderAndListShowsIt) {
    const Cli_Result made = cli({"new", name});
    ASSERT_EQ(made.code, 0) << testing::PrintToString(made);
    EXPECT_TRUE(fs::is_directory(home / "PROJECTS" / name / "bin"));
    EXPECT_THAT(cli({"list"}).out, HasSubstr(name));
}

TEST_F(NonAsciiNames, CompileWritesTheBanksOfTheConfiguration) {
    const fs::path folder = copy_configuration("cli/full", name);
    const Cli_Result result = cli({"compile", name});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    for (const std::string bank : {"bank1", "bank2", "bank3"})
        EXPECT_EQ(read_bytes(folder / "bin" / (bank + ".bin")),
                  read_bytes(fixture("cli/expected/full_" + bank + ".bin")))
            << bank;
}

TEST_F(NonAsciiNames, EsiWritesTheFileAndItsRecordNamesItInUtf8) {
    const fs::path folder = copy_configuration("ethercat/worked_example", name);
    const std::string expected = cfg::test::create_valid_esi(
        folder / "ParGen.xml", folder / "EtherCAT_Slave.xml", home / "expected.xml");
    const fs::path target = out / "Capteur à café.xml";
    const Cli_Result result = cli({"esi", tool_path(folder), tool_path(target)});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(read_bytes(target), expected);
    EXPECT_THAT(read_bytes(folder / "ESI_Record.xml"), HasSubstr("<File>" + tool_path(target) + "</File>"));
}

TEST_F(NonAsciiNames, MapWritesTheObjectsMap) {
    copy_configuration("cli/good", name);
    const fs::path target = out / "Carte des données.csv";
    const Cli_Result result = cli({"map", name, tool_path(target)});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(read_bytes(target), read_bytes(fixture("cli/expected/good_objects_map.csv")));
}

TEST_F(NonAsciiNames, TheJobNamesTheBanksInUtf8) {
    const fs::path folder = make_configuration(name, {});
    const Cli_Result result = cli({"job", name, "--ip", "127.0.0.1", "--option", "2"});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(read_bytes(home / "Ethernet_Update.xml"),
              cfg::test::with_tool_paths(
                  cfg::image::Update_Job_Bytes({home.path(), home.path(), home / "MASTER", folder},
                                               "127.0.0.1", cfg::image::Update_Configuration, false),
                  home.path()));
}

// A language file of that name is found and its texts come through unchanged.
TEST_F(NonAsciiNames, TextsReadsALanguageFileOfThatName) {
    write_bytes(home / "LANGUAGE" / "Français.lng", "STR15 =Nouvelle Configuration \xC3\xA0 d\xC3\xA9"
                                                    "finir\r\n");
    const Cli_Result result = cli({"texts", "--language", "Français"});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_THAT(result.out, HasSubstr("\nSTR15 = Nouvelle Configuration \xC3\xA0 d\xC3\xA9"
                                      "finir\n"));
}

} // namespace
