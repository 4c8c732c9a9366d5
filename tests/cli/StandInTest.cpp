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
    int code;
    std::string said; // on the output when it ends with 0, among the faults otherwise
};

void PrintTo(const StandInCase& c, std::ostream* out) {
    *out << c.name;
}

class StandInFolder : public Program_Folder {
protected:
    // The stand-in beside the program, with the job the update writes for the compiled fixture
    // "full"; gives the configuration's bin folder.
    std::filesystem::path prepare() const {
        copy_configuration("cli/full", "Full");
        EXPECT_EQ(cli({"compile", "Full"}).code, 0);
        EXPECT_EQ(cli({"job", "Full", "--ip", "127.0.0.1", "--option", "2", "--read-back"}).code, 0);
        std::filesystem::copy_file(cfg::test::tool().updater,
                                   home / cfg::test::program_file_name("Ethernet_Update"));
        return home / "PROJECTS" / "Full" / "bin";
    }
};

class StandIn : public StandInFolder, public testing::WithParamInterface<StandInCase> {};

TEST_P(StandIn, ChecksEveryBankTheJobNames) {
    GetParam().spoil(prepare());

    const Cli_Result result = cfg::test::run_cli({}, home / cfg::test::program_file_name("Ethernet_Update"));
    EXPECT_EQ(result.code, GetParam().code) << testing::PrintToString(result);
    EXPECT_THAT(GetParam().code == 0 ? result.out : result.err, HasSubstr(GetParam().said));
    // The log holds every line that was shown, the faults included.
    const std::string log = read_bytes(home / "Ethernet_Update.log");
    std::istringstream shown(result.out + result.err);
    for (std::string line; std::getline(shown, line);)
        EXPECT_THAT(log, HasSubstr(line + "\n"));
}

INSTANTIATE_TEST_SUITE_P(
    Banks, StandIn,
    testing::Values(
        StandInCase{"Valid", [](const std::filesystem::path&) {}, 0, "[3/3] configuration bank "},
        StandInCase{"MissingBank",
                    [](const std::filesystem::path& bin) { std::filesystem::remove(bin / "bank2.bin"); }, 1,
                    "bank2.bin\" is not there."},
        StandInCase{"CorruptedChecksum",
                    [](const std::filesystem::path& bin) {
                        std::string bank1 = read_bytes(bin / "bank1.bin");
                        bank1[0x28] = static_cast<char>(bank1[0x28] + 1);
                        write_bytes(bin / "bank1.bin", bank1);
                    },
                    1, "bank1.bin: The checksum is "},
        StandInCase{"ABankInAnothersPlace",
                    [](const std::filesystem::path& bin) {
                        std::filesystem::copy_file(bin / "bank1.bin", bin / "bank3.bin",
                                                   std::filesystem::copy_options::overwrite_existing);
                    },
                    1, "bank3.bin: "},
        StandInCase{"NoJob",
                    [](const std::filesystem::path& bin) {
                        std::filesystem::remove(bin.parent_path().parent_path().parent_path() /
                                                "Ethernet_Update.xml");
                    },
                    1, "There is no job file"}),
    [](const testing::TestParamInfo<StandInCase>& info) { return std::string(info.param.name); });

// It says what it would write and that nothing is sent.
TEST_F(StandInFolder, SendsNothingAndSaysSo) {
    const std::filesystem::path bin = prepare();
    const Cli_Result result = cfg::test::run_cli({}, home / cfg::test::program_file_name("Ethernet_Update"));
    EXPECT_EQ(result.out.substr(0, result.out.find('\n')),
              "Ethernet_Update stand-in: checks the job and its files; nothing is sent to any device.");
    EXPECT_THAT(result.out, HasSubstr("[1/3] configuration bank " + tool_path(bin / "bank1.bin") +
                                      " at 0x07000, read back\n"
                                      "      2048 bytes would be written\n"));
    EXPECT_EQ(result.err, "");
}

} // namespace
