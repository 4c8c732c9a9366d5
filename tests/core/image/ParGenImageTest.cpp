#include "ImageTestFiles.h"
#include "core/common/ConfigError.h"
#include "core/image/ImageLayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using cfg::image::Bank_Images;
using cfg::image::test::bank_with;
using cfg::image::test::Configuration;
using cfg::image::test::key;
using cfg::image::test::slice;
using Bytes = std::vector<std::uint8_t>;

TEST(CompileImage, WithoutAnyFileGivesTheResetImage) {
    Configuration configuration;
    const Bank_Images banks = configuration.compile();

    const Bytes reset_bank1 = bank_with(2048, {
                                                  {0x000, {0x90, 0xD0, 0x03, 0x00, 0x90, 0xD0, 0x03, 0x00}},
                                                  {0x00C, {0x80, 0x25, 0x00, 0x00}},
                                                  {0x028, {192, 168, 2, 205}},
                                                  {0x02C, {255, 255, 255, 0}},
                                                  {0x030, {255, 255, 255, 255}},
                                                  {0x034, {0x10, 0x27, 0x11, 0x27, 0x11, 0x27}},
                                                  {0x1B4, {8, 8, 8, 8, 8, 8, 8, 8}},
                                                  {0x6F0, {0x00, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x08, 0x00}},
                                                  {0x7FC, {0x94, 0x0D, 0x00, 0x00}},
                                              });
    EXPECT_EQ(banks.bank1, reset_bank1);
    EXPECT_EQ(banks.bank2, Bytes(1536, 0));
    EXPECT_EQ(banks.bank3, bank_with(18473, {{36, {0x28, 0x00, 0x0A, 0x00}}}));
}

struct KeyCase {
    const char* label;
    std::string children; // of Par_Gen
    int bank;             // 1 or 3
    std::size_t offset;
    Bytes expected;
};

std::ostream& operator<<(std::ostream& out, const KeyCase& c) {
    return out << c.label;
}

class ParGenKey : public testing::TestWithParam<KeyCase> {};

TEST_P(ParGenKey, LandsAtItsOffset) {
    Configuration configuration;
    configuration.par_gen(GetParam().children);
    const Bank_Images banks = configuration.compile();
    const Bytes& bank = GetParam().bank == 1 ? banks.bank1 : banks.bank3;
    EXPECT_EQ(slice(bank, GetParam().offset, GetParam().expected.size()), GetParam().expected);
}

const std::string name_40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";

INSTANTIATE_TEST_SUITE_P(
    SerialPort, ParGenKey,
    testing::Values(KeyCase{"an existing file sets the RS232 bit", "", 1, 0x6FC, {0x01}},
                    KeyCase{"RS232 disabled still gives mask 1", key("RS232_ENABLE", "0"), 1, 0x6FC, {0x01}},
                    KeyCase{"RS232 disabled keeps its settings",
                            key("RS232_ENABLE", "0") + key("RS232_BAUDRATE", "19200"),
                            1,
                            0x190,
                            {0x00, 0x4B, 0x00, 0x00}},
                    KeyCase{"RS485 enables add no port",
                            key("RS485_1_ENABLE", "1") + key("RS485_2_ENABLE", "1"),
                            1,
                            0x6FC,
                            {0x01}},
                    KeyCase{"baud missing is 4800", "", 1, 0x190, {0xC0, 0x12, 0x00, 0x00}},
                    KeyCase{"baud in hexadecimal after $",
                            key("RS232_BAUDRATE", "$2580"),
                            1,
                            0x190,
                            {0x80, 0x25, 0x00, 0x00}},
                    KeyCase{"baud in hexadecimal after 0x",
                            key("RS232_BAUDRATE", "0x2580"),
                            1,
                            0x190,
                            {0x80, 0x25, 0x00, 0x00}},
                    KeyCase{"baud with a trailing blank is 4800",
                            key("RS232_BAUDRATE", "9600 "),
                            1,
                            0x190,
                            {0xC0, 0x12, 0x00, 0x00}},
                    KeyCase{"an unlisted baud goes through as typed",
                            key("RS232_BAUDRATE", "300"),
                            1,
                            0x190,
                            {0x2C, 0x01, 0x00, 0x00}},
                    KeyCase{"parity even in lower case", key("RS232_PARITY", "even"), 1, 0x1A8, {2}},
                    KeyCase{"parity odd", key("RS232_PARITY", "Odd"), 1, 0x1A8, {1}},
                    KeyCase{"parity unknown is none", key("RS232_PARITY", "mark"), 1, 0x1A8, {0}},
                    KeyCase{
                        "parity with a leading blank is none", key("RS232_PARITY", " EVEN"), 1, 0x1A8, {0}},
                    KeyCase{"parity missing is none", "", 1, 0x1A8, {0}},
                    KeyCase{"stop bits 2 in lower case", key("RS232_STOP_BITS", "2 bits"), 1, 0x1AE, {2}},
                    KeyCase{"stop bits as a bare number is 1", key("RS232_STOP_BITS", "2"), 1, 0x1AE, {1}},
                    KeyCase{"stop bits missing is 1", "", 1, 0x1AE, {1}}));

