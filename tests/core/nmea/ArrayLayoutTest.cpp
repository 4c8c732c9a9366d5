#include "core/nmea/ArrayLayout.h"

#include "ListenerRows.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace cfg::nmea {

void PrintTo(const Array_Field& f, std::ostream* out) {
    *out << "row " << f.row << " " << f.Sentence << " bytes " << f.first_byte << "+" << f.size << " overlaps "
         << f.overlapping_rows.size() << (f.outside_array ? " outside" : "");
}

} // namespace cfg::nmea

namespace {

using namespace cfg::nmea;
using cfg::nmea::test::listener_table;
using cfg::nmea::test::Row;

const std::string gga_hours = "UTC of position, Hours [decimal]";
const std::string gga_latitude = "Latitude, Minutes [floating point]";
const std::string hdt_heading = "Heading, degrees True, Number [floating point]";

TEST(ArrayLayout, MarksOverlapsAndFieldsOutsideTheArray) {
    const Listener_Table table = listener_table({
        {true, "GGA", gga_latitude, "0"}, // 0-3
        {false, "GGA", gga_hours, "2"},   // inactive: takes no bytes
        {true, "GGA", gga_hours, "3"},    // shares byte 3 with row 1
        {true, "GGA", "no such field", "8"},
        {true, "HDT", hdt_heading, "4"},    // 4-7, touches row 1 without sharing
        {true, "HDT", hdt_heading, "1998"}, // runs past byte 1999
        {true, "GGA", gga_hours, "-1"},
        {true, "GGA", gga_hours, "x"}, // no number: byte 0, like the proposals read it
    });
    const std::vector<Array_Field> expected = {
        {1, "GGA", gga_latitude, 0, 4, {3, 8}, false}, {3, "GGA", gga_hours, 3, 1, {1}, false},
        {5, "HDT", hdt_heading, 4, 4, {}, false},      {6, "HDT", hdt_heading, 1998, 4, {}, true},
        {7, "GGA", gga_hours, -1, 1, {}, true},        {8, "GGA", gga_hours, 0, 1, {1}, false},
    };
    EXPECT_EQ(Array_Layout(table), expected);
}

TEST(ArrayLayout, TheLastByteOfTheArrayIsInside) {
    const std::vector<Array_Field> fields =
        Array_Layout(listener_table({{true, "HDT", hdt_heading, "1996"}}));
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0].last_byte(), 1999);
    EXPECT_FALSE(fields[0].outside_array);
}

const std::string gga_station = "Differential reference station ID [decimal]";
const std::string xdr_id = "Transducer ID [character string] (20 characters)";

struct LayoutCase {
    const char* label;
    std::vector<Row> rows;
    std::vector<Array_Field> expected;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.label;
}

class ArrayLayoutCases : public testing::TestWithParam<LayoutCase> {};

TEST_P(ArrayLayoutCases, PlacesTheFieldsAndMarksThem) {
    EXPECT_EQ(Array_Layout(listener_table(GetParam().rows)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ArrayLayoutCases,
    testing::Values(
        LayoutCase{"adjacent fields share no byte",
                   {{true, "GGA", gga_latitude, "0"}, {true, "HDT", hdt_heading, "4"}},
                   {{1, "GGA", gga_latitude, 0, 4, {}, false}, {2, "HDT", hdt_heading, 4, 4, {}, false}}},
        LayoutCase{"a proposal after a row grew: 0-3 over a field at 2",
                   {{true, "GGA", gga_latitude, "0"}, {true, "GGA", gga_station, "2"}},
                   {{1, "GGA", gga_latitude, 0, 4, {2}, false}, {2, "GGA", gga_station, 2, 2, {1}, false}}},
        LayoutCase{
            "a field inside a longer one, and a third on the same byte",
            {{true, "XDR", xdr_id, "0", "1"}, {true, "GGA", gga_hours, "10"}, {true, "GGA", gga_hours, "10"}},
            {{1, "XDR", xdr_id, 0, 20, {2, 3}, false},
             {2, "GGA", gga_hours, 10, 1, {1, 3}, false},
             {3, "GGA", gga_hours, 10, 1, {1, 2}, false}}},
        LayoutCase{"disabled rows and rows without a known field take no bytes",
                   {{true, "GGA", gga_latitude, "0"},
                    {false, "GGA", gga_latitude, "0"},
                    {true, "GGA", "Latitude", "0"},
                    {true, "ZZZ", gga_latitude, "0"}},
                   {{1, "GGA", gga_latitude, 0, 4, {}, false}}},
        LayoutCase{"a field on the last byte is inside, one byte more runs past the end",
                   {{true, "GGA", gga_hours, "1999"}, {true, "GGA", gga_station, "1999"}},
                   {{1, "GGA", gga_hours, 1999, 1, {2}, false}, {2, "GGA", gga_station, 1999, 2, {1}, true}}},
        LayoutCase{"a field before byte 0 is outside",
                   {{true, "GGA", gga_station, "-2"}},
                   {{1, "GGA", gga_station, -2, 2, {}, true}}}));

TEST(ArrayLayout, KeepsTheMnemonicForTheLabels) {
    Listener_Table table = listener_table({{true, "GGA", gga_hours, "1"}});
    table.set_text(1, Listener_Column::Mnemonic, "GPS");
    EXPECT_EQ(Array_Layout(table).at(0).Mnemonic, "GPS");
}

} // namespace
