#include "CliRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::tool_path;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;

constexpr const char* Usage_Start = "Usage: configurator-cli [--home DIR] COMMAND [ARGS]";

TEST_F(Program_Folder, HelpPrintsTheUsageAndDoesNothingElse) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"--help"}, {"-h", "new", "x"}}) {
        const Cli_Result result = cli(args);
        EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
        EXPECT_THAT(result.out, StartsWith(Usage_Start));
        EXPECT_EQ(result.err, "");
    }
    EXPECT_FALSE(std::filesystem::exists(home / "PROJECTS" / "x"));
}

class CommandHelp : public Program_Folder, public testing::WithParamInterface<std::string> {};

// COMMAND -h and COMMAND --help print that command's help, wherever they stand, and do nothing else;
// after "--" the same text is a name.
TEST_P(CommandHelp, PrintsTheCommandsHelpAndDoesNothingElse) {
    const std::string& command = GetParam();
    for (const std::vector<std::string>& args : {std::vector<std::string>{command, "-h"},
                                                 {command, "--help"},
                                                 {command, "Plant", "-h", "extra", "--unknown"}}) {
        const Cli_Result result = cli(args);
        EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
        EXPECT_THAT(result.out, StartsWith("Usage: configurator-cli [--home DIR] " + command));
        EXPECT_THAT(result.out, Not(HasSubstr("Commands:")));
        EXPECT_EQ(result.err, "");
    }
    EXPECT_FALSE(std::filesystem::exists(home / "PROJECTS"));
    EXPECT_FALSE(std::filesystem::exists(home / "Ethernet_Update.xml"));
}

INSTANTIATE_TEST_SUITE_P(EveryCommand, CommandHelp,
                         testing::Values("list", "new", "check", "compile", "esi", "map", "job", "update",
                                         "inspect", "layout", "texts", "preview", "learn"));

TEST_F(Program_Folder, AfterTheEndOfOptionsDashHIsAName) {
    const Cli_Result result = cli({"compile", "--", "-h"});
    EXPECT_EQ(result.code, 3) << testing::PrintToString(result);
    EXPECT_THAT(result.err, HasSubstr(tool_path(home / "PROJECTS" / "-h")));
}

// The same words as the desktop program's --version.
TEST_F(Program_Folder, VersionPrintsTheVersionAndDoesNothingElse) {
    const Cli_Result result = cli({"--version", "list"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out.substr(0, result.out.find('\n') + 1), "SW52C40 1.000\n");
    EXPECT_THAT(result.out, HasSubstr("GPL-3.0-or-later"));
    EXPECT_EQ(result.err, "");
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    const char* message;
};

void PrintTo(const UsageCase& c, std::ostream* out) {
    *out << c.name;
}

class UsageError : public Program_Folder, public testing::WithParamInterface<UsageCase> {};

TEST_P(UsageError, ExitsWithTwoAndTheUsage) {
    const Cli_Result result = cli(GetParam().args);
    EXPECT_EQ(result.code, 2) << testing::PrintToString(result);
    EXPECT_THAT(result.err, StartsWith(std::string(GetParam().message) + "\n\n" + Usage_Start));
    EXPECT_EQ(result.out, "");
    EXPECT_FALSE(std::filesystem::exists(home / "Ethernet_Update.xml"));
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, UsageError,
    testing::Values(
        UsageCase{"NoCommand", {}, "No command given"},
        UsageCase{"UnknownCommand", {"build", "x"}, "Unknown command \"build\""},
        UsageCase{"UnknownOptionBeforeTheCommand", {"--verbose", "list"}, "Unknown option --verbose"},
        UsageCase{
            "UnknownOptionOfTheCommand", {"list", "--strict"}, "The command list has no option --strict"},
        UsageCase{
            "VersionAfterTheCommand", {"list", "--version"}, "The command list has no option --version"},
        UsageCase{"MissingOperand", {"map", "Plant"}, "The command map takes CONFIG FILE"},
        UsageCase{"ExtraOperand", {"list", "Plant"}, "The command list takes no operands"},
        UsageCase{"OptionWithoutItsValue", {"texts", "--language"}, "The option --language needs a value"}));

// --home takes a folder: without one, with an empty one or with the name of a file the command line
// is wrong, and the tool says so before it touches anything.
TEST(CommandLine, HomeWithoutAFolderIsAUsageError) {
    cfg::test::TempDir dir;
    cfg::test::write_bytes(dir / "Morvel.xml", "");
    const std::string file = tool_path(dir / "Morvel.xml");
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--home"}, "The option --home needs a value"},
        {{"--home=", "list"}, "The option --home needs a folder, not an empty text"},
        {{"--home", "", "list"}, "The option --home needs a folder, not an empty text"},
        {{"--home", file, "list"}, "The option --home names \"" + file + "\", which is not a folder"},
    };
    for (const auto& [args, message] : cases) {
        const Cli_Result result = cfg::test::run_cli(args);
        EXPECT_EQ(result.code, 2) << testing::PrintToString(result);
        EXPECT_THAT(result.err, StartsWith(message + "\n\n" + Usage_Start));
    }
    EXPECT_EQ(cfg::test::read_bytes(dir / "Morvel.xml"), "");
}

