#include "core/image/BankDecoder.h"
#include "ImageTestFiles.h"
#include "core/common/ConfigError.h"
#include "core/image/BankFiles.h"
#include "core/image/BankReader.h"
#include "core/image/ImageLayout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace cfg::image {

void PrintTo(const Decoded_Field& field, std::ostream* out) {
    *out << field.name << " @" << field.offset << " = " << field.value;
}

} // namespace cfg::image

namespace {

using cfg::image::Bank_Decoding;
using cfg::image::Bank_Images;
using cfg::image::Configuration_Files;
using cfg::image::Decoded_Field;
using cfg::test::TempDir;
using Bytes = std::vector<std::uint8_t>;
using testing::HasSubstr;

// The fixture configuration compiled and written to its bin folder, as the update step leaves it.
class RoundTrip : public testing::Test {
protected:
    RoundTrip() {
        cfg::image::Write_Bank_Files(cfg::image::Compile_Image(files), folder);
        image = cfg::image::Read_Configuration_Image(files);
    }

    Bytes written(int bank) const {
        const std::string bytes = cfg::test::read_bytes(cfg::image::Bank_File_Paths(folder)[bank - 1]);
        return {bytes.begin(), bytes.end()};
    }

    Bank_Decoding decoded(int bank) const {
        return cfg::image::Decode_Bank_File(cfg::image::Bank_File_Paths(folder)[bank - 1]);
    }

