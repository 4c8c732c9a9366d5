#include "core/report/ConfigurationDiff.h"
#include "core/app/Application.h"
#include "core/app/CompileConfiguration.h"
#include "core/app/ConfigurationFolders.h"
#include "core/ethercat/EsiRecord.h"
#include "core/image/BankFiles.h"
#include "core/report/DiffText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

namespace fs = std::filesystem;
using cfg::test::read_bytes;
using cfg::test::write_bytes;

// One thing changed in a copy of a configuration, and what the comparison says of it.
struct Diff_Case {
    const char* name;
    const char* file; // of the second configuration; empty: no file is edited
    const char* from;
    const char* to;
    std::function<void(const fs::path& a, const fs::path& b)> prepare;
    std::string expected;
};

void PrintTo(const Diff_Case& c, std::ostream* out) {
    *out << c.name;
}

void compile(const fs::path& folder) {
    cfg::Application app;
    cfg::Open_Project_Folder(app, folder);
    cfg::image::Compile_Configuration(app);
}

void compile_both(const fs::path& a, const fs::path& b) {
    compile(a);
    compile(b);
}

void record_esi(const fs::path& folder, const char* digest) {
    cfg::ethercat::Write_ESI_Record(folder, {"2025-03-04 13:05 UTC", "/plant/bridge.xml", digest});
}

fs::path bank(const fs::path& folder, std::size_t index) {
    return cfg::image::Bank_File_Paths(folder)[index];
}

std::string lines_of(const std::vector<cfg::report::Difference>& differences) {
    std::string text;
    for (const std::string& line : cfg::report::Difference_Lines(differences, cfg::default_texts()))
        text += line + "\n";
    return text;
}

class Configuration_Diff : public testing::TestWithParam<Diff_Case> {
protected:
    cfg::test::TempDir dir;
};

TEST_P(Configuration_Diff, NamesWhatChanged) {
    const Diff_Case& c = GetParam();
    const fs::path a = cfg::test::copy_fixture("cli/good", dir);
    const fs::path b = dir / "second";
    fs::copy(a, b, fs::copy_options::recursive);
    if (*c.file) {
        std::string content = read_bytes(b / c.file);
        const std::size_t at = content.find(c.from);
        ASSERT_NE(at, std::string::npos) << c.from;
        content.replace(at, std::string_view(c.from).size(), c.to);
        write_bytes(b / c.file, content);
    }
    if (c.prepare)
        c.prepare(a, b);
    const auto differences =
        cfg::report::Compare_Configurations(cfg::report::Read_Configuration_Content(a),
                                            cfg::report::Read_Configuration_Content(b), cfg::default_texts());
    EXPECT_EQ(lines_of(differences), c.expected);
}

const std::string Listener_Row_3 =
    R"(<row Enable="Y" Serial_Channel="RS232" Sentence="GSV" Index="5" DataField="Satellite ID number [decimal]" PortOperation="None" SwapAll="N" Swap16="N" Position="11" Mnemonic=""/>)";
const std::string Variable_Row_4 =
    R"(<row Enable="Y" Type="String" Length="4" Name="Id" InitValue="" Position="" BitStart="" Mnemonic=""/>)";

