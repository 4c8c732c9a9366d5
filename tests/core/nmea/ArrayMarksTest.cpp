#include "core/nmea/ArrayMarks.h"

#include "core/lang/LangStrings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cfg::nmea::Array_Field;

const cfg::Lang_Strings texts = cfg::default_texts();

Array_Field field(int row, std::int64_t first_byte, int size, std::vector<int> overlapping = {}) {
    Array_Field placed{row, "GGA", "", first_byte, size, std::move(overlapping), false};
    placed.outside_array = first_byte < 0 || placed.last_byte() > 1999;
    return placed;
}

struct MarksCase {
    const char* label;
    Array_Field field;
    std::string marks;
};

void PrintTo(const MarksCase& c, std::ostream* os) {
    *os << c.label;
}

class FieldMarks : public testing::TestWithParam<MarksCase> {};

TEST_P(FieldMarks, NameWhatTheFieldCollidesWith) {
    EXPECT_EQ(cfg::nmea::Field_Marks(GetParam().field, texts), GetParam().marks);
    EXPECT_EQ(cfg::nmea::Is_Marked(GetParam().field), !GetParam().marks.empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, FieldMarks,
                         testing::Values(MarksCase{"a field inside the array alone", field(1, 0, 4), ""},
                                         MarksCase{"one other row", field(1, 0, 4, {3}), "overlaps row 3"},
                                         MarksCase{"two other rows", field(2, 0, 4, {1, 3}),
                                                   "overlaps rows 1, 3"},
                                         MarksCase{"past the end and over a row", field(5, 1998, 4, {4}),
                                                   "overlaps row 4; past byte 1999"},
                                         MarksCase{"before the start", field(1, -1, 2), "before byte 0"}));

struct StatusCase {
    const char* label;
    std::vector<Array_Field> fields;
    std::string status;
};

void PrintTo(const StatusCase& c, std::ostream* os) {
    *os << c.label;
}

class ArrayStatus : public testing::TestWithParam<StatusCase> {};

TEST_P(ArrayStatus, SumsUpTheArray) {
    EXPECT_EQ(cfg::nmea::Array_Status(GetParam().fields, texts), GetParam().status);
}

// Overlaps count pairs of rows: three fields on one byte are three overlaps.
INSTANTIATE_TEST_SUITE_P(
    Cases, ArrayStatus,
    testing::Values(StatusCase{"no fields", {}, "bytes used: none of 0\u20131999"},
                    StatusCase{"the span from the lowest to the highest byte",
                               {field(1, 40, 4), field(2, 2, 1)},
                               "bytes used: 2\u201343 of 0\u20131999"},
                    StatusCase{"one overlap",
                               {field(1, 0, 4, {2}), field(2, 3, 1, {1})},
                               "bytes used: 0\u20133 of 0\u20131999; 1 overlap"},
                    StatusCase{"three fields on one byte",
                               {field(1, 5, 1, {2, 3}), field(2, 5, 1, {1, 3}), field(3, 5, 1, {1, 2})},
                               "bytes used: 5 of 0\u20131999; 3 overlaps"},
                    StatusCase{"fields outside",
                               {field(1, 1990, 20), field(2, -1, 1)},
                               "bytes used: -1\u20132009 of 0\u20131999; 2 outside the array"}));

TEST(RowPlaces, GiveTheBytesAndTheMarksOfEachRowWithAField) {
    const std::vector<cfg::nmea::Row_Place> places =
        cfg::nmea::Row_Places({field(2, 12, 4, {7}), field(7, 15, 1, {2})}, texts);
    ASSERT_EQ(places.size(), 101u);
    EXPECT_EQ(places[2].bytes, "12\u201315");
    EXPECT_EQ(places[2].marks, "overlaps row 7");
    EXPECT_EQ(places[7].bytes, "15");
    EXPECT_EQ(places[1].bytes, "");
    EXPECT_EQ(places[1].marks, "");
}

} // namespace
