#include "CliRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <sstream>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::read_bytes;
using cfg::test::tool_path;
using cfg::test::write_bytes;
using testing::HasSubstr;

struct StandInCase {
    const char* name;
    std::function<void(const std::filesystem::path& bin)> spoil; // the configuration's bin folder
    bool passed;
    std::string said; // on the output when it passes, among the faults otherwise
};

void PrintTo(const StandInCase& c, std::ostream* out) {
    *out << c.name;
}

class StandInFolder : public Program_Folder {
protected:
    // The job the update writes for the compiled fixture "full" in the data folder; gives the
    // configuration's bin folder.
    std::filesystem::path prepare() const {
        copy_configuration("cli/full", "Full");
        EXPECT_EQ(cli({"compile", "Full"}).code, 0);
        EXPECT_EQ(cli({"job", "Full", "--ip", "127.0.0.1", "--option", "2", "--read-back"}).code, 0);
        return home / "PROJECTS" / "Full" / "bin";
    }

    // The check program run on the job in the data folder, given as its argument.
    Cli_Result check() const {
        return cfg::test::run_cli({tool_path(home.path())}, cfg::test::tool().check_program);
    }
};

class StandIn : public StandInFolder, public testing::WithParamInterface<StandInCase> {};

TEST_P(StandIn, ChecksEveryBankTheJobNames) {
    GetParam().spoil(prepare());

    const Cli_Result result = check();
    // Never 0, the maker's updater's success, whatever it found.
    EXPECT_EQ(result.code, GetParam().passed ? 90 : 91) << testing::PrintToString(result);
    EXPECT_THAT(GetParam().passed ? result.out : result.err, HasSubstr(GetParam().said));
    // The log, beside the job, holds every line that was shown, the faults included.
    const std::string log = read_bytes(home / "configurator-check-update.log");
    std::istringstream shown(result.out + result.err);
    for (std::string line; std::getline(shown, line);)
        EXPECT_THAT(log, HasSubstr(line + "\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Banks, StandIn,
    testing::Values(
        StandInCase{"Valid", [](const std::filesystem::path&) {}, true, "[3/3] configuration bank "},
        StandInCase{"MissingBank",
                    [](const std::filesystem::path& bin) { std::filesystem::remove(bin / "bank2.bin"); },
                    false, "bank2.bin\" is not there."},
        StandInCase{"CorruptedChecksum",
                    [](const std::filesystem::path& bin) {
                        std::string bank1 = read_bytes(bin / "bank1.bin");
                        bank1[0x28] = static_cast<char>(bank1[0x28] + 1);
                        write_bytes(bin / "bank1.bin", bank1);
                    },
                    false, "bank1.bin: The checksum is "},
        StandInCase{"ABankInAnothersPlace",
                    [](const std::filesystem::path& bin) {
                        std::filesystem::copy_file(bin / "bank1.bin", bin / "bank3.bin",
                                                   std::filesystem::copy_options::overwrite_existing);
                    },
                    false, "bank3.bin: "},
        StandInCase{"NoJob",
                    [](const std::filesystem::path& bin) {
                        std::filesystem::remove(bin.parent_path().parent_path().parent_path() /
                                                "Ethernet_Update.xml");
                    },
                    false, "There is no job file"}),
    [](const testing::TestParamInfo<StandInCase>& info) { return std::string(info.param.name); });

// It says what it would write and that nothing is sent.
TEST_F(StandInFolder, SendsNothingAndSaysSo) {
    const std::filesystem::path bin = prepare();
    const Cli_Result result = check();
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')),
              "configurator-check-update: checks the job and its files; nothing is sent to any device.");
    EXPECT_THAT(result.out, HasSubstr("[1/3] configuration bank " + tool_path(bin / "bank1.bin") +
                                      " at 0x07000, read back\n"
                                      "      2048 bytes would be written\n"));
    EXPECT_EQ(result.err, "");
}

// Started as an updater is, without arguments, it checks the job in the folder it is started in.
TEST_F(StandInFolder, ChecksTheJobOfTheFolderItIsStartedIn) {
    SKIP_FOR_WINDOWS_TOOL("the test's shell starts the Windows build in its own folder");
    prepare();
    const Cli_Result result =
        cfg::test::run_cli({"-c", "cd \"$1\" && exec \"$2\"", "sh", home.path().string(),
                            cfg::test::tool().check_program.string()},
                           "/bin/sh");
    EXPECT_EQ(result.code, 90) << testing::PrintToString(result);
    EXPECT_TRUE(std::filesystem::exists(home / "configurator-check-update.log"));
}

struct ArgumentsCase {
    const char* name;
    std::vector<std::string> args;
    int code;
    std::string said; // the start of the output, or of the error output for a usage error
};

void PrintTo(const ArgumentsCase& c, std::ostream* out) {
    *out << c.name;
}

class CheckProgramArguments : public testing::TestWithParam<ArgumentsCase> {};

// --help and --version answer and check nothing; anything else unknown is a usage error.
TEST_P(CheckProgramArguments, AnswerWithoutChecking) {
    const ArgumentsCase& c = GetParam();
    const Cli_Result result = cfg::test::run_cli(c.args, cfg::test::tool().check_program);
    EXPECT_EQ(result.code, c.code) << testing::PrintToString(result);
    EXPECT_THAT(c.code == 2 ? result.err : result.out, testing::StartsWith(c.said));
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CheckProgramArguments,
    testing::Values(ArgumentsCase{"Help", {"--help"}, 0, "Usage: configurator-check-update [FOLDER]\n"},
                    ArgumentsCase{"Version",
                                  {"--version"},
                                  0,
                                  "configurator-check-update (SW52C40 1.000)\nLicense GPL-3.0-or-later"},
                    ArgumentsCase{"UnknownOption", {"--send"}, 2, "Unknown arguments."},
                    ArgumentsCase{"TwoFolders", {"a", "b"}, 2, "Unknown arguments."}),
    [](const testing::TestParamInfo<ArgumentsCase>& info) { return std::string(info.param.name); });

} // namespace
