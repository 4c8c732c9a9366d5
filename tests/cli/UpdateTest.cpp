#include "CliRun.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::read_bytes;
using cfg::test::tool_path;
using cfg::test::write_bytes;
using testing::HasSubstr;

// What lies in the program folder under the maker's updater's name.
enum class Updater { None, Check_Program, Failing, Not_Executable };

struct UpdateCase {
    const char* name;
    Updater updater;
    std::string option;
    bool check_only;
    int code;
    std::string last_line; // of the messages; {HOME} stands for the program folder
    bool tests_the_device;
};

void PrintTo(const UpdateCase& c, std::ostream* out) {
    *out << c.name;
}

class Update : public Program_Folder, public testing::WithParamInterface<UpdateCase> {
protected:
    void place_updater(Updater updater) const {
        const std::filesystem::path program = home / cfg::test::program_file_name("Ethernet_Update");
        switch (updater) {
        case Updater::None:
            break;
        case Updater::Check_Program:
            std::filesystem::copy_file(cfg::test::tool().check_program, program);
            break;
        case Updater::Failing:
            write_bytes(program, "#!/bin/sh\nexit 7\n");
            std::filesystem::permissions(program, std::filesystem::perms::owner_all);
            break;
        case Updater::Not_Executable:
            write_bytes(program, "#!/bin/sh\n");
            break;
        }
    }
};

// Only the loopback address is ever tested.
TEST_P(Update, RunsStepSixAndEndsWithItsOutcome) {
    const UpdateCase& c = GetParam();
    if (c.updater == Updater::Failing || c.updater == Updater::Not_Executable)
        SKIP_FOR_WINDOWS_TOOL("the updaters that fail are shell scripts");
    if (c.tests_the_device && !cfg::test::loopback_can_be_tested())
        GTEST_SKIP() << "this system lets no ICMP echo out: neither a socket nor the ping program";
    copy_configuration("cli/full", "Full");
    place_updater(c.updater);
    // The firmware option finds an image, but an empty one: a fault of the check.
    if (c.option == "1")
        write_bytes(home / "MASTER" / "Sim52C40.sim", "");
    std::vector<std::string> args = {"update", "Full", "--address", "127.0.0.1", "--option", c.option};
    if (c.check_only)
        args.push_back("--check-only");
    const Cli_Result result = cli(args);
    EXPECT_EQ(result.code, c.code) << testing::PrintToString(result);
    // The banks are compiled first; the warning comes before anything is sent.
    EXPECT_TRUE(std::filesystem::exists(home / "PROJECTS" / "Full" / "bin" / "bank3.bin"));
    EXPECT_THAT(result.err, testing::StartsWith(cfg::test::No_ESI_Warning));
    std::string last_line = c.last_line;
    if (const std::size_t at = last_line.find("{UPDATER}"); at != std::string::npos)
        last_line.replace(at, 9, cfg::test::program_file_name("Ethernet_Update"));
    if (const std::size_t at = last_line.find("{HOME}"); at != std::string::npos)
        last_line.replace(at, 6, home.path().string());
    last_line = cfg::test::with_tool_paths(last_line, home.path());
    EXPECT_THAT(result.err, testing::EndsWith(last_line + "\n"));
    EXPECT_EQ(result.err.find("Testing 127.0.0.1 \u2026") != std::string::npos, c.tests_the_device);
    EXPECT_EQ(std::filesystem::exists(home / "Ethernet_Update.xml"), c.tests_the_device);
    // The settings file stays as it was, as with every command.
    EXPECT_FALSE(std::filesystem::exists(home / "Morvel.xml"));
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, Update,
    testing::Values(
        UpdateCase{"TheCheckProgramUnderTheMakersName", Updater::Check_Program, "2", false, 7,
                   "The updater found at {HOME}/{UPDATER} is the check program, not the maker's updater: the "
                   "files were checked, but nothing was sent to the device. Put the maker's updater there in "
                   "its place.",
                   true},
        UpdateCase{"CheckOnly", Updater::None, "2", true, 6,
                   "The files were checked: every file could go into the device. Nothing was sent to the "
                   "device.",
                   true},
        UpdateCase{"CheckOnlyFindingFaults", Updater::None, "1", true, 1,
                   "The files were checked and faults were found; the check's log names them: "
                   "{HOME}/configurator-check-update.log. Nothing was sent to the device.",
                   true},
        UpdateCase{"WithoutUpdater", Updater::None, "2", false, 5,
                   "The updater was not found. It is expected here: {HOME}/{UPDATER}", false},
        UpdateCase{"WithAFailingUpdater", Updater::Failing, "2", false, 5,
                   "The updater ended with exit code 7: the device may not have been updated.", true},
        UpdateCase{
            "WithAnUpdaterThatCannotStart", Updater::Not_Executable, "2", false, 5,
            "The updater could not be started. Check that it is an executable program: {HOME}/{UPDATER}",
            true},
        UpdateCase{"WithoutTheFirmwareImage", Updater::Check_Program, "0", false, 3,
                   "The update was not started: a file it would write into the device is missing: "
                   "{HOME}/MASTER/Sim52C40.sim",
                   false}),
    [](const testing::TestParamInfo<UpdateCase>& info) { return std::string(info.param.name); });

TEST_F(Program_Folder, UpdateRefusesAnAddressNoDeviceCouldHave) {
    copy_configuration("cli/full", "Full");
    const Cli_Result result = cli({"update", "Full", "--address", "127.0.0.256"});
    EXPECT_EQ(result.code, 2) << testing::PrintToString(result);
    EXPECT_THAT(result.err, testing::StartsWith("Error!!! Check the Ip Address (127.0.0.256)\n\n"));
    EXPECT_FALSE(std::filesystem::exists(home / "PROJECTS" / "Full" / "bin" / "bank1.bin"));
}

TEST_F(Program_Folder, UpdateOfAConfigurationThatDoesNotCompileSendsNothing) {
    const std::filesystem::path folder = copy_configuration("cli/full", "Full");
    write_bytes(folder / "ParGen.xml", "<Par_Gen><unclosed>");
    std::filesystem::copy_file(cfg::test::tool().check_program,
                               home / cfg::test::program_file_name("Ethernet_Update"));
    const Cli_Result result = cli({"update", "Full", "--address", "127.0.0.1", "--option", "2"});
    EXPECT_EQ(result.code, 3) << testing::PrintToString(result);
    EXPECT_THAT(result.err, HasSubstr("ParGen.xml"));
    EXPECT_FALSE(std::filesystem::exists(home / "Ethernet_Update.xml"));
}

// Once the ESI file is written, the update goes on without the warning.
TEST_F(Program_Folder, UpdateAfterTheEsiFileWarnsOfNothing) {
    copy_configuration("cli/full", "Full");
    ASSERT_EQ(cli({"esi", "Full", tool_path(home / "full.xml")}).code, 0);
    const Cli_Result result = cli({"update", "Full", "--address", "127.0.0.1", "--option", "2"});
    EXPECT_EQ(result.code, 5) << testing::PrintToString(result);
    EXPECT_THAT(result.err, testing::StartsWith("The updater was not found."));
}

} // namespace