// "--" ends the options, so a configuration may be called like one.
TEST_F(Program_Folder, OperandsAfterTheEndOfOptionsAreNames) {
    const Cli_Result result = cli({"new", "--", "--json"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_TRUE(std::filesystem::is_directory(home / "PROJECTS" / "--json" / "bin"));
}

struct FileErrorCase {
    const char* name;
    std::vector<std::pair<std::string, std::string>> files; // of the configuration "Plant"
    std::vector<std::string> args;
    std::vector<std::string> message_parts;
};

void PrintTo(const FileErrorCase& c, std::ostream* out) {
    *out << c.name;
}

class FileError : public Program_Folder, public testing::WithParamInterface<FileErrorCase> {};

TEST_P(FileError, ExitsWithThreeNamingTheFileAndTheReason) {
    make_configuration("Plant", GetParam().files);
    std::vector<std::string> args;
    for (const std::string& arg : GetParam().args)
        args.push_back(arg == "@HOME@" ? tool_path(home.path()) : arg);
    const Cli_Result result = cli(args);
    EXPECT_EQ(result.code, 3) << testing::PrintToString(result);
    for (const std::string& part : GetParam().message_parts)
        EXPECT_THAT(result.err, HasSubstr(part));
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileError,
    testing::Values(
        FileErrorCase{"MalformedParameters",
                      {{"ParGen.xml", "<Par_Gen><Ethernet_IP1>192</Par_Gen>"}},
                      {"check", "Plant"},
                      {"ParGen.xml\" is not well-formed XML"}},
        FileErrorCase{"ListenerWithoutItsTable",
                      {{"NMEA_0183_Set_Access.xml", "<NMEA_0183/>"}},
                      {"layout", "Plant"},
                      {"NMEA_0183_Set_Access.xml\" has no element NMEA_Listener"}},
        FileErrorCase{
            "ConfigurationMissing", {}, {"check", "Plant B"}, {"Error! Project not Valid", "Plant B\""}},
        FileErrorCase{
            "ConfigurationNameThatIsNoFolderName", {}, {"check", ".."}, {"Error! Project not Valid"}},
        FileErrorCase{"TargetInAFolderThatDoesNotExist",
                      {},
                      {"map", "Plant", "@HOME@/no/such/folder/map.csv"},
                      {"Cannot", "no/such/folder/map.csv\""}},
        FileErrorCase{"LanguageFileMissing", {}, {"texts", "--language", "Klingon"}, {"Klingon.lng\""}}));

TEST(CommandLine, AProgramFolderThatDoesNotExistIsAFileError) {
    cfg::test::TempDir dir;
    const Cli_Result result = cfg::test::run_cli({"--home", tool_path(dir / "gone"), "list"});
    EXPECT_EQ(result.code, 3);
    EXPECT_THAT(result.err, HasSubstr("gone\" does not exist"));
    EXPECT_FALSE(std::filesystem::exists(dir / "gone"));
}

} // namespace
