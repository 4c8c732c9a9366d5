#include "Concatenated.h"
#include "EsiTestFiles.h"
#include "EsiValidation.h"

#include "core/common/ConfigError.h"
#include "core/ethercat/EsiFile.h"
#include "core/ethercat/EsiIcon.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <cstdio>
#include <ostream>

namespace {

using cfg::test::concatenated;
using cfg::test::create_valid_esi;
using cfg::test::crlf_lines;
using cfg::test::ethercat_slave_xml;
using cfg::test::pargen_xml;
using cfg::test::read_bytes;
using cfg::test::Stored_Row;
using cfg::test::TempDir;
using cfg::test::write_bytes;

// A configuration folder holding the two sources; an empty text leaves the file out.
struct Configuration {
    TempDir dir;

    Configuration(const std::string& pargen, const std::string& ethercat_slave) {
        if (!pargen.empty())
            write_bytes(dir / "ParGen.xml", pargen);
        if (!ethercat_slave.empty())
            write_bytes(dir / "EtherCAT_Slave.xml", ethercat_slave);
    }

    std::string create_esi() const {
        return create_valid_esi(dir / "ParGen.xml", dir / "EtherCAT_Slave.xml", dir / "device.xml");
    }
};

pugi::xml_node device_of(const pugi::xml_document& doc) {
    return doc.child("EtherCATInfo").child("Descriptions").child("Devices").child("Device");
}

// The process-data objects in short: "TxPdo #x1A00 Inputs_000", then one line per entry,
// "#x6000 1 Run BIT" or "pad 6".
std::vector<std::string> pdo_summary(const std::string& bytes) {
    pugi::xml_document doc;
    EXPECT_TRUE(doc.load_string(bytes.c_str()));
    std::vector<std::string> summary;
    for (const pugi::xml_node& pdo : device_of(doc).children()) {
        const std::string kind = pdo.name();
        if (kind != "RxPdo" && kind != "TxPdo")
            continue;
        summary.push_back(kind + " " + pdo.child_value("Index") + " " + pdo.child_value("Name"));
        for (const pugi::xml_node& entry : pdo.children("Entry")) {
            if (entry.child("Name"))
                summary.push_back(std::string(entry.child_value("Index")) + " " +
                                  entry.child_value("BitLen") + " " + entry.child_value("Name") + " " +
                                  entry.child_value("DataType"));
            else
                summary.push_back(std::string("pad ") + entry.child_value("BitLen"));
        }
    }
    return summary;
}

TEST(EsiFile, TheWorkedExampleGivesEveryLineExactly) {
    TempDir dir;
    const auto project = cfg::test::copy_fixture("ethercat/worked_example", dir);
    const std::string bytes =
        create_valid_esi(project / "ParGen.xml", project / "EtherCAT_Slave.xml", dir / "SW52C40.xml");

    std::string expected = read_bytes(cfg::test::fixture("ethercat/worked_example/expected_esi.txt"));
    for (std::size_t at; (at = expected.find("@ICON@")) != std::string::npos;)
        expected.replace(at, 6, cfg::ethercat::esi_icon_hex());
    std::string expected_crlf;
    for (const char c : expected)
        expected_crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(bytes, expected_crlf);
}

TEST(EsiFile, TheIconIsA16By14BitmapInLowerCaseHexAtItsThreePlaces) {
    const std::string bmp = cfg::ethercat::esi_icon_bmp();
    auto u32 = [&](std::size_t at) {
        return static_cast<unsigned>(static_cast<unsigned char>(bmp[at])) |
               static_cast<unsigned>(static_cast<unsigned char>(bmp[at + 1])) << 8 |
               static_cast<unsigned>(static_cast<unsigned char>(bmp[at + 2])) << 16 |
               static_cast<unsigned>(static_cast<unsigned char>(bmp[at + 3])) << 24;
    };
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(u32(2), bmp.size());
    EXPECT_EQ(u32(10), 54u); // pixels right after the headers
    EXPECT_EQ(u32(18), 16u); // width
    EXPECT_EQ(u32(22), 14u); // height, bottom row first
    EXPECT_EQ(u32(28) & 0xFFFF, 24u);
    EXPECT_EQ(bmp.size(), 54u + 16 * 3 * 14);

    const std::string hex = cfg::ethercat::esi_icon_hex();
    EXPECT_EQ(hex.size(), 2 * bmp.size());
    EXPECT_EQ(hex.find_first_not_of("0123456789abcdef"), std::string::npos);

    Configuration configuration("", "");
    const std::string bytes = configuration.create_esi();
    const std::string element = "<ImageData16x14>" + hex + "</ImageData16x14>";
    std::size_t places = 0;
    for (std::size_t at = bytes.find(element); at != std::string::npos; at = bytes.find(element, at + 1))
        ++places;
    EXPECT_EQ(places, 3u);
}

TEST(EsiFile, PdoNumberTextHasAtLeastThreeDigits) {
    const std::pair<int, const char*> cases[] = {
        {0, "000"}, {7, "007"}, {42, "042"}, {123, "123"}, {1000, "1000"}};
    for (const auto& [n, text] : cases)
        EXPECT_EQ(cfg::ethercat::Pdo_Number_Text(n), text) << n;
}

TEST(EsiFile, SyncManager2StartsAfterThreeInputBuffersRoundedUpToFour) {
    const std::pair<std::int64_t, const char*> cases[] = {{0, "1000"}, {1, "1004"},  {4, "100C"},
                                                          {7, "1018"}, {10, "1020"}, {2000, "2770"}};
    for (const auto& [size, address] : cases)
        EXPECT_EQ(cfg::ethercat::sync_manager2_address(size), address) << size;
}

struct PdoCase {
    const char* label;
    std::vector<Stored_Row> inputs;
    std::vector<Stored_Row> outputs;
    std::vector<std::string> expected;
    const char* sync_manager2;
};

void PrintTo(const PdoCase& c, std::ostream* os) {
    *os << c.label;
}

std::vector<Stored_Row> rows(int count, const char* type, const char* length, int first_name = 0) {
    std::vector<Stored_Row> result;
    for (int i = 0; i < count; ++i)
        result.push_back({type, length, "v" + std::to_string(first_name + i)});
    return result;
}

// Entries "#x60NN <bits> vNN <DataType>" for list places first to first + count - 1.
std::vector<std::string> entries(int first, int count, const char* bits, const char* data_type,
                                 const char* base = "60") {
    std::vector<std::string> result;
    char index[8];
    for (int i = first; i < first + count; ++i) {
        std::snprintf(index, sizeof index, "%s%02X", base, static_cast<unsigned>(i));
        result.push_back(std::string("#x") + index + " " + bits + " v" + std::to_string(i) + " " + data_type);
    }
    return result;
}

using Lines = std::vector<std::string>;

class EsiPdoObjects : public testing::TestWithParam<PdoCase> {};

TEST_P(EsiPdoObjects, GroupEntriesAndPadBitBytes) {
    const PdoCase& c = GetParam();
    Configuration configuration("", ethercat_slave_xml(c.inputs, c.outputs));
    const std::string bytes = configuration.create_esi();
    EXPECT_EQ(pdo_summary(bytes), c.expected);
    EXPECT_NE(bytes.find("StartAddress=\"#x" + std::string(c.sync_manager2) + "\" ControlByte=\"#x64\""),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EsiPdoObjects,
    testing::Values(
        PdoCase{"no rows write no object", {}, {}, {}, "1000"},
        PdoCase{"16 entries make one object",
                rows(16, "Int8", "1"),
                {},
                concatenated(Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 16, "8", "SINT")),
                "1030"},
        PdoCase{"17 entries make two",
                rows(17, "Int8", "1"),
                {},
                concatenated(Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 16, "8", "SINT"),
                             Lines{"TxPdo #x1A01 Inputs_001"}, entries(16, 1, "8", "SINT")),
                "1034"},
        PdoCase{"disabled rows take no index",
                {{"Int8", "1", "v0"}, {"Int8", "1", "x", "N"}, {"Int8", "1", "v1"}},
                {},
                concatenated(Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 2, "8", "SINT")),
                "1008"},
        PdoCase{"eight bits fill their byte",
                concatenated(rows(8, "Bool", "1"), std::vector<Stored_Row>{{"Int16", "2", "v8"}}),
                {},
                concatenated(Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 8, "1", "BIT"),
                             entries(8, 1, "16", "INT")),
                "100C"},
        PdoCase{"a ninth bit is padded by 7",
                concatenated(rows(9, "Bool", "1"), std::vector<Stored_Row>{{"Int16", "2", "v9"}}),
                {},
                concatenated(Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 9, "1", "BIT"), Lines{"pad 7"},
                             entries(9, 1, "16", "INT")),
                "100C"},
        PdoCase{"a last bit is padded before the close",
                concatenated(rows(1, "Int8", "1"), rows(3, "Bool", "1", 1)),
                {},
                concatenated(Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 1, "8", "SINT"),
                             entries(1, 3, "1", "BIT"), Lines{"pad 5"}),
                "1008"},
        PdoCase{"a bit run goes on across the object boundary",
                concatenated(rows(15, "Int8", "1"), rows(2, "Bool", "1", 15)),
                {},
                concatenated(Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 15, "8", "SINT"),
                             entries(15, 1, "1", "BIT"), Lines{"TxPdo #x1A01 Inputs_001"},
                             entries(16, 1, "1", "BIT"), Lines{"pad 6"}),
                "1030"},
        PdoCase{"types map ignoring case and blanks, unknown ones are bits",
                {{" bool ", "7", "v0"}, {"float32", "0", "v1"}, {"ByteString", "10", "v2"}, {"", "3", "v3"}},
                {},
                concatenated(Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 1, "1", "BIT"), Lines{"pad 7"},
                             entries(1, 1, "32", "REAL"), entries(2, 2, "1", "BIT"), Lines{"pad 6"}),
                "1008"},
        PdoCase{"a string's bits come from its length, 0 included",
                {{"String", "0", "v0"}, {"String", "20", "v1"}},
                {},
                concatenated(Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 1, "0", "STRING(n)"),
                             entries(1, 1, "160", "STRING(n)")),
                "103C"},
        PdoCase{"missing attributes: no Enable skips, no Length is 0, no Name is empty, no Type is a bit",
                {{"Int8", "1", "x", std::nullopt},
                 {"Int8", "1", "x", "y"},
                 {"String", std::nullopt, "v0"},
                 {"Int8", "1", std::nullopt},
                 {std::nullopt, "1", "v2"}},
                {},
                {"TxPdo #x1A00 Inputs_000", "#x6000 0 v0 STRING(n)", "#x6001 8  SINT", "#x6002 1 v2 BIT",
                 "pad 7"},
                "1008"},
        PdoCase{"Master To Slave rows come first as outputs",
                rows(1, "Int8", "1"),
                {{"Bool", "1", "v0"}, {"UInt32", "4", "v1"}},
                concatenated(Lines{"RxPdo #x1600 Outputs_000"}, entries(0, 1, "1", "BIT", "70"),
                             Lines{"pad 7"}, entries(1, 1, "32", "UDINT", "70"),
                             Lines{"TxPdo #x1A00 Inputs_000"}, entries(0, 1, "8", "SINT")),
                "1004"}));

