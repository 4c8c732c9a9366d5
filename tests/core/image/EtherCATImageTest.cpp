#include "ImageTestFiles.h"
#include "core/common/ConfigError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using cfg::image::test::Configuration;
using cfg::image::test::slice;
using cfg::image::test::Variable_Row;
using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t records = 40;
constexpr std::size_t record_size = 36;

Variable_Row variable(const std::string& type, const std::string& name = "", const std::string& init = "",
                      const std::string& length = "") {
    Variable_Row row;
    row.Type = type;
    row.Name = name;
    row.InitValue = init;
    row.Length = length;
    return row;
}

Bytes compile_bank3(const std::vector<Variable_Row>& rows) {
    Configuration configuration;
    configuration.variables(rows);
    return configuration.compile().bank3;
}

Bytes record(const Bytes& bank3, std::size_t k) {
    return slice(bank3, records + k * record_size, record_size);
}

TEST(EtherCATImage, OffsetsAreARunningByteSumAndSubindicesCount) {
    const Bytes bank3 = compile_bank3({variable("Bool"), variable("Int16"), variable("Float32")});
    EXPECT_EQ(slice(bank3, 32, 8), (Bytes{3, 0, 0, 0, 0x28, 0x00, 0x0A, 0x00}));
    // type, length, access, bit address, position, subindex, entry index, offset, init value,
    // name length, name address (the empty name at B + 18472)
    EXPECT_EQ(record(bank3, 0), (Bytes{1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,    0,    0,    0,
                                       0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x28, 0x48, 0x0A, 0x00}));
    EXPECT_EQ(record(bank3, 1), (Bytes{3, 2, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0,    0,    1,    0,
                                       0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x28, 0x48, 0x0A, 0x00}));
    EXPECT_EQ(record(bank3, 2), (Bytes{8, 4, 1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0,    0,    3,    0,
                                       0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x28, 0x48, 0x0A, 0x00}));
    EXPECT_EQ(record(bank3, 3), Bytes(record_size, 0));
    EXPECT_EQ(bank3.size(), 18473u);
}