INSTANTIATE_TEST_SUITE_P(
    Network, ParGenKey,
    testing::Values(
        KeyCase{"address defaults", "", 1, 0x028, {192, 168, 0, 10, 255, 255, 255, 0}},
        KeyCase{"address octets keep their low 8 bits",
                key("Ethernet_IP1", "10") + key("Ethernet_IP2", "300") + key("Ethernet_IP3", "-1") +
                    key("Ethernet_IP4", "abc"),
                1,
                0x028,
                {10, 0x2C, 0xFF, 10}},
        KeyCase{"gateway off whatever its octets",
                key("Ethernet_EN_GAT", "0") + key("Ethernet_GAT1", "10") + key("Ethernet_GAT4", "1"),
                1,
                0x030,
                {255, 255, 255, 255}},
        KeyCase{"gateway flag other than 1 is off",
                key("Ethernet_EN_GAT", "yes"),
                1,
                0x030,
                {255, 255, 255, 255}},
        KeyCase{"gateway on",
                key("Ethernet_EN_GAT", "1") + key("Ethernet_GAT1", "10") + key("Ethernet_GAT4", "254"),
                1,
                0x030,
                {10, 168, 0, 254}},
        KeyCase{"DNS off leaves both servers 0",
                key("Eth_Conn_Enable_DNS", "0") + key("Eth_Conn_Primary_DNS1", "1") +
                    key("Eth_Conn_Secondary_DNS1", "9"),
                1,
                0x53C,
                {0, 0, 0, 0}},
        KeyCase{"DNS off leaves the primary 0", key("Eth_Conn_Primary_DNS1", "1"), 1, 0x58C, {0, 0, 0, 0}},
        KeyCase{"DNS on, primary",
                key("Eth_Conn_Enable_DNS", "1") + key("Eth_Conn_Primary_DNS1", "1"),
                1,
                0x58C,
                {1, 8, 8, 8}},
        KeyCase{"DNS on, secondary defaults", key("Eth_Conn_Enable_DNS", "1"), 1, 0x53C, {8, 8, 4, 4}},
        KeyCase{"DHCP on the cable", key("Eth_Conn_DHCP_Cable", "1"), 1, 0x4E8, {0x01, 0x00}},
        KeyCase{"DHCP on both ports",
                key("Eth_Conn_DHCP_Cable", "1") + key("Eth_Conn_DHCP_WiFi", "1"),
                1,
                0x4E8,
                {0x03, 0x00}},
        KeyCase{"DHCP flag other than 1 is off", key("Eth_Conn_DHCP_Cable", "true"), 1, 0x4E8, {0x00, 0x00}},
        KeyCase{"a 40-character device name keeps 31 and its 0", key("Eth_Conn_Device_Name", name_40), 1,
                0x514,
                Bytes(reinterpret_cast<const std::uint8_t*>(name_40.data()),
                      reinterpret_cast<const std::uint8_t*>(name_40.data()) + 31)},
        KeyCase{"the byte after 31 name bytes is 0", key("Eth_Conn_Device_Name", name_40), 1, 0x533, {0, 0}},
        KeyCase{"a device name keeps the low byte of each UTF-16 unit",
                key("Eth_Conn_Device_Name", "Z\xC3\xBCrich \xE2\x82\xAC"),
                1,
                0x514,
                {'Z', 0xFC, 'r', 'i', 'c', 'h', ' ', 0xAC, 0x00}}));