// An identity text of ParGen.xml (null: the element is missing) and the hex digits it gives.
struct IdentityCase {
    const char* text;
    const char* written;
};

void PrintTo(const IdentityCase& c, std::ostream* os) {
    *os << '"' << (c.text ? c.text : "(missing)") << '"';
}

// The revision goes in as typed and comes out as the same unsigned 32-bit value.
class EsiRevision : public testing::TestWithParam<IdentityCase> {};

TEST_P(EsiRevision, IsUpperCaseHexOfTheLow32Bits) {
    Configuration configuration(pargen_xml(GetParam().text, "Dev", "1"), "");
    const std::vector<std::string> lines = crlf_lines(configuration.create_esi());
    ASSERT_GE(lines.size(), 19u);
    EXPECT_EQ(lines[18], std::string("        <Type ProductCode=\"#x00000C40\" RevisionNo=\"#x") +
                             GetParam().written + "\">Dev</Type>");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EsiRevision,
    testing::Values(IdentityCase{"1", "01"}, IdentityCase{"300", "12C"}, IdentityCase{"0", "00"},
                    IdentityCase{"2147483647", "7FFFFFFF"}, IdentityCase{"2147483648", "80000000"},
                    IdentityCase{"3000000000", "B2D05E00"}, IdentityCase{"4294967295", "FFFFFFFF"},
                    IdentityCase{"$FFFFFFFF", "FFFFFFFF"}, IdentityCase{"0xFFFFFFFF", "FFFFFFFF"},
                    IdentityCase{"-1", "FFFFFFFF"}, IdentityCase{"-300", "FFFFFED4"},
                    IdentityCase{"abc", "00"}, IdentityCase{"12 ", "00"}, IdentityCase{nullptr, "00"}));

