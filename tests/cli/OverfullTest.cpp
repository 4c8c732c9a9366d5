// Files holding more rows than their tables, as a hand edit may leave them: the check names them,
// and the ESI file and the banks carry the rows the screens show, no more.
#include "CliRun.h"
#include "EsiValidation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace {

using cfg::test::Cli_Result;
using cfg::test::Program_Folder;
using cfg::test::read_bytes;
using cfg::test::tool_path;

// `count` copies of the row element; a row number in it is written as {n}.
std::string rows(int count, const std::string& row) {
    std::string text;
    for (int n = 1; n <= count; ++n) {
        std::string numbered = row;
        if (const std::size_t at = numbered.find("{n}"); at != std::string::npos)
            numbered.replace(at, 3, std::to_string(n));
        text += numbered;
    }
    return text;
}

const std::string listener_row = "<row Enable=\"N\" Serial_Channel=\"RS232\" Sentence=\"GGA\" "
                                 "DataField=\"Latitude, Minutes [floating point]\" PortOperation=\"None\" "
                                 "Position=\"{n}\"/>";
const std::string variable_row =
    "<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"v{n}\" InitValue=\"\"/>";
const std::string topic_row = "<row Topic=\"t{n}\" Retained=\"N\" QoS=\"0\" DataType=\"Int\" Dimension=\"2\" "
                              "Position=\"10\" Template=\"$VALUE$\" OnChange=\"Y\" OnTimer=\"N\"/>";

std::string listener_file(int count) {
    return "<NMEA_0183><NMEA_Listener>" + rows(count, listener_row) + "</NMEA_Listener></NMEA_0183>";
}

std::string ethercat_file(const std::string& slave_to_master, int master_to_slave = 0) {
    return "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + slave_to_master +
           "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + rows(master_to_slave, variable_row) +
           "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>";
}

std::string topics_file(int count) {
    return "<MQTT_Set_Topic><MQTT_Publish>" + rows(count, topic_row) + "</MQTT_Publish></MQTT_Set_Topic>";
}

const std::string left_out = ": The file holds more rows than the table can take. Rows left out: ";

struct OverfullCase {
    const char* name;
    std::string file;
    std::string content;
    int code;
    std::string after_file; // what follows the file's path in the error output
};

void PrintTo(const OverfullCase& c, std::ostream* out) {
    *out << c.name;
}

class OverfullFile : public Program_Folder, public testing::WithParamInterface<OverfullCase> {};

// The warning names the file and the rows its table leaves out; the check itself runs on the rows
// the screen shows and decides the exit status alone.
TEST_P(OverfullFile, IsNamedWithTheRowsLeftOut) {
    const std::filesystem::path folder = make_configuration("Plant", {{GetParam().file, GetParam().content}});
    const Cli_Result result = cli({"check", "Plant"});
    EXPECT_EQ(result.code, GetParam().code) << testing::PrintToString(result);
    EXPECT_EQ(result.err,
              tool_path(folder / GetParam().file) + GetParam().after_file + cfg::test::No_ESI_Warning);
    EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Files, OverfullFile,
    testing::Values(
        OverfullCase{"Listener", "NMEA_0183_Set_Access.xml", listener_file(101), 0, left_out + "1\n"},
        OverfullCase{"SlaveToMaster", "EtherCAT_Slave.xml", ethercat_file(rows(257, variable_row)), 0,
                     left_out + "1\n"},
        OverfullCase{"BothEtherCATTables", "EtherCAT_Slave.xml", ethercat_file(rows(257, variable_row), 260),
                     0, left_out + "5\n"},
        OverfullCase{"Topics", "MQTT_Set_Topic.xml", topics_file(1030), 0, left_out + "6\n"},
        OverfullCase{
            "WithAFailingRow", "EtherCAT_Slave.xml",
            ethercat_file("<row Enable=\"Y\" Type=\"String\" Length=\"300\"/>" + rows(256, variable_row)), 1,
            left_out + "1\nError row 1!! Length must be a whole number between 0 and 255\n"}),
    [](const testing::TestParamInfo<OverfullCase>& info) { return std::string(info.param.name); });

TEST_F(Program_Folder, CheckIsSilentAboutFullTables) {
    make_configuration("Plant", {{"NMEA_0183_Set_Access.xml", listener_file(100)},
                                 {"EtherCAT_Slave.xml", ethercat_file(rows(256, variable_row), 256)},
                                 {"MQTT_Set_Topic.xml", topics_file(1024)}});
    const Cli_Result result = cli({"check", "Plant"});
    EXPECT_EQ(result.code, 0) << testing::PrintToString(result);
    EXPECT_EQ(result.err, cfg::test::No_ESI_Warning);
}

// 257 enabled Slave To Master rows: the master and the device both get the first 256.
TEST_F(Program_Folder, EsiAndBanksCarryTheVariablesTheScreenShows) {
    const std::filesystem::path folder =
        make_configuration("Plant", {{"EtherCAT_Slave.xml", ethercat_file(rows(257, variable_row))}});

    const std::filesystem::path esi = home / "Plant.xml";
    const Cli_Result esi_result = cli({"esi", "Plant", tool_path(esi)});
    ASSERT_EQ(esi_result.code, 0) << testing::PrintToString(esi_result);
    const std::string description = read_bytes(esi);
    std::size_t entries = 0;
    for (std::size_t at = description.find("<Index>#x6"); at != std::string::npos;
         at = description.find("<Index>#x6", at + 1))
        ++entries;
    EXPECT_EQ(entries, 256u);
    EXPECT_NE(description.find("<Name>v256</Name>"), std::string::npos);
    EXPECT_EQ(description.find("<Name>v257</Name>"), std::string::npos);
    cfg::test::validate_esi(esi);

    const Cli_Result compile_result = cli({"compile", "Plant"});
    ASSERT_EQ(compile_result.code, 0) << testing::PrintToString(compile_result);
    const std::string bank3 = read_bytes(folder / "bin" / "bank3.bin");
    EXPECT_EQ(bank3.substr(32, 4), std::string("\x00\x01\x00\x00", 4)); // the count: 256
    EXPECT_EQ(bank3.substr(bank3.size() - 10), std::string("v255\0v256\0", 10));
}

} // namespace
