#include "CliRun.h"
#include "core/image/UpdateJob.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace {

using cfg::test::Cli_Result;
using cfg::test::fixture;
using cfg::test::Program_Folder;
using cfg::test::read_bytes;
using cfg::test::tool_path;
using cfg::test::write_bytes;
using testing::HasSubstr;

// The fixture "full" takes every kind of field: a parameter set with DNS, DHCP, a gateway, a hex
// baud rate, a name longer than the block holds with accents, the EEPROM text with a pair that is no
// number and the identity keys the screen never writes; listener rows with and without an Index,
// every swap, post operations, a hex position, and rows that are dropped (inactive, a sentence that
// is not offered, a port not in use) or kept despite letter case and blanks; and a variable of every
// type with initial values, a disabled one, an empty name and names with accents, quotes and a
// backslash. Its expected banks were derived from the written rules byte by byte, independently of
// the compiler, and read back field by field through inspect.
TEST_F(Program_Folder, CompileWritesTheThreeBanksIntoANewBinFolder) {
    const std::filesystem::path folder = copy_configuration("cli/full", "Full");
    ASSERT_FALSE(std::filesystem::exists(folder / "bin"));
    const Cli_Result result = cli({"compile", "Full"});
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out + result.err, "");
    for (const char* bank : {"bank1", "bank2", "bank3"}) {
        EXPECT_EQ(read_bytes(folder / "bin" / (std::string(bank) + ".bin")),
                  read_bytes(fixture("cli/expected/full_" + std::string(bank) + ".bin")))
            << bank;
    }
}

TEST_F(Program_Folder, CompileOfAMalformedFileWritesNoBank) {
    const std::filesystem::path folder = copy_configuration("cli/full", "Full");
    write_bytes(folder / "EtherCAT_Slave.xml", "<EtherCAT_Slave><EtherCAT_Slave_Variables>");
    const Cli_Result result = cli({"compile", "Full"});
    EXPECT_EQ(result.code, 3) << testing::PrintToString(result);
    EXPECT_THAT(result.err, HasSubstr("EtherCAT_Slave.xml\" is not well-formed XML"));
    EXPECT_FALSE(std::filesystem::exists(folder / "bin" / "bank1.bin"));
}

class Inspect : public Program_Folder, public testing::WithParamInterface<const char*> {};

TEST_P(Inspect, DecodesEachBankFieldByField) {
    const std::string bank = std::string("cli/expected/full_") + GetParam();
    const Cli_Result result = cli({"inspect", tool_path(fixture(bank + ".bin"))});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out, read_bytes(fixture(bank + ".txt")));
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(Banks, Inspect, testing::Values("bank1", "bank2", "bank3"));

// Names with quotes and a backslash stay valid JSON.
TEST_F(Program_Folder, InspectGivesJson) {
    const Cli_Result result = cli({"inspect", "--json", tool_path(fixture("cli/expected/full_bank3.bin"))});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    std::string expected = read_bytes(fixture("cli/expected/full_bank3.json"));
    const std::string file_line = "\"file\": \"";
    const std::size_t at = expected.find(file_line) + file_line.size();
    expected.replace(at, expected.find('"', at) - at,
                     cfg::test::tool_json_path(fixture("cli/expected/full_bank3.bin")));
    EXPECT_EQ(result.out, expected);
}

// A bank a device must not be given still shows its fields, but the tool says why and fails.
TEST_F(Program_Folder, InspectOfADamagedBankReportsTheFaultAndFails) {
    std::string bank1 = read_bytes(fixture("cli/expected/full_bank1.bin"));
    bank1[0x28] = static_cast<char>(10); // the IP address changed behind the checksum's back
    write_bytes(home / "bank1.bin", bank1);
    const Cli_Result result = cli({"inspect", tool_path(home / "bank1.bin")});
    EXPECT_EQ(result.code, 1) << testing::PrintToString(result);
    EXPECT_THAT(result.out, HasSubstr("IP address            10.168.2.50\n"));
    EXPECT_THAT(result.err, HasSubstr("hecksum"));
}