INSTANTIATE_TEST_SUITE_P(
    Pairs, Configuration_Diff,
    testing::Values(
        Diff_Case{"Same", "", "", "", {}, "The configurations are the same.\n"},
        Diff_Case{
            "Parameter", "ParGen.xml", "<Ethernet_IP4>10<", "<Ethernet_IP4>20<", {}, R"(Set Communication
  IP Address: "192.168.0.10" → "192.168.0.20"
)"},
        Diff_Case{"UnseenParameter",
                  "ParGen.xml",
                  "<RS485_1_BAUDRATE>4800<",
                  "<RS485_1_BAUDRATE>9600<",
                  {},
                  R"(Set Communication
  RS485_1_BAUDRATE: "4800" → "9600"
)"},
        Diff_Case{"Flag", "ParGen.xml", "<Ethernet_EN_GAT>0<", "<Ethernet_EN_GAT>1<", {}, R"(Set Communication
  Use the Default Gateway: "No" → "Yes"
)"},
        Diff_Case{"ListenerRowMoved",
                  "NMEA_0183_Set_Access.xml",
                  "Position=\"6\"",
                  "Position=\"8\"",
                  {},
                  R"(NMEA 0183 Access
  Row 2 changed: Position: "6" → "8"; Bytes: "6–9" → "8–11"
)"},
        Diff_Case{"ListenerRowChanged",
                  "NMEA_0183_Set_Access.xml",
                  "Mnemonic=\"Gyro\"",
                  "Mnemonic=\"Gyro 2\"",
                  {},
                  R"(NMEA 0183 Access
  Row 2 changed: Mnemonic: "Gyro" → "Gyro 2"
)"},
        Diff_Case{"ListenerRowRemoved",
                  "NMEA_0183_Set_Access.xml",
                  Listener_Row_3.c_str(),
                  "",
                  {},
                  R"(NMEA 0183 Access
  Row 3 removed: Enable: "Y"; Sentence: "GSV"; Index: "5"; Data Field: "Satellite ID number [decimal]"; Post Ope: "None"; Swap All: "N"; Swap 16: "N"; Position: "11"; Bytes: "11"
)"},
        Diff_Case{
            "ListenerRowAdded",
            "NMEA_0183_Set_Access.xml",
            "</NMEA_Listener>",
            R"(<row Enable="N" Sentence="HDT" DataField="Heading, degrees True, Number [floating point]" PortOperation="None" Position="20"/></NMEA_Listener>)",
            {},
            R"(NMEA 0183 Access
  Row 4 added: Enable: "N"; Sentence: "HDT"; Data Field: "Heading, degrees True, Number [floating point]"; Post Ope: "None"; Swap All: "N"; Swap 16: "N"; Position: "20"
)"},
        Diff_Case{"VariableChangedAndOthersMoved",
                  "EtherCAT_Slave.xml",
                  R"(Type="Int16" Length="2")",
                  R"(Type="Int32" Length="4")",
                  {},
                  R"(EtherCAT Set Access: Slave To Master
  Row 3 changed: Type: "Int16" → "Int32"; Length: "2" → "4"
  Row 4 moved: Position: "3" → "5"
)"},
        Diff_Case{"VariableDisabled",
                  "EtherCAT_Slave.xml",
                  R"(<row Enable="Y" Type="Bool" Length="1" Name="Alarm")",
                  R"(<row Enable="N" Type="Bool" Length="1" Name="Alarm")",
                  {},
                  R"(EtherCAT Set Access: Slave To Master
  Row 2 changed: Enable: "Y" → "N"; Position: "0" → ""; Start Bit: "1" → ""
)"},
        Diff_Case{"VariableRemoved",
                  "EtherCAT_Slave.xml",
                  Variable_Row_4.c_str(),
                  "",
                  {},
                  R"(EtherCAT Set Access: Slave To Master
  Row 4 removed: Enable: "Y"; Type: "String"; Length: "4"; Name: "Id"; Position: "3"; Start Bit: "0"
)"},
        Diff_Case{
            "VariableAdded",
            "EtherCAT_Slave.xml",
            "</EtherCAT_Slave_To_Master>",
            R"(<row Enable="Y" Type="Float32" Length="4" Name="Depth" InitValue="" Position="" BitStart="" Mnemonic="m"/></EtherCAT_Slave_To_Master>)",
            {},
            R"(EtherCAT Set Access: Slave To Master
  Row 5 added: Enable: "Y"; Type: "Float32"; Length: "4"; Name: "Depth"; Mnemonic: "m"; Position: "7"; Start Bit: "0"
)"},
        Diff_Case{
            "MasterToSlaveVariable",
            "EtherCAT_Slave.xml",
            "<EtherCAT_Master_To_Slave/>",
            R"(<EtherCAT_Master_To_Slave><row Enable="Y" Type="UInt8" Length="1" Name="Cmd" Position="" BitStart="" Mnemonic=""/></EtherCAT_Master_To_Slave>)",
            {},
            R"(EtherCAT Set Access: Master To Slave
  Row 1 added: Enable: "Y"; Type: "UInt8"; Length: "1"; Name: "Cmd"; Position: "0"; Start Bit: "0"
)"},
        Diff_Case{
            "TopicChanged", "MQTT_Set_Topic.xml", "Position=\"10\"", "Position=\"12\"", {}, R"(MQTT Publish
  Row 1 changed: Position: "10" → "12"
)"},
        Diff_Case{
            "TopicAdded",
            "MQTT_Set_Topic.xml",
            "<MQTT_Subscribe/>",
            R"(<MQTT_Subscribe><row Topic="plant/set" QoS="1" Position="40" Mnemonic="Set"/></MQTT_Subscribe>)",
            {},
            R"(MQTT Subscribe
  Row 1 added: Topic: "plant/set"; QoS: "1"; Position: "40"; Mnemonic: "Set"
)"},
        Diff_Case{"EsiWrittenForOneOnly", "", "", "",
                  [](const fs::path&, const fs::path& b) { record_esi(b, "digest"); }, R"(EtherCAT ESI File
  The ESI files describe different process images: "no ESI file written" → "written 2025-03-04 13:05 UTC to /plant/bridge.xml"
)"},
        Diff_Case{"EsiOfOtherProcessImages", "", "", "",
                  [](const fs::path& a, const fs::path& b) {
                      record_esi(a, "one");
                      record_esi(b, "other");
                  },
                  R"(EtherCAT ESI File
  The ESI files describe different process images: "written 2025-03-04 13:05 UTC to /plant/bridge.xml" → "written 2025-03-04 13:05 UTC to /plant/bridge.xml"
)"},
        Diff_Case{"EsiOfTheSameProcessImage", "", "", "",
                  [](const fs::path& a, const fs::path& b) {
                      record_esi(a, "one");
                      record_esi(b, "one");
                  },
                  "The configurations are the same.\n"},
        Diff_Case{"BankFields", "ParGen.xml", "<Ethernet_IP4>10<", "<Ethernet_IP4>20<", compile_both,
                  R"(Set Communication
  IP Address: "192.168.0.10" → "192.168.0.20"
bank1.bin
  IP address: "192.168.0.10" → "192.168.0.20"
  Checksum: "0x00000DA6" → "0x00000DB0"
)"},
        Diff_Case{"BanksOfOneOnlyAreNotCompared", "", "", "",
                  [](const fs::path&, const fs::path& b) { compile(b); },
                  "The configurations are the same.\n"},
        Diff_Case{"BankMissing", "", "", "",
                  [](const fs::path& a, const fs::path& b) {
                      compile_both(a, b);
                      fs::remove(bank(b, 2));
                  },
                  R"(bank3.bin
  Size (bytes): "18492" → ""
)"},
        Diff_Case{"BankThatCannotBeDecoded", "", "", "",
                  [](const fs::path& a, const fs::path& b) {
                      compile_both(a, b);
                      write_bytes(bank(a, 1), "short");
                      write_bytes(bank(b, 1), "shorter");
                  },
                  R"(bank2.bin
  SHA-256 of the File: "f9b0078b5df596d2ea19010c001bbd009e651de2c57e8fb7e355f31eb9d3f739" → "13602ce54433df2bee54be0836c90a0adc931b85abc047f786e1a6c39670adb8"
)"}),
    [](const testing::TestParamInfo<Diff_Case>& info) { return std::string(info.param.name); });

} // namespace