    TempDir dir;
    std::filesystem::path folder = cfg::test::copy_fixture("image/full", dir);
    Configuration_Files files{folder / "ParGen.xml", folder / "NMEA_0183_Set_Access.xml",
                              folder / "EtherCAT_Slave.xml"};
    cfg::image::Configuration_Image image;
};

TEST_F(RoundTrip, Bank2ReadsBackIntoTheCompiledEntries) {
    std::vector<cfg::image::Listener_Entry> expected = image.listener_entries;
    ASSERT_EQ(expected.size(), 4u);
    expected.resize(128);
    EXPECT_EQ(cfg::image::Read_Bank2(written(2)), expected);
}

TEST_F(RoundTrip, Bank3ReadsBackIntoTheCompiledHeaderAndRecords) {
    const cfg::image::Bank3_Content content = cfg::image::Read_Bank3(written(3), cfg::image::Bank3_Address);
    EXPECT_EQ(content.header, image.header);
    ASSERT_EQ(content.records.size(), 5u);
    ASSERT_EQ(image.records.size(), 5u);
    for (std::size_t k = 0; k < content.records.size(); ++k) {
        EXPECT_EQ(content.records[k].record, image.records[k]) << "record " << k;
        EXPECT_EQ(content.records[k].problem, std::nullopt) << "record " << k;
    }
}

TEST_F(RoundTrip, Bank1DecodesFieldByField) {
    const Bank_Decoding decoding = decoded(1);
    EXPECT_THAT(decoding.faults, testing::IsEmpty());
    EXPECT_THAT(decoding.fields, testing::ElementsAreArray(std::vector<Decoded_Field>{
                                     {"Fixed value", 0x000, "250000"},
                                     {"Fixed value", 0x004, "250000"},
                                     {"Fixed value", 0x008, "0"},
                                     {"Fixed value", 0x00C, "9600"},
                                     {"IP address", 0x028, "10.1.2.3"},
                                     {"Subnet mask", 0x02C, "255.255.0.0"},
                                     {"Gateway", 0x030, "10.1.0.254"},
                                     {"Fixed value", 0x034, "10000"},
                                     {"Fixed value", 0x036, "10001"},
                                     {"Fixed value", 0x038, "10001"},
                                     {"RS232 baud rate", 0x190, "38400"},
                                     {"RS232 parity", 0x1A8, "2 (EVEN)"},
                                     {"RS232 stop bits", 0x1AE, "2"},
                                     {"Fixed value", 0x1B4, "8"},
                                     {"Fixed value", 0x1B5, "8"},
                                     {"Fixed value", 0x1B6, "8"},
                                     {"Fixed value", 0x1B7, "8"},
                                     {"Fixed value", 0x1B8, "8"},
                                     {"Fixed value", 0x1B9, "8"},
                                     {"Fixed value", 0x1BA, "8"},
                                     {"Fixed value", 0x1BB, "8"},
                                     {"DHCP flags", 0x4E8, "0x0001 (cable)"},
                                     {"Device name", 0x514, "Bridge NMEA"},
                                     {"Secondary DNS server", 0x53C, "9.9.9.9"},
                                     {"Primary DNS server", 0x58C, "1.1.1.1"},
                                     {"Bank3 address", 0x6F0, "0x000A0000"},
                                     {"Bank2 address", 0x6F4, "0x00080000"},
                                     {"Listener entries", 0x6F8, "4"},
                                     {"Serial port mask", 0x6FC, "0x01 (RS232)"},
                                     {"Checksum", 0x7FC, "0x00000BD1"},
                                 }));
}

TEST_F(RoundTrip, Bank2DecodesEntryByEntry) {
    const Bank_Decoding decoding = decoded(2);
    EXPECT_THAT(decoding.faults, testing::IsEmpty());
    EXPECT_THAT(decoding.fields, testing::ElementsAreArray(std::vector<Decoded_Field>{
                                     {"Entry 0: sentence", 0, "7 (GGA)"},
                                     {"Entry 0: position", 2, "2"},
                                     {"Entry 0: serial channel", 4, "0 (RS232)"},
                                     {"Entry 0: data field", 5, "6 (Latitude, Minutes [floating point])"},
                                     {"Entry 0: post operation", 6, "6 (x 100)"},
                                     {"Entry 0: swap flags", 7, "0x01 (SwapAll)"},
                                     {"Entry 0: index", 8, "0"},
                                     {"Entry 1: sentence", 12, "10 (GSV)"},
                                     {"Entry 1: position", 14, "10"},
                                     {"Entry 1: serial channel", 16, "0 (RS232)"},
                                     {"Entry 1: data field", 17, "3 (Satellite ID number [decimal])"},
                                     {"Entry 1: post operation", 18, "0 (None)"},
                                     {"Entry 1: swap flags", 19, "0x02 (Swap16)"},
                                     {"Entry 1: index", 20, "4"},
                                     {"Entry 2: sentence", 24, "34 (XDR)"},
                                     {"Entry 2: position", 26, "11"},
                                     {"Entry 2: serial channel", 28, "0 (RS232)"},
                                     {"Entry 2: data field", 29, "1 (Measurement data [floating point])"},
                                     {"Entry 2: post operation", 30, "1 (: 10)"},
                                     {"Entry 2: swap flags", 31, "0x03 (SwapAll, Swap16)"},
                                     {"Entry 2: index", 32, "2"},
                                     {"Entry 3: sentence", 36, "1 (ZDA)"},
                                     {"Entry 3: position", 38, "15"},
                                     {"Entry 3: serial channel", 40, "0 (RS232)"},
                                     {"Entry 3: data field", 41, "6 (year [decimal])"},
                                     {"Entry 3: post operation", 42, "0 (None)"},
                                     {"Entry 3: swap flags", 43, "0x00"},
                                     {"Entry 3: index", 44, "0"},
                                 }));
}

TEST_F(RoundTrip, Bank3DecodesTheHeaderTheRecordsAndTheirNames) {
    const Bank_Decoding decoding = decoded(3);
    EXPECT_THAT(decoding.faults, testing::IsEmpty());
    EXPECT_EQ(written(3).size(), 18501u);
    std::vector<Decoded_Field> header(decoding.fields.begin(), decoding.fields.begin() + 8);
    EXPECT_THAT(header, testing::ElementsAreArray(std::vector<Decoded_Field>{
                            {"EEPROM configuration", 0, "80 0F 00 CC 88 13 FF 00 00 00 00 80 00 00"},
                            {"Node address", 14, "5"},
                            {"Vendor ID", 16, "0x00000000"},
                            {"Product code", 20, "0x00000000"},
                            {"Revision number", 24, "0xB2D05E00"},
                            {"Serial number", 28, "0x00000000"},
                            {"Variable count", 32, "5"},
                            {"Records address", 36, "0x000A0028"},
                        }));
    EXPECT_THAT(decoding.fields,
                testing::IsSupersetOf(std::vector<Decoded_Field>{
                    {"Variable 2: type", 112, "8 (Float32)"},
                    {"Variable 2: length", 113, "4"},
                    {"Variable 2: access", 114, "1"},
                    {"Variable 2: bit address", 115, "0"},
                    {"Variable 2: position", 116, "0"},
                    {"Variable 2: subindex", 120, "2"},
                    {"Variable 2: entry index", 124, "0"},
                    {"Variable 2: EtherCAT offset", 128, "3"},
                    {"Variable 2: initial value", 132, "00 00 48 41 00 00 00 00 (12.5)"},
                    {"Variable 2: name length", 140, "5"},
                    {"Variable 2: name address", 144, "0x000A4837"},
                    {"Variable 1: initial value", 96, "FF FF 00 00 00 00 00 00 (-1)"},
                    {"Variable 4: initial value", 204, "FF FF FF FF 00 00 00 00 (4294967295)"},
                }));
    std::vector<Decoded_Field> names(decoding.fields.end() - 5, decoding.fields.end());
    EXPECT_THAT(names, testing::ElementsAreArray(std::vector<Decoded_Field>{
                           {"Variable 3: name", 18472, "\"\""},
                           {"Variable 0: name", 18473, "\"Alarm\""},
                           {"Variable 1: name", 18479, "\"Heading\""},
                           {"Variable 2: name", 18487, "\"Speed\""},
                           {"Variable 4: name", 18493, "\"Z\xC3\xA4hler\""},
                       }));
}

TEST_F(RoundTrip, Bank3NamesAtOneAddressFollowTheOrderOfTheirRecords) {
    Bytes bytes = written(3);
    bytes[40 + 32] = 0x37; // Variable 0's name address becomes Variable 2's, both names of 5 bytes
    const Bank_Decoding decoding = cfg::image::Decode_Bank3(bytes);
    EXPECT_THAT(decoding.faults, testing::IsEmpty());
    std::vector<Decoded_Field> names(decoding.fields.end() - 5, decoding.fields.end());
    EXPECT_THAT(names, testing::ElementsAreArray(std::vector<Decoded_Field>{
                           {"Variable 3: name", 18472, "\"\""},
                           {"Variable 1: name", 18479, "\"Heading\""},
                           {"Variable 0: name", 18487, "\"Speed\""},
                           {"Variable 2: name", 18487, "\"Speed\""},
                           {"Variable 4: name", 18493, "\"Z\xC3\xA4hler\""},
                       }));
}

// A bank of the fixture changed in one place, and the fault the decoder must find.
struct FaultCase {
    const char* label;
    int bank;
    std::function<void(Bytes&)> damage;
    const char* fault;
};

std::ostream& operator<<(std::ostream& out, const FaultCase& c) {
    return out << c.label;
}

class DamagedBank : public RoundTrip, public testing::WithParamInterface<FaultCase> {};

TEST_P(DamagedBank, IsReported) {
    Bytes bytes = written(GetParam().bank);
    GetParam().damage(bytes);
    const Bank_Decoding decoding = GetParam().bank == 1   ? cfg::image::Decode_Bank1(bytes)
                                   : GetParam().bank == 2 ? cfg::image::Decode_Bank2(bytes)
                                                          : cfg::image::Decode_Bank3(bytes);
    EXPECT_THAT(decoding.faults, testing::Contains(HasSubstr(GetParam().fault)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedBank,
    testing::Values(
        FaultCase{"checksum", 1, [](Bytes& b) { b[0x7FC] ^= 1; }, "checksum is 0x00000BD0"},
        FaultCase{"reserved byte", 1, [](Bytes& b) { b[0x100] = 1; },
                  "1 reserved bytes are not 0, the first at 0x100"},
        FaultCase{"fixed value", 1, [](Bytes& b) { b[0x034] = 0; },
                  "fixed value at 0x034 is 9984, not 10000"},
        FaultCase{"device name without its 0", 1, [](Bytes& b) { b[0x533] = 'x'; }, "no closing 0"},
        FaultCase{"bank3 address", 1, [](Bytes& b) { b[0x6F2] = 0x0B; }, "bank3 address"},
        FaultCase{"sentence outside the catalogue", 2, [](Bytes& b) { b[0] = 41; },
                  "sentence 41 is not in the catalogue"},
        FaultCase{"field the sentence lacks", 2, [](Bytes& b) { b[5] = 19; },
                  "sentence 7 has no data field 19"},
        FaultCase{"reserved entry byte", 2, [](Bytes& b) { b[11] = 1; }, "Entry 0: its reserved bytes"},
        FaultCase{"name outside bank3", 3, [](Bytes& b) { b[40 + 35] = 0x0B; },
                  "Variable 0: the name address lies outside"},
        FaultCase{"name length", 3, [](Bytes& b) { b[40 + 28] = 4; },
                  "Variable 0: the name takes 5 bytes, not its length 4"},
        FaultCase{"unused record", 3, [](Bytes& b) { b[40 + 5 * 36] = 1; }, "records after the used ones"},
        FaultCase{"count", 3, [](Bytes& b) { b[33] = 2; }, "more than the 512 records"},
        FaultCase{"records address", 3, [](Bytes& b) { b[36] = 0; }, "records address"}));

TEST(BankDecoder, BytesOfNoBanksSizeAreRefused) {
    EXPECT_THROW(cfg::image::Decode_Bank1(Bytes(2047, 0)), cfg::ConfigError);
    EXPECT_THROW(cfg::image::Decode_Bank2(Bytes(1537, 0)), cfg::ConfigError);
    EXPECT_THROW(cfg::image::Decode_Bank3(Bytes(18472, 0)), cfg::ConfigError);
    EXPECT_THROW(cfg::image::Decode_Bank3(Bytes(131073, 0)), cfg::ConfigError);
    TempDir dir;
    cfg::test::write_bytes(dir / "bank.bin", std::string(100, '\0'));
    EXPECT_THROW(cfg::image::Decode_Bank_File(dir / "bank.bin"), cfg::ConfigError);
    EXPECT_THROW(cfg::image::Decode_Bank_File(dir / "missing.bin"), cfg::ConfigError);
}

} // namespace
