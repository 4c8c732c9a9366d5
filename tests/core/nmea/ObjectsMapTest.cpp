#include "core/nmea/ObjectsMap.h"

#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace cfg::nmea;
using cfg::test::fixture;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

struct RangeCase {
    int first;
    int size;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const RangeCase& c) {
    return out << c.first << "+" << c.size;
}

class ByteRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(ByteRangeTest, JoinsTheBytesWithHyphens) {
    EXPECT_EQ(Byte_Range_Text(GetParam().first, GetParam().size), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(ObjectsMap, ByteRangeTest,
                         testing::Values(RangeCase{12, 1, "12"}, RangeCase{13, 4, "13-14-15-16"},
                                         RangeCase{0, 0, ""}, RangeCase{3, 2, "3-4"}, RangeCase{0, 1, "0"}));

TEST(ObjectsMap, ActiveRowsListTheirWholeSentenceOneAfterTheOther) {
    const std::vector<std::string> lines = Objects_Map_Lines(fixture("nmea/objects_map_listener.xml"));
    ASSERT_EQ(lines.size(), 1u + 19u + 2u);
    EXPECT_EQ(lines[0], "Byte; Sentence; Field; Serial; Mnemonic;");
    EXPECT_EQ(lines[1], "0;GGA;UTC of position, Hours [decimal];RS232;GPS;");
    EXPECT_EQ(lines[4], "3-4;GGA;UTC of position, decimal-fraction of seconds [decimal];RS232;GPS;");
    EXPECT_EQ(lines[19], "37-38;GGA;Differential reference station ID [decimal];RS232;GPS;");
    // The row's own position is not used, inactive and unknown rows move nothing, and missing
    // attributes count as empty.
    EXPECT_EQ(lines[20], "39-40-41-42;HDT;Heading, degrees True, Number [floating point];;;");
    EXPECT_EQ(lines[21], "43;HDT;Heading, degrees True [character];;;");
}

TEST(ObjectsMap, WritesWindows1252LinesEndingInCrLf) {
    TempDir dir;
    write_bytes(dir / "listener.xml", "<NMEA_0183><NMEA_Listener><row Enable=\"Y\" Sentence=\"THS\" "
                                      "Serial_Channel=\"RS232\" Mnemonic=\"Kurs \u00b0 \u20ac \u4e2d\"/>"
                                      "</NMEA_Listener></NMEA_0183>");
    Export_Objects_Map(dir / "listener.xml", dir / "map.csv");
    EXPECT_EQ(read_bytes(dir / "map.csv"),
              "Byte; Sentence; Field; Serial; Mnemonic;\r\n"
              "0-1-2-3;THS;Heading, degrees True, Number [floating point];RS232;Kurs \xb0 \x80 ?;\r\n"
              "4;THS;Heading, degrees True [character];RS232;Kurs \xb0 \x80 ?;\r\n");
}

TEST(ObjectsMap, TheDegreeSignOfTheCatalogueIsWrittenAsOneByte) {
    TempDir dir;
    write_bytes(dir / "listener.xml",
                "<NMEA_0183><NMEA_Listener><row Enable=\"Y\" Sentence=\"VWT\"/></NMEA_Listener></NMEA_0183>");
    Export_Objects_Map(dir / "listener.xml", dir / "map.csv");
    EXPECT_NE(read_bytes(dir / "map.csv").find("0 to 180\xb0, Number"), std::string::npos);
}

TEST(ObjectsMap, AMissingListenerFileGivesTheHeaderAlone) {
    TempDir dir;
    Export_Objects_Map(dir / "NMEA_0183_Set_Access.xml", dir / "map.csv");
    EXPECT_EQ(read_bytes(dir / "map.csv"), "Byte; Sentence; Field; Serial; Mnemonic;\r\n");
}

TEST(ObjectsMap, AnUnreadableListenerFileWritesNothing) {
    for (const char* name : {"listener_malformed.xml", "listener_without_listener.xml"}) {
        TempDir dir;
        write_bytes(dir / "map.csv", "old");
        EXPECT_THROW(Export_Objects_Map(fixture(std::string("nmea/") + name), dir / "map.csv"),
                     cfg::ConfigError)
            << name;
        EXPECT_EQ(read_bytes(dir / "map.csv"), "old") << name;
    }
}

TEST(ObjectsMap, ATargetThatCannotBeWrittenRaises) {
    TempDir dir;
    EXPECT_THROW(Export_Objects_Map(dir / "NMEA_0183_Set_Access.xml", dir / "missing" / "map.csv"),
                 cfg::ConfigError);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

struct NameCase {
    const char* chosen;
    const char* used;
};

std::ostream& operator<<(std::ostream& out, const NameCase& c) {
    return out << c.chosen;
}

class MapFileNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(MapFileNameTest, AppendsCsvUnlessTheNameEndsInIt) {
    EXPECT_EQ(Objects_Map_File_Name(GetParam().chosen), GetParam().used);
}

INSTANTIATE_TEST_SUITE_P(ObjectsMap, MapFileNameTest,
                         testing::Values(NameCase{"map.csv", "map.csv"}, NameCase{"map.CSV", "map.CSV"},
                                         NameCase{"map.cSv", "map.cSv"}, NameCase{"map.txt", "map.txt.csv"},
                                         NameCase{"map", "map.csv"}, NameCase{".csv", ".csv"},
                                         NameCase{"csv", "csv.csv"}, NameCase{"map.csv ", "map.csv .csv"},
                                         NameCase{"", ".csv"}));

} // namespace
