#include "CliRun.h"
#include "core/image/UpdateJob.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using cfg::test::Cli_Result;
using cfg::test::fixture;
using cfg::test::Program_Folder;
using cfg::test::read_bytes;
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
    const Cli_Result result = cli({"inspect", fixture(bank + ".bin").string()});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.out, read_bytes(fixture(bank + ".txt")));
    EXPECT_EQ(result.err, "");
}

INSTANTIATE_TEST_SUITE_P(Banks, Inspect, testing::Values("bank1", "bank2", "bank3"));

// Names with quotes and a backslash stay valid JSON.
TEST_F(Program_Folder, InspectGivesJson) {
    const Cli_Result result = cli({"inspect", "--json", fixture("cli/expected/full_bank3.bin").string()});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    std::string expected = read_bytes(fixture("cli/expected/full_bank3.json"));
    const std::string file_line = "\"file\": \"";
    const std::size_t at = expected.find(file_line) + file_line.size();
    expected.replace(at, expected.find('"', at) - at, fixture("cli/expected/full_bank3.bin").string());
    EXPECT_EQ(result.out, expected);
}

// A bank a device must not be given still shows its fields, but the tool says why and fails.
TEST_F(Program_Folder, InspectOfADamagedBankReportsTheFaultAndFails) {
    std::string bank1 = read_bytes(fixture("cli/expected/full_bank1.bin"));
    bank1[0x28] = static_cast<char>(10); // the IP address changed behind the checksum's back
    write_bytes(home / "bank1.bin", bank1);
    const Cli_Result result = cli({"inspect", (home / "bank1.bin").string()});
    EXPECT_EQ(result.code, 1) << testing::PrintToString(result);
    EXPECT_THAT(result.out, HasSubstr("IP address            10.168.2.50\n"));
    EXPECT_THAT(result.err, HasSubstr("hecksum"));
}

TEST_F(Program_Folder, InspectOfAFileThatIsNoBankIsAFileError) {
    write_bytes(home / "short.bin", std::string(100, '\0'));
    const Cli_Result missing = cli({"inspect", (home / "missing.bin").string()});
    EXPECT_EQ(missing.code, 3) << testing::PrintToString(missing);
    EXPECT_THAT(missing.err, HasSubstr("missing.bin"));
    const Cli_Result short_file = cli({"inspect", (home / "short.bin").string()});
    EXPECT_EQ(short_file.code, 3) << testing::PrintToString(short_file);
    EXPECT_THAT(short_file.err, HasSubstr("short.bin"));
}

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
              cfg::image::Update_Job_Bytes({home.path(), home / "MASTER", folder}, "192.168.002.205",
                                           GetParam().option, GetParam().read_back));
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