class EsiNodeAddress : public testing::TestWithParam<IdentityCase> {};

TEST_P(EsiNodeAddress, GoesLowByteFirstIntoConfigData) {
    Configuration configuration(pargen_xml("1", "Dev", GetParam().text), "");
    const std::string bytes = configuration.create_esi();
    EXPECT_NE(bytes.find(std::string("<ConfigData>800F00CC8813ff00") + GetParam().written +
                         "00800000</ConfigData>"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, EsiNodeAddress,
                         testing::Values(IdentityCase{"1", "0100"}, IdentityCase{"192", "C000"},
                                         IdentityCase{"4660", "3412"}, IdentityCase{"$1234", "3412"},
                                         IdentityCase{"70000", "7011"}, IdentityCase{"abc", "0100"},
                                         IdentityCase{nullptr, "0100"}));

TEST(EsiFile, WithoutParGenTheIdentityIsTheDefaultsAndTheNodeAddressOne) {
    Configuration configuration("", "");
    const std::vector<std::string> lines = crlf_lines(configuration.create_esi());
    ASSERT_EQ(lines.size(), 77u); // no process-data objects
    EXPECT_EQ(lines[18],
              "        <Type ProductCode=\"#x00000C40\" RevisionNo=\"#x00\">EtherCAT Slave</Type>");
    EXPECT_EQ(lines[19], "        <Name LcId=\"1033\">EtherCAT Slave</Name>");
    EXPECT_EQ(lines[43], "        <Sm StartAddress=\"#x1000\" ControlByte=\"#x64\" DefaultSize=\"1\" "
                         "Enable=\"1\">Outputs</Sm>");
    EXPECT_EQ(lines[70], "          <ConfigData>800F00CC8813ff00010000800000</ConfigData>");
}

TEST(EsiFile, AParGenWhoseFirstNodeIsACommentGivesItsIdentity) {
    Configuration configuration("<!--x-->" + pargen_xml("5", "Dev", "9"), "");
    const std::vector<std::string> lines = crlf_lines(configuration.create_esi());
    ASSERT_EQ(lines.size(), 77u);
    EXPECT_EQ(lines[18], "        <Type ProductCode=\"#x00000C40\" RevisionNo=\"#x05\">Dev</Type>");
    EXPECT_EQ(lines[70], "          <ConfigData>800F00CC8813ff00090000800000</ConfigData>");
}

TEST(EsiFile, AnEmptyDeviceNameGivesEmptyElements) {
    Configuration configuration(pargen_xml("1", "", "1"), "");
    const std::vector<std::string> lines = crlf_lines(configuration.create_esi());
    ASSERT_GE(lines.size(), 21u);
    EXPECT_EQ(lines[18], "        <Type ProductCode=\"#x00000C40\" RevisionNo=\"#x01\"></Type>");
    EXPECT_EQ(lines[19], "        <Name LcId=\"1033\"></Name>");
    EXPECT_EQ(lines[20], "        <Name LcId=\"1031\"></Name>");
}

TEST(EsiFile, NamesWithReservedAndNonAsciiCharactersStayWellFormedAndReadBackUnchanged) {
    const std::string device = "A&B <\"x\"> \xC3\x9F";                   // ß in UTF-8
    const std::string variable = "Temp 'C' < 5 & \xE2\x82\xAC \xCE\xB1"; // € and α
    Configuration configuration(pargen_xml("1", device.c_str(), "1"),
                                ethercat_slave_xml({{"Int8", "1", variable}}, {{"Int8", "1", "out&in"}}));
    const std::string bytes = configuration.create_esi();

    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_string(bytes.c_str()));
    const pugi::xml_node device_node = device_of(doc);
    EXPECT_EQ(std::string(device_node.child_value("Type")), device);
    for (const pugi::xml_node& name : device_node.children("Name"))
        EXPECT_EQ(std::string(name.child_value()), device);
    EXPECT_EQ(std::string(device_node.child("TxPdo").child("Entry").child_value("Name")), variable);
    EXPECT_EQ(std::string(device_node.child("RxPdo").child("Entry").child_value("Name")), "out&in");
    // Written in UTF-8, not an 8-bit code page.
    EXPECT_NE(bytes.find("\xC3\x9F"), std::string::npos);
}

TEST(EsiFile, TextsXmlCannotHoldAreReplacedSoTheFileStaysWellFormed) {
    // A name with a control character (by reference) and a byte that is not UTF-8.
    Configuration configuration("<Par_Gen><EtherCAT_Slave_Name>a&#1;b\xE9</EtherCAT_Slave_Name></Par_Gen>",
                                "");
    const std::string bytes = configuration.create_esi();
    EXPECT_NE(bytes.find(">a\xEF\xBF\xBD"
                         "b\xEF\xBF\xBD</Type>"),
              std::string::npos);
}

TEST(EsiFile, EverySourceFailureWritesNothingAndKeepsAnOldFile) {
    const std::pair<const char*, std::string> cases[] = {
        {"no variables element", "<EtherCAT_Slave/>"},
        {"no Slave To Master element", "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Master_To_Slave/"
                                       "></EtherCAT_Slave_Variables></EtherCAT_Slave>"},
        {"no Master To Slave element",
         "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master><row Enable=\"Y\" "
         "Type=\"Int8\"/>"
         "</EtherCAT_Slave_To_Master></EtherCAT_Slave_Variables></EtherCAT_Slave>"},
        {"a malformed file", "<EtherCAT_Slave><EtherCAT_Slave_Variables>"},
    };
    for (const auto& [label, ethercat_slave] : cases) {
        Configuration configuration(pargen_xml("1", "Dev", "1"), ethercat_slave);
        write_bytes(configuration.dir / "device.xml", "old");
        try {
            cfg::ethercat::Create_ESI_File(configuration.dir / "ParGen.xml",
                                           configuration.dir / "EtherCAT_Slave.xml",
                                           configuration.dir / "device.xml");
            ADD_FAILURE() << label << ": no error";
        } catch (const cfg::ConfigError& error) {
            EXPECT_NE(std::string(error.what()).find("EtherCAT_Slave.xml"), std::string::npos) << label;
        }
        EXPECT_EQ(read_bytes(configuration.dir / "device.xml"), "old") << label;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(configuration.dir.path()),
                                std::filesystem::directory_iterator()),
                  3)
            << label << ": a stray file was left";
    }
}

TEST(EsiFile, AMalformedParGenWritesNothing) {
    Configuration configuration("<Par_Gen>", ethercat_slave_xml({}));
    EXPECT_THROW(cfg::ethercat::Create_ESI_File(configuration.dir / "ParGen.xml",
                                                configuration.dir / "EtherCAT_Slave.xml",
                                                configuration.dir / "device.xml"),
                 cfg::ConfigError);
    EXPECT_FALSE(std::filesystem::exists(configuration.dir / "device.xml"));
}

TEST(EsiFile, AFolderThatIsMissingIsReported) {
    Configuration configuration("", "");
    EXPECT_THROW(cfg::ethercat::Create_ESI_File(configuration.dir / "ParGen.xml",
                                                configuration.dir / "EtherCAT_Slave.xml",
                                                configuration.dir / "missing" / "device.xml"),
                 cfg::ConfigError);
}

} // namespace