struct NoBankCase {
    const char* name;
    void (*prepare)(const std::filesystem::path& file);
    const char* reason; // after the quoted file name
};

void PrintTo(const NoBankCase& c, std::ostream* out) {
    *out << c.name;
}

class InspectOfNoBank : public Program_Folder, public testing::WithParamInterface<NoBankCase> {};

// Whatever the file is, the tool names it and says why it is no bank, without reading more of it
// than the largest bank can hold.
TEST_P(InspectOfNoBank, IsAFileErrorNamingTheFileAndTheReason) {
    if (std::string_view(GetParam().name) == "EndlessDevice")
        SKIP_FOR_WINDOWS_TOOL("a symbolic link to a device");
    const std::filesystem::path file = home / "bank.bin";
    GetParam().prepare(file);
    const Cli_Result result = cli({"inspect", tool_path(file)});
    EXPECT_EQ(result.code, 3) << testing::PrintToString(result);
    EXPECT_THAT(result.err, HasSubstr("\"" + tool_path(file) + "\"" + GetParam().reason + "\n"));
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Files, InspectOfNoBank,
    testing::Values(
        NoBankCase{"Missing", [](const std::filesystem::path&) {}, ": No such file or directory"},
        NoBankCase{"Short",
                   [](const std::filesystem::path& file) { write_bytes(file, std::string(100, '\0')); },
                   " has 100 bytes, the size of no bank file."},
        NoBankCase{"Folder",
                   [](const std::filesystem::path& file) { std::filesystem::create_directory(file); },
                   ": Is a directory"},
        NoBankCase{"LargerThanAnyBank",
                   [](const std::filesystem::path& file) {
                       write_bytes(file, "");
                       std::filesystem::resize_file(file, std::uintmax_t{1} << 40);
                   },
                   ": it is larger than 131072 bytes, more than a file of its kind can be"},
        NoBankCase{
            "EndlessDevice",
            [](const std::filesystem::path& file) { std::filesystem::create_symlink("/dev/zero", file); },
            ": it is larger than 131072 bytes, more than a file of its kind can be"}),
    [](const testing::TestParamInfo<NoBankCase>& info) { return std::string(info.param.name); });

struct JobCase {
    const char* name;
    std::vector<std::string> options;
    int option;
    bool read_back;
};

void PrintTo(const JobCase& c, std::ostream* out) {
    *out << c.name;
}

class Job : public Program_Folder, public testing::WithParamInterface<JobCase> {};

// The job the update dialog writes for a device at that address (written as typed), naming the
// program's folders and the configuration's banks; the updater is not started.
TEST_P(Job, WritesTheUpdaterJobIntoTheProgramFolder) {
    const std::filesystem::path folder = make_configuration("Plant", {});
    std::vector<std::string> args = {"job", "Plant", "--ip", "192.168.002.205"};
    args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
    const Cli_Result result = cli(args);
    ASSERT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_EQ(read_bytes(home / "Ethernet_Update.xml"),
              cfg::test::with_tool_paths(
                  cfg::image::Update_Job_Bytes({home.path(), home.path(), home / "MASTER", folder},
                                               "192.168.002.205", GetParam().option, GetParam().read_back),
                  home.path()));
    EXPECT_FALSE(std::filesystem::exists(home / "Morvel.xml"));
}

INSTANTIATE_TEST_SUITE_P(
    Options, Job,
    testing::Values(
        JobCase{"DefaultFirmwareAndConfiguration", {}, cfg::image::Update_Firmware_And_Configuration, false},
        JobCase{"FirmwareAndConfiguration",
                {"--option", "0", "--read-back"},
                cfg::image::Update_Firmware_And_Configuration,
                true},
        JobCase{"Firmware", {"--option", "1"}, cfg::image::Update_Firmware, false},
        JobCase{"Configuration", {"--read-back", "--option=2"}, cfg::image::Update_Configuration, true}));

} // namespace
