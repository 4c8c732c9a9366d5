#include "CliRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::tool_path;
using cfg::test::write_bytes;

TEST_F(Program_Folder, NewMakesAnEmptyConfigurationThatListShows) {
    const Cli_Result created = cli({"new", "Plant A"});
    EXPECT_EQ(created.code, 0) << testing::PrintToString(created);
    EXPECT_EQ(created.out + created.err, "");
    const std::filesystem::path folder = home / "PROJECTS" / "Plant A";
    EXPECT_TRUE(std::filesystem::is_empty(folder / "bin"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    // The settings of the desktop program stay as they were.
    EXPECT_FALSE(std::filesystem::exists(home / "Morvel.xml"));

    const Cli_Result listed = cli({"list"});
    EXPECT_EQ(listed.code, 0);
    EXPECT_EQ(listed.out, "Plant A\n");
}

struct RefusalCase {
    const char* name;
    std::string configuration;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* out) {
    *out << c.name;
}

class NewRefused : public Program_Folder, public testing::WithParamInterface<RefusalCase> {};

TEST_P(NewRefused, ShowsTheMessageOfTheDialogAndChangesNothing) {
    std::filesystem::create_directories(home / "PROJECTS" / "Existing");
    const Cli_Result result = cli({"new", GetParam().configuration});
    EXPECT_EQ(result.code, 1) << testing::PrintToString(result);
    EXPECT_EQ(result.err, std::string(GetParam().message) + "\n");
    EXPECT_EQ(cli({"list"}).out, "Existing\n");
    EXPECT_FALSE(std::filesystem::exists(home / "Outside"));
    EXPECT_FALSE(std::filesystem::exists(home / "PROJECTS" / "Existing" / "bin"));
}

INSTANTIATE_TEST_SUITE_P(
    Names, NewRefused,
    testing::Values(RefusalCase{"Empty", "", "Error! Name Project is not valid"},
                    RefusalCase{"Exists", "Existing",
                                "Error! Name project is not valid because directory already exists"},
                    RefusalCase{"LeavesProjects", "../Outside", "Error! Name project is not valid"},
                    RefusalCase{"IntoAnotherConfiguration", "Existing/bin",
                                "Error! Name project is not valid"}));

TEST_F(Program_Folder, ListGivesTheFoldersInTheOrderOfTheOpenDialog) {
    // A Windows file name holds no quote.
    const bool quotes = !cfg::test::tool().windows;
    for (const char* name : {"beta", "Alpha", "Gamma", ".hidden"})
        std::filesystem::create_directories(home / "PROJECTS" / name);
    if (quotes)
        std::filesystem::create_directories(home / "PROJECTS" / "say \"hi\"");
    write_bytes(home / "PROJECTS" / "notes.txt", "not a configuration");
    EXPECT_EQ(cli({"list"}).out, std::string("Alpha\nbeta\nGamma\n") + (quotes ? "say \"hi\"\n" : ""));
    EXPECT_EQ(cli({"list", "--json"}).out,
              "{\n  \"projects\": \"" + cfg::test::tool_json_path(home / "PROJECTS") +
                  "\",\n  \"configurations\": [\n    \"Alpha\",\n    \"beta\",\n    \"Gamma\"" +
                  (quotes ? ",\n    \"say \\\"hi\\\"\"" : "") + "\n  ]\n}\n");
    std::filesystem::remove_all(home / "PROJECTS");
    EXPECT_EQ(cli({"list", "--json"}).out, "{\n  \"projects\": \"" +
                                               cfg::test::tool_json_path(home / "PROJECTS") +
                                               "\",\n  \"configurations\": []\n}\n");
}

// The messages follow the language the settings file names, as in the desktop program.
TEST_F(Program_Folder, MessagesComeInTheLanguageOfTheSettings) {
    write_bytes(home / "Morvel.xml",
                "<Conf_Settings><lastlang><language>Italiano</language></lastlang></Conf_Settings>");
    write_bytes(home / "LANGUAGE" / "Italiano.lng", "STR106 =Errore! La cartella esiste\r\n");
    std::filesystem::create_directories(home / "PROJECTS" / "Plant");
    const Cli_Result result = cli({"new", "Plant"});
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, "Errore! La cartella esiste\n");
}

// Like the desktop program, the tool works beside itself unless told otherwise.
TEST_F(Program_Folder, WithoutHomeTheProgramFolderIsTheExecutablesFolder) {
    const std::filesystem::path copy = home / "configurator-cli";
    std::filesystem::copy_file(cfg::test::tool().cli, copy);
    std::filesystem::create_directories(home / "PROJECTS" / "Beside");
    const Cli_Result result = cfg::test::run_cli({"list"}, copy);
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out, "Beside\n");
    // Listing only reads.
    EXPECT_FALSE(std::filesystem::exists(home / "LANGUAGE"));
}

// An argument with a path separator names the folder itself, wherever it lies.
TEST_F(Program_Folder, AConfigurationIsFoundByPathOutsideProjects) {
    const std::filesystem::path folder = home / "checkout" / "Plant";
    std::filesystem::create_directories(folder);
    std::filesystem::copy(cfg::test::fixture("cli/good"), folder);
    EXPECT_EQ(cli({"check", tool_path(folder) + "/"}).code, 0);
    EXPECT_EQ(cli({"check", "Plant"}).code, 3);
}

} // namespace