INSTANTIATE_TEST_SUITE_P(
    EtherCATIdentity, ParGenKey,
    testing::Values(
        KeyCase{"EEPROM default",
                "",
                3,
                0,
                {0x80, 0x0F, 0x00, 0xCC, 0x88, 0x13, 0xFF, 0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00}},
        KeyCase{"EEPROM pieces that are no number are passed over",
                key("EtherCAT_Slave_Eeprom_Config", "80 0F"),
                3,
                0,
                {0x80, 0x0F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        KeyCase{"EEPROM text is cut into pieces of two characters, not bytes",
                key("EtherCAT_Slave_Eeprom_Config", "\xC3\xA9"
                                                    "8FF"),
                3,
                0,
                {0xFF, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
        KeyCase{"EEPROM empty text gives zero bytes", key("EtherCAT_Slave_Eeprom_Config", ""), 3, 0,
                Bytes(14, 0)},
        KeyCase{
            "EEPROM beyond 14 bytes is ignored",
            key("EtherCAT_Slave_Eeprom_Config", "0102030405060708090A0B0C0D0E0F10"),
            3,
            0,
            {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x01, 0x00}},
        KeyCase{"node address", key("EtherCAT_Slave_Node_Address", "192"), 3, 14, {0xC0, 0x00}},
        KeyCase{"node address default", key("EtherCAT_Slave_Node_Address", "abc"), 3, 14, {0x01, 0x00}},
        KeyCase{
            "node address keeps 16 bits", key("EtherCAT_Slave_Node_Address", "70000"), 3, 14, {0x70, 0x11}},
        KeyCase{"vendor, product code and serial number",
                key("EtherCAT_Slave_Vendor_ID", "0x00000A5B") + key("EtherCAT_Slave_Product_Code", "$C40") +
                    key("EtherCAT_Slave_Serial_Number", "4000000000"),
                3,
                16,
                {0x5B, 0x0A, 0x00, 0x00, 0x40, 0x0C, 0x00, 0x00, 0, 0, 0, 0, 0x00, 0x28, 0x6B, 0xEE}},
        KeyCase{"the slave name is not in the image", key("EtherCAT_Slave_Name", "devicename1"), 3, 16,
                Bytes(16, 0)}));

// Every revision the parameter check accepts reaches the device as the same 32-bit number.
struct RevisionCase {
    const char* text;
    std::uint32_t expected;
};

std::ostream& operator<<(std::ostream& out, const RevisionCase& c) {
    return out << '"' << c.text << '"';
}

class RevisionNumber : public testing::TestWithParam<RevisionCase> {};

TEST_P(RevisionNumber, ReachesBank3Unchanged) {
    Configuration configuration;
    configuration.par_gen(key("EtherCAT_Slave_Revision_Number", GetParam().text));
    const std::uint32_t v = GetParam().expected;
    EXPECT_EQ(slice(configuration.compile().bank3, 24, 4),
              (Bytes{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                     static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)}));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RevisionNumber,
    testing::Values(RevisionCase{"1", 1}, RevisionCase{"300", 0x12C}, RevisionCase{"2147483647", 0x7FFFFFFF},
                    RevisionCase{"2147483648", 0x80000000}, RevisionCase{"3000000000", 0xB2D05E00},
                    RevisionCase{"4294967295", 0xFFFFFFFF}, RevisionCase{"$FFFFFFFF", 0xFFFFFFFF},
                    RevisionCase{"0xFFFFFFFF", 0xFFFFFFFF}, RevisionCase{"-1", 0xFFFFFFFF},
                    RevisionCase{"abc", 0}));

TEST(CompileImage, AnEmptyParGenGivesTheCompilerDefaultsAndTheirChecksum) {
    Configuration configuration;
    configuration.par_gen("");
    const Bytes expected = bank_with(2048, {
                                               {0x000, {0x90, 0xD0, 0x03, 0x00, 0x90, 0xD0, 0x03, 0x00}},
                                               {0x00C, {0x80, 0x25, 0x00, 0x00}},
                                               {0x028, {192, 168, 0, 10}},
                                               {0x02C, {255, 255, 255, 0}},
                                               {0x030, {255, 255, 255, 255}},
                                               {0x034, {0x10, 0x27, 0x11, 0x27, 0x11, 0x27}},
                                               {0x190, {0xC0, 0x12, 0x00, 0x00}},
                                               {0x1AE, {1}},
                                               {0x1B4, {8, 8, 8, 8, 8, 8, 8, 8}},
                                               {0x6F0, {0x00, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x08, 0x00}},
                                               {0x6FC, {0x01}},
                                               {0x7FC, {0xA3, 0x0D, 0x00, 0x00}},
                                           });
    EXPECT_EQ(configuration.compile().bank1, expected);
}

TEST(CompileImage, AParGenFileWithACommentFirstReadsItsKeys) {
    Configuration configuration;
    configuration.write("ParGen.xml", "<!--x--><Par_Gen>" + key("RS232_BAUDRATE", "9600") + "</Par_Gen>");
    const Bank_Images banks = configuration.compile();
    EXPECT_EQ(slice(banks.bank1, 0x190, 4), (Bytes{0x80, 0x25, 0x00, 0x00}));
    EXPECT_EQ(slice(banks.bank1, 0x6FC, 1), Bytes{0x01});
}

TEST(CompileImage, AMalformedParGenStopsTheCompile) {
    Configuration configuration;
    configuration.write("ParGen.xml", "<Par_Gen><RS232_BAUDRATE>9600</Par_Gen>");
    EXPECT_THROW(configuration.compile(), cfg::ConfigError);
}

} // namespace