TEST(EtherCATImage, DisabledRowsAndTheMasterToSlaveTableAreLeftOut) {
    Configuration configuration;
    Variable_Row disabled = variable("Int32");
    disabled.Enable = "N";
    Variable_Row lower_case = variable("Int32");
    lower_case.Enable = "y";
    configuration.write("EtherCAT_Slave.xml",
                        "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" +
                            disabled.xml() + lower_case.xml() + variable("UInt16").xml() +
                            "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave>" + variable("Int8").xml() +
                            "</EtherCAT_Master_To_Slave></EtherCAT_Slave_Variables></EtherCAT_Slave>");
    const Bytes bank3 = configuration.compile().bank3;
    EXPECT_EQ(slice(bank3, 32, 4), (Bytes{1, 0, 0, 0}));
    EXPECT_EQ(slice(record(bank3, 0), 0, 20),
              (Bytes{6, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(EtherCATImage, StringTypesTakeTheirLengthFromTheRow) {
    const Bytes bank3 =
        compile_bank3({variable("String", "", "", "20"), variable("String"),
                       variable("ByteString", "", "", "5"), variable("int16"), variable("UInt8")});
    // type code, length, and the offset at bytes 16 to 19 of each record
    EXPECT_EQ(slice(record(bank3, 0), 0, 2), (Bytes{9, 20}));
    EXPECT_EQ(slice(record(bank3, 1), 0, 2), (Bytes{9, 1}));
    EXPECT_EQ(slice(record(bank3, 1), 16, 4), (Bytes{20, 0, 0, 0}));
    EXPECT_EQ(slice(record(bank3, 2), 0, 2), (Bytes{0, 5}));
    EXPECT_EQ(slice(record(bank3, 3), 0, 2), (Bytes{0, 1}));
    EXPECT_EQ(slice(record(bank3, 4), 16, 4), (Bytes{27, 0, 0, 0}));
}

TEST(EtherCATImage, NamesFollowTheLoneZeroByteInRecordOrder) {
    const Bytes bank3 = compile_bank3({variable("Bool", "A"), variable("Bool"), variable("Bool", "BC")});
    // name length and name address of each record
    EXPECT_EQ(slice(record(bank3, 0), 28, 8), (Bytes{1, 0, 0, 0, 0x29, 0x48, 0x0A, 0x00}));
    EXPECT_EQ(slice(record(bank3, 1), 28, 8), (Bytes{0, 0, 0, 0, 0x28, 0x48, 0x0A, 0x00}));
    EXPECT_EQ(slice(record(bank3, 2), 28, 8), (Bytes{2, 0, 0, 0, 0x2B, 0x48, 0x0A, 0x00}));
    ASSERT_EQ(bank3.size(), 18478u);
    EXPECT_EQ(slice(bank3, 18472, 6), (Bytes{0x00, 0x41, 0x00, 0x42, 0x43, 0x00}));
}

TEST(EtherCATImage, ANameLengthCountsUtf8Bytes) {
    const Bytes bank3 = compile_bank3({variable("Bool", "\xC3\x84x")});
    EXPECT_EQ(slice(record(bank3, 0), 28, 4), (Bytes{3, 0, 0, 0}));
    EXPECT_EQ(slice(bank3, 18473, 4), (Bytes{0xC3, 0x84, 'x', 0x00}));
}

struct InitCase {
    std::string type;
    std::string text;
    Bytes expected;
};

std::ostream& operator<<(std::ostream& out, const InitCase& c) {
    return out << c.type << " \"" << c.text << '"';
}

class InitValue : public testing::TestWithParam<InitCase> {};

TEST_P(InitValue, StoresTheTypesBytes) {
    const Bytes bank3 = compile_bank3({variable(GetParam().type, "", GetParam().text, "4")});
    EXPECT_EQ(slice(record(bank3, 0), 20, 8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InitValue,
    testing::Values(InitCase{"Int16", "-1", {0xFF, 0xFF, 0, 0, 0, 0, 0, 0}},
                    InitCase{"UInt8", "300", {0x2C, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"Bool", "3", {1, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"Bool", "2", {0, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"Int8", "-128", {0x80, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"UInt16", "$1234", {0x34, 0x12, 0, 0, 0, 0, 0, 0}},
                    InitCase{"Int32", "-2", {0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
                    InitCase{"UInt32", "4294967295", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
                    InitCase{"UInt32", "0x1FFFFFFFF", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}},
                    InitCase{"Int16", "abc", {0, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"Int16", "1 ", {0, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"Float32", "1.5", {0x00, 0x00, 0xC0, 0x3F, 0, 0, 0, 0}},
                    InitCase{"Float32", "1,5", {0x00, 0x00, 0xC0, 0x3F, 0, 0, 0, 0}},
                    InitCase{"Float32", " -2.5E1 ", {0x00, 0x00, 0xC8, 0xC1, 0, 0, 0, 0}},
                    InitCase{"Float32", "+.5", {0x00, 0x00, 0x00, 0x3F, 0, 0, 0, 0}},
                    InitCase{"Float32", "0.1", {0xCD, 0xCC, 0xCC, 0x3D, 0, 0, 0, 0}},
                    // rounded once, to the nearest single value above 1
                    InitCase{"Float32", "1.00000005960464477550", {0x01, 0x00, 0x80, 0x3F, 0, 0, 0, 0}},
                    InitCase{"Float32", "1.5.2", {0, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"Float32", "1e39", {0, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"Float32", "nan", {0, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"Float32", "", {0, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"String", "123", {0, 0, 0, 0, 0, 0, 0, 0}},
                    InitCase{"ByteString", "123", {0, 0, 0, 0, 0, 0, 0, 0}}));

TEST(EtherCATImage, NamesMayFillBank3ToItsLimit) {
    // The names take 131072 - 18473 bytes with their closing 0 bytes.
    const Bytes bank3 = compile_bank3({variable("Bool", std::string(112598, 'n'))});
    EXPECT_EQ(bank3.size(), 131072u);
}

TEST(EtherCATImage, NamesBeyondBank3sLimitAreRefused) {
    Configuration configuration;
    configuration.variables(
        {variable("Bool", std::string(60000, 'n')), variable("Bool", std::string(52599, 'm'))});
    EXPECT_THAT([&] { configuration.compile(); },
                testing::ThrowsMessage<cfg::ConfigError>(testing::HasSubstr("131072")));
}

// The device gets the variables the screen shows: those among the first 256 rows, disabled ones
// taking their place too.
TEST(EtherCATImage, OnlyTheRowsOfTheVariableTableCompile) {
    struct Case {
        int disabled; // rows in front
        int enabled;
        int records;
    };
    for (const Case& c : {Case{0, 256, 256}, Case{0, 257, 256}, Case{0, 512, 256}, Case{255, 2, 1}}) {
        Variable_Row disabled = variable("Int8");
        disabled.Enable = "N";
        std::vector<Variable_Row> rows(static_cast<std::size_t>(c.disabled), disabled);
        for (int i = 1; i <= c.enabled; ++i)
            rows.push_back(variable("Int8", "v" + std::to_string(i)));
        const Bytes bank3 = compile_bank3(rows);
        const auto count = static_cast<std::size_t>(c.records);
        EXPECT_EQ(slice(bank3, 32, 4), (Bytes{static_cast<std::uint8_t>(count & 0xFF),
                                              static_cast<std::uint8_t>(count >> 8), 0, 0}))
            << c.disabled << " + " << c.enabled;
        EXPECT_EQ(record(bank3, count), Bytes(record_size, 0));
        const std::string last_name = "v" + std::to_string(c.records);
        EXPECT_EQ(
            std::string(bank3.end() - static_cast<std::ptrdiff_t>(last_name.size()) - 1, bank3.end() - 1),
            last_name);
    }
}

TEST(EtherCATImage, AFileLackingAVariablesElementStopsTheCompile) {
    for (const char* content :
         {"<EtherCAT_Slave/>", "<EtherCAT_Slave><EtherCAT_Slave_Variables/></EtherCAT_Slave>",
          "<Other><EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master/>"
          "</EtherCAT_Slave_Variables></EtherCAT_Slave></Other>"}) {
        Configuration configuration;
        configuration.write("EtherCAT_Slave.xml", content);
        EXPECT_THROW(configuration.compile(), cfg::ConfigError) << content;
    }
}

} // namespace
