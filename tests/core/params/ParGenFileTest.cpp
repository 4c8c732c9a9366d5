#include "core/params/ParGenFile.h"
#include "ParGenSetPrinter.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using cfg::ParGen_Set;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

std::string par_gen(const std::string& children) {
    return "<Par_Gen>" + children + "</Par_Gen>";
}

TEST(LoadParGen, AMissingFileGivesTheDefaultsAndCreatesNothing) {
    TempDir dir;
    EXPECT_EQ(cfg::Load_ParGen(dir / "ParGen.xml"), ParGen_Set{});
    EXPECT_FALSE(std::filesystem::exists(dir / "ParGen.xml"));
}

struct LoadCase {
    const char* label;
    std::string file;
    void (*expected_change)(ParGen_Set&); // applied to the defaults
};

std::ostream& operator<<(std::ostream& out, const LoadCase& c) {
    return out << c.label;
}

class LoadParGenFile : public testing::TestWithParam<LoadCase> {};

TEST_P(LoadParGenFile, ReadsEveryKeyOnItsOwn) {
    TempDir dir;
    write_bytes(dir / "ParGen.xml", GetParam().file);
    ParGen_Set expected;
    GetParam().expected_change(expected);
    EXPECT_EQ(cfg::Load_ParGen(dir / "ParGen.xml"), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LoadParGenFile,
    testing::Values(
        LoadCase{"only the baud rate", par_gen("<RS232_BAUDRATE>9600</RS232_BAUDRATE>"),
                 [](ParGen_Set& s) { s.RS232_BAUDRATE = "9600"; }},
        LoadCase{"empty root", par_gen(""), [](ParGen_Set&) {}},
        LoadCase{"choices normalised",
                 par_gen("<RS232_PARITY>even</RS232_PARITY><RS232_STOP_BITS>2 Bits</RS232_STOP_BITS>"
                         "<RS485_1_PARITY>none</RS485_1_PARITY>"),
                 [](ParGen_Set& s) {
                     s.RS232_PARITY = "EVEN";
                     s.RS232_STOP_BITS = "2 bits";
                 }},
        LoadCase{"unlisted baud", par_gen("<RS232_BAUDRATE>300</RS232_BAUDRATE>"), [](ParGen_Set&) {}},
        LoadCase{
            "hexadecimal baud",
            par_gen("<RS232_BAUDRATE>$2580</RS232_BAUDRATE><RS485_1_BAUDRATE>0x1C200</RS485_1_BAUDRATE>"),
            [](ParGen_Set& s) {
                s.RS232_BAUDRATE = "9600";
                s.RS485_1_BAUDRATE = "115200";
            }},
        LoadCase{"empty choices", par_gen("<RS232_BAUDRATE/><RS232_PARITY/><RS232_STOP_BITS/>"),
                 [](ParGen_Set&) {}},
        LoadCase{"Wi-Fi DHCP never read", par_gen("<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"),
                 [](ParGen_Set&) {}},
        LoadCase{
            "flags on only for exactly 1",
            par_gen("<Ethernet_EN_GAT>yes</Ethernet_EN_GAT><Eth_Conn_DHCP_Cable>true</Eth_Conn_DHCP_Cable>"
                    "<Eth_Conn_Enable_DNS> 1</Eth_Conn_Enable_DNS><RS232_ENABLE>1 </RS232_ENABLE>"
                    "<RS485_1_ENABLE>01</RS485_1_ENABLE>"),
            [](ParGen_Set& s) {
                s.RS232_ENABLE = false;
                s.RS485_1_ENABLE = false;
            }},
        LoadCase{"flags on",
                 par_gen("<Ethernet_EN_GAT>1</Ethernet_EN_GAT><Eth_Conn_DHCP_Cable>1</Eth_Conn_DHCP_Cable>"),
                 [](ParGen_Set& s) {
                     s.Ethernet_EN_GAT = true;
                     s.Eth_Conn_DHCP_Cable = true;
                 }},
        LoadCase{"texts and numbers exactly as stored",
                 par_gen("<EtherCAT_Slave_Node_Address> 192</EtherCAT_Slave_Node_Address>"
                         "<EtherCAT_Slave_Name> a b </EtherCAT_Slave_Name>"
                         "<EtherCAT_Slave_Revision_Number>0xFFFFFFFF</EtherCAT_Slave_Revision_Number>"
                         "<Ethernet_IP4>300</Ethernet_IP4><Eth_Conn_Primary_DNS1>x</Eth_Conn_Primary_DNS1>"
                         "<Eth_Conn_Device_Name>h&amp;st \xC3\xA9</Eth_Conn_Device_Name>"),
                 [](ParGen_Set& s) {
                     s.EtherCAT_Slave_Node_Address = " 192";
                     s.EtherCAT_Slave_Name = " a b ";
                     s.EtherCAT_Slave_Revision_Number = "0xFFFFFFFF";
                     s.Ethernet_IP4 = "300";
                     s.Eth_Conn_Primary_DNS1 = "x";
                     s.Eth_Conn_Device_Name = "h&st \xC3\xA9";
                 }},
        // An element that is there but empty is an empty value, not the default.
        LoadCase{"empty elements", par_gen("<EtherCAT_Slave_Name/><Ethernet_IP1></Ethernet_IP1>"),
                 [](ParGen_Set& s) {
                     s.EtherCAT_Slave_Name = "";
                     s.Ethernet_IP1 = "";
                 }},
        LoadCase{"the first of two equal elements",
                 par_gen("<Ethernet_IP1>10</Ethernet_IP1><Ethernet_IP1>11</Ethernet_IP1>"),
                 [](ParGen_Set& s) { s.Ethernet_IP1 = "10"; }},
        LoadCase{"element names are case-sensitive", par_gen("<ethernet_ip1>10</ethernet_ip1>"),
                 [](ParGen_Set&) {}},
        LoadCase{"a comment before the root",
                 "<!--SW_VERSION = 1.000-->" + par_gen("<Ethernet_IP1>10</Ethernet_IP1>"),
                 [](ParGen_Set& s) { s.Ethernet_IP1 = "10"; }},
        LoadCase{"a declaration before the root",
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>" + par_gen("<Ethernet_IP1>10</Ethernet_IP1>"),
                 [](ParGen_Set& s) { s.Ethernet_IP1 = "10"; }},
        LoadCase{
            "indented",
            "<Par_Gen>\r\n\t<Ethernet_IP1>10</Ethernet_IP1>\r\n\t<Ethernet_EN_GAT>1</Ethernet_EN_GAT>\r\n"
            "</Par_Gen>\r\n<!--SW_VERSION = 1.000-->\r\n",
            [](ParGen_Set& s) {
                s.Ethernet_IP1 = "10";
                s.Ethernet_EN_GAT = true;
            }},
        LoadCase{"values nested deeper are not keys",
                 par_gen("<Ethernet><Ethernet_IP1>10</Ethernet_IP1></Ethernet>"), [](ParGen_Set&) {}}));

TEST(LoadParGen, AMalformedFileRaisesNamingTheFile) {
    TempDir dir;
    write_bytes(dir / "ParGen.xml", par_gen("<Ethernet_IP1>10</Ethernet_IP2>"));
    try {
        cfg::Load_ParGen(dir / "ParGen.xml");
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_NE(std::string(error.what()).find((dir / "ParGen.xml").string()), std::string::npos)
            << error.what();
    }
}

TEST(SaveParGen, TheDefaultsGiveTheFileOfTheDefaults) {
    TempDir dir;
    cfg::Save_ParGen(ParGen_Set{}, dir / "ParGen.xml");
    EXPECT_EQ(read_bytes(dir / "ParGen.xml"), read_bytes(cfg::test::fixture("params/defaults/ParGen.xml")));
    EXPECT_EQ(cfg::Load_ParGen(dir / "ParGen.xml"), ParGen_Set{});
}

// Every value away from its default, so a key written under the wrong name or read into the wrong
// member shows up.
ParGen_Set every_value_changed() {
    ParGen_Set s;
    s.Eth_Conn_Device_Name = " host <&> \xC3\xA9 ";
    s.Eth_Conn_DHCP_Cable = true;
    s.Eth_Conn_Enable_DNS = true;
    s.Eth_Conn_Primary_DNS1 = "1";
    s.Eth_Conn_Primary_DNS2 = "2";
    s.Eth_Conn_Primary_DNS3 = "3";
    s.Eth_Conn_Primary_DNS4 = "$04";
    s.Eth_Conn_Secondary_DNS1 = "5";
    s.Eth_Conn_Secondary_DNS2 = "6";
    s.Eth_Conn_Secondary_DNS3 = "7";
    s.Eth_Conn_Secondary_DNS4 = "";
    s.RS232_ENABLE = false;
    s.RS232_BAUDRATE = "115200";
    s.RS232_PARITY = "ODD";
    s.RS232_STOP_BITS = "2 bits";
    s.RS485_1_ENABLE = false;
    s.RS485_1_BAUDRATE = "1200";
    s.RS485_1_PARITY = "EVEN";
    s.RS485_1_STOP_BITS = "2 bits";
    s.EtherCAT_Slave_Revision_Number = "0x00010002";
    s.EtherCAT_Slave_Name = " a ";
    s.EtherCAT_Slave_Node_Address = " 192";
    s.Ethernet_IP1 = "10";
    s.Ethernet_IP2 = "11";
    s.Ethernet_IP3 = "12";
    s.Ethernet_IP4 = "13";
    s.Ethernet_SM1 = "254";
    s.Ethernet_SM2 = "253";
    s.Ethernet_SM3 = "252";
    s.Ethernet_SM4 = "-0";
    s.Ethernet_GAT1 = "10";
    s.Ethernet_GAT2 = "11";
    s.Ethernet_GAT3 = "12";
    s.Ethernet_GAT4 = "254";
    s.Ethernet_EN_GAT = true;
    return s;
}

TEST(SaveParGen, EveryValueComesBackAsSaved) {
    TempDir dir;
    const ParGen_Set saved = every_value_changed();
    cfg::Save_ParGen(saved, dir / "ParGen.xml");
    EXPECT_EQ(cfg::Load_ParGen(dir / "ParGen.xml"), saved);
}

// The reader turns a raw carriage return into a line feed; one written as a character reference
// stays what it was through any number of saves.
TEST(SaveParGen, ACarriageReturnInATextComesBackAsOne) {
    TempDir dir;
    write_bytes(dir / "ParGen.xml",
                "<Par_Gen><Eth_Conn_Device_Name>a&#13;b\r\nc</Eth_Conn_Device_Name></Par_Gen>");
    const ParGen_Set loaded = cfg::Load_ParGen(dir / "ParGen.xml");
    ASSERT_EQ(loaded.Eth_Conn_Device_Name, "a\rb\nc");
    cfg::Save_ParGen(loaded, dir / "ParGen.xml");
    EXPECT_EQ(cfg::Load_ParGen(dir / "ParGen.xml"), loaded);
}

TEST(SaveParGen, WiFiDhcpIsAlwaysSavedOff) {
    TempDir dir;
    ParGen_Set set;
    set.Eth_Conn_DHCP_WiFi = true;
    cfg::Save_ParGen(set, dir / "ParGen.xml");
    EXPECT_NE(read_bytes(dir / "ParGen.xml").find("<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"),
              std::string::npos);
}

TEST(SaveParGen, ReplacesTheWholeFile) {
    TempDir dir;
    write_bytes(dir / "ParGen.xml", "<!--old--><Par_Gen><Extra>1</Extra></Par_Gen>");
    cfg::Save_ParGen(ParGen_Set{}, dir / "ParGen.xml");
    EXPECT_EQ(read_bytes(dir / "ParGen.xml"), read_bytes(cfg::test::fixture("params/defaults/ParGen.xml")));
}

// The screen cannot change the hidden serial values, so one load-save cycle must keep them (choices
// in their listed spelling); keys of the sibling models are not ours and are not written back.
TEST(SaveParGen, HiddenGroupsSurviveALoadSaveCycle) {
    TempDir dir;
    const auto file = cfg::test::copy_fixture("params/hidden_groups/ParGen.xml", dir);
    cfg::Save_ParGen(cfg::Load_ParGen(file), file);

    ParGen_Set expected;
    expected.Eth_Conn_Device_Name = "conv-7";
    expected.RS232_ENABLE = false;
    expected.RS232_BAUDRATE = "19200";
    expected.RS485_1_ENABLE = false;
    expected.RS485_1_BAUDRATE = "115200";
    expected.RS485_1_PARITY = "ODD";
    expected.RS485_1_STOP_BITS = "2 bits";
    expected.EtherCAT_Slave_Node_Address = "12";
    EXPECT_EQ(cfg::Load_ParGen(file), expected);

    const std::string bytes = read_bytes(file);
    for (const char* gone : {"RS485_2_ENABLE", "EtherCAT_Slave_Vendor_ID", "Modbus_Slave_Address"})
        EXPECT_EQ(bytes.find(gone), std::string::npos) << gone;
    EXPECT_NE(bytes.find("<RS485_1_PARITY>ODD</RS485_1_PARITY>"), std::string::npos);
    EXPECT_NE(bytes.find("<Eth_Conn_DHCP_WiFi>0</Eth_Conn_DHCP_WiFi>"), std::string::npos);
}

TEST(SaveParGen, AFailedSaveRaisesAndLeavesNoFile) {
    TempDir dir;
    EXPECT_THROW(cfg::Save_ParGen(ParGen_Set{}, dir / "missing folder" / "ParGen.xml"), cfg::ConfigError);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing folder"));
}

} // namespace
