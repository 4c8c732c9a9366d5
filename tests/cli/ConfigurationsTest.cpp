#include "CliRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

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
    if (std::string_view(GetParam().name) == "NotUtf8")
        SKIP_FOR_WINDOWS_TOOL("its command line is UTF-16, which holds no bytes that are not UTF-8");
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
    testing::Values(
        RefusalCase{"Empty", "", "Error! Name Project is not valid"},
        RefusalCase{"Exists", "Existing",
                    "Error! Name project is not valid because directory already exists"},
        RefusalCase{"LeavesProjects", "../Outside",
                    "Error! Name project is not valid\nThe name may not begin with a blank or a dot."},
        RefusalCase{"IntoAnotherConfiguration", "Existing/bin",
                    "Error! Name project is not valid\nThe name may not hold any of the characters "
                    "< > : \" / \\ | ? *"},
        RefusalCase{"LineBreak", "Plant\nA",
                    "Error! Name project is not valid\nThe name may not hold a line break or another "
                    "control character."},
        RefusalCase{"Device", "Com3",
                    "Error! Name project is not valid\nThe name is kept by Windows for a device (CON, "
                    "PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9)."},
        RefusalCase{"TrailingDot", "Plant.",
                    "Error! Name project is not valid\nThe name may not end with a dot or a blank."},
        RefusalCase{"NotUtf8", std::string(128, '\xC3') + std::string(1, '\xA9'),
                    "Error! Name project is not valid\nThe name is not valid UTF-8 text."},
        RefusalCase{"TooLong",
                    std::string(200, 'x') + "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                                            "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                                            "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                                            "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                                            "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                                            "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                                            "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9",
                    "Error! Name project is not valid\nThe name is too long: it takes 256 bytes in "
                    "UTF-8 and may take at most 255 (a character beyond A to Z takes two to four)."}));

// A folder with an odd name that exists (made by another program) is listed one name a line.
TEST_F(Program_Folder, ListEscapesWhatWouldBreakItsLines) {
    SKIP_FOR_WINDOWS_TOOL("Windows holds no such folder names");
    for (const char* name : {"Line\nBreak", "Tab\there", "Byte \xB6", "Caf\xC3\xA9", "Bell\x07"})
        std::filesystem::create_directories(home / "PROJECTS" / name);
    EXPECT_EQ(cli({"list"}).out, "Bell\\x07\nByte \\xB6\nCaf\xC3\xA9\nLine\\nBreak\nTab\\there\n");
}

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

struct FolderCase {
    const char* name;
    const char* folder; // below the program folder
    const char* file;   // written into it first, nothing when empty
    int code;
};

void PrintTo(const FolderCase& c, std::ostream* out) {
    *out << c.name;
}

class ConfigurationPath : public Program_Folder, public testing::WithParamInterface<FolderCase> {};

// A path must name a configuration folder: one in PROJECTS, or one holding a configuration file.
// Any other folder gets no bin/ written into it.
TEST_P(ConfigurationPath, NamesAConfigurationFolder) {
    const FolderCase& c = GetParam();
    const std::filesystem::path folder = home / c.folder;
    std::filesystem::create_directories(folder);
    if (*c.file)
        std::filesystem::copy_file(cfg::test::fixture("cli/good") / c.file, folder / c.file);
    const Cli_Result result = cli({"compile", tool_path(folder) + "/"});
    EXPECT_EQ(result.code, c.code) << testing::PrintToString(result);
    EXPECT_EQ(std::filesystem::exists(folder / "bin" / "bank1.bin"), c.code == 0);
    if (c.code != 0) {
        EXPECT_THAT(result.err, testing::HasSubstr("is no configuration folder"));
    }
}

INSTANTIATE_TEST_SUITE_P(Folders, ConfigurationPath,
                         testing::Values(FolderCase{"EmptyInProjects", "PROJECTS/Plant", "", 0},
                                         FolderCase{"HoldsParGen", "checkout/Plant", "ParGen.xml", 0},
                                         FolderCase{"HoldsTheListenerTable", "checkout/Plant",
                                                    "NMEA_0183_Set_Access.xml", 0},
                                         FolderCase{"EmptyElsewhere", "checkout/Plant", "", 3},
                                         FolderCase{"TheProgramFolder", ".", "", 3},
                                         FolderCase{"BelowAConfiguration", "PROJECTS/Plant/bin", "", 3}));

} // namespace
