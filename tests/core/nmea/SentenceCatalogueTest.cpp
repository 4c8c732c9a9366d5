#include "core/nmea/SentenceCatalogue.h"

#include "core/common/Text.h"

#include <gtest/gtest.h>

#include <numeric>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace cfg::nmea;

struct SentenceCase {
    int number;
    const char* code;
    bool offered;
    int fields;
    int bytes; // the sum of the field sizes
};

std::ostream& operator<<(std::ostream& out, const SentenceCase& c) {
    return out << c.number << " " << c.code;
}

// The sentence list and, for each offered sentence, the field count and byte total of its table heading.
const SentenceCase sentence_cases[] = {
    {1, "ZDA", true, 9, 11},     {2, "BWC", false, 0, 0},    {3, "BWR", false, 0, 0},
    {4, "DBT", true, 6, 15},     {5, "DPT", true, 3, 12},    {6, "DSC", false, 0, 0},
    {7, "GGA", true, 19, 39},    {8, "GLL", true, 12, 19},   {9, "GSA", true, 18, 27},
    {10, "GSV", true, 8, 9},     {11, "HDG", true, 5, 14},   {12, "HDM", false, 0, 0},
    {13, "HDT", true, 2, 5},     {14, "HSC", false, 0, 0},   {15, "MDA", true, 20, 53},
    {16, "MTW", true, 2, 5},     {17, "MWD", true, 8, 20},   {18, "MWV", true, 5, 11},
    {19, "RMB", false, 0, 0},    {20, "RMC", true, 20, 37},  {21, "ROT", true, 2, 5},
    {22, "RPM", false, 0, 0},    {23, "RSA", true, 4, 10},   {24, "VBW", true, 10, 28},
    {25, "VDM", false, 0, 0},    {26, "VDO", false, 0, 0},   {27, "VDR", false, 0, 0},
    {28, "VHW", true, 8, 20},    {29, "VLW", false, 0, 0},   {30, "VTG", true, 9, 21},
    {31, "VWR", true, 8, 20},    {32, "XTE", true, 6, 9},    {33, "THS", true, 2, 5},
    {34, "XDR", true, 4, 26},    {35, "$PJELA", true, 1, 1}, {36, "DBK", true, 6, 15},
    {37, "DBS", true, 6, 15},    {38, "DTM", true, 8, 21},   {39, "VWT", true, 8, 20},
    {40, "$PJELC", true, 6, 15},
};

class SentenceTest : public testing::TestWithParam<SentenceCase> {};

TEST_P(SentenceTest, NumberCodeFieldsAndBytesMatchTheCatalogue) {
    const SentenceCase& c = GetParam();
    EXPECT_EQ(NMEA_Sentences[c.number].Name, c.code);
    EXPECT_EQ(NMEA_Sentences[c.number].Enabled, c.offered);
    EXPECT_EQ(Find_Sentence(c.code), c.number);
    EXPECT_EQ(GetIndexSentence(c.code), c.number);
    const std::vector<TFieldSentence>& fields = Sentence_Maps()[c.number].Fields;
    ASSERT_EQ(static_cast<int>(fields.size()), c.fields);
    const int bytes = std::accumulate(fields.begin(), fields.end(), 0,
                                      [](int sum, const TFieldSentence& f) { return sum + f.Dimension; });
    EXPECT_EQ(bytes, c.bytes);
    // Every field can be found again by its upper-case description, at its own index, unless an
    // earlier field of the sentence has the same text (none has).
    for (std::size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(GetIndexDataField(c.number, cfg::upper_ascii(fields[i].Field)), static_cast<int>(i))
            << fields[i].Field;
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SentenceTest, testing::ValuesIn(sentence_cases));

TEST(SentenceCatalogue, InitEmptiesEveryEntryBeforeFillingTheOfferedOnes) {
    Sentence_Map_Array maps;
    maps[2].Fields.push_back({"stale", 1});
    maps[7].Fields.push_back({"stale", 1});
    Init_Sentence_Maps(maps);
    EXPECT_TRUE(maps[2].Fields.empty());
    EXPECT_EQ(maps[7].Fields.size(), 19u);
    EXPECT_EQ(maps[7].Fields.front().Field, "UTC of position, Hours [decimal]");
}

struct FieldCase {
    int sentence;
    int index;
    const char* description;
    int size;
};

std::ostream& operator<<(std::ostream& out, const FieldCase& c) {
    return out << c.sentence << "/" << c.index << " \"" << c.description << "\"";
}

// Descriptions whose blanks, letter case or characters are easy to get wrong, and the sizes that
// break the pattern of their kind.
const FieldCase field_cases[] = {
    {7, 1, "UTC of position, Minutes  [decimal]", 1},
    {7, 2, "UTC of position, Seconds  [decimal]", 1},
    {7, 18, "Differential reference station ID [decimal]", 2},
    {8, 7, "UTC of position, Minutes [decimal]", 1},
    {8, 9, "UTC of position, Decimal-fraction of seconds [decimal]", 2},
    {20, 1, "UTC of position, Minutes [decimal]", 1},
    {9, 16, "VDOP  [floating point]", 4},
    {10, 4, "Elevation, degrees, 90o maximum [decimal]", 1},
    {10, 5, "Azimuth, degrees True, 000 to 359 [decimal]", 2},
    {11, 1, "Magnetic deviation, degrees,Number [floating point]", 4},
    {17, 0, "Wind direction, 0 to 359 degrees True, Number", 4},
    {17, 7, "Wind speed, meters/second, Unit", 1},
    {28, 0, "Degress True, Number [floating point]", 4},
    {34, 3, "Transducer ID [character string] (20 characters)", 20},
    {38, 0, "Local datum code [string of 3 characters]", 3},
    {38, 7, "Reference datum code [string of 3 characters]", 3},
    {39, 0, "Calculated wind angle relative to the vessel, 0 to 180\u00b0, Number [floating point]", 4},
    {1, 7, "local zone hours [decimal +/-]", 1},
    {35, 0, "Alarm [character]", 1},
};

class FieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(FieldTest, DescriptionAndSizeAreExact) {
    const FieldCase& c = GetParam();
    const TFieldSentence* field = Find_Field(c.sentence, c.index);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->Field, c.description);
    EXPECT_EQ(field->Dimension, c.size);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, FieldTest, testing::ValuesIn(field_cases));

struct SentenceLookupCase {
    const char* text;
    int number;
};

std::ostream& operator<<(std::ostream& out, const SentenceLookupCase& c) {
    return out << "\"" << c.text << "\"";
}

class SentenceLookupTest : public testing::TestWithParam<SentenceLookupCase> {};

TEST_P(SentenceLookupTest, FindsExactCodesOnly) {
    EXPECT_EQ(Find_Sentence(GetParam().text), GetParam().number);
    EXPECT_EQ(GetIndexSentence(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Catalogue, SentenceLookupTest,
                         testing::Values(SentenceLookupCase{"GGA", 7}, SentenceLookupCase{"$PJELC", 40},
                                         SentenceLookupCase{"BWC", 2}, SentenceLookupCase{"gga", -1},
                                         SentenceLookupCase{" GGA", -1}, SentenceLookupCase{"GGA ", -1},
                                         SentenceLookupCase{"PJELA", -1}, SentenceLookupCase{"", -1}));

struct FieldLookupCase {
    int sentence;
    const char* text;
    int index;
};

std::ostream& operator<<(std::ostream& out, const FieldLookupCase& c) {
    return out << c.sentence << " \"" << c.text << "\"";
}

class FieldLookupTest : public testing::TestWithParam<FieldLookupCase> {};

TEST_P(FieldLookupTest, ComparesWithTheUpperCaseDescription) {
    EXPECT_EQ(GetIndexDataField(GetParam().sentence, GetParam().text), GetParam().index);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, FieldLookupTest,
    testing::Values(FieldLookupCase{7, "UTC OF POSITION, MINUTES  [DECIMAL]", 1},
                    FieldLookupCase{7, "UTC OF POSITION, MINUTES [DECIMAL]", -1},
                    FieldLookupCase{8, "UTC OF POSITION, MINUTES [DECIMAL]", 7},
                    FieldLookupCase{20, "UTC OF POSITION, MINUTES [DECIMAL]", 1},
                    // The text itself is neither trimmed nor upper-cased.
                    FieldLookupCase{7, "UTC of position, Hours [decimal]", -1},
                    FieldLookupCase{7, " UTC OF POSITION, HOURS [DECIMAL]", -1},
                    FieldLookupCase{39,
                                    "CALCULATED WIND ANGLE RELATIVE TO THE VESSEL, 0 TO 180\u00b0, NUMBER "
                                    "[FLOATING POINT]",
                                    0},
                    FieldLookupCase{2, "", -1}, FieldLookupCase{2, "ANYTHING", -1},
                    FieldLookupCase{0, "HOUR [DECIMAL]", -1}, FieldLookupCase{41, "HOUR [DECIMAL]", -1},
                    FieldLookupCase{-1, "HOUR [DECIMAL]", -1}, FieldLookupCase{1, "HOUR [DECIMAL]", 0}));

TEST(SentenceCatalogue, FindFieldOutsideTheCatalogueIsNull) {
    EXPECT_EQ(Find_Field(0, 0), nullptr);
    EXPECT_EQ(Find_Field(41, 0), nullptr);
    EXPECT_EQ(Find_Field(2, 0), nullptr);
    EXPECT_EQ(Find_Field(7, -1), nullptr);
    EXPECT_EQ(Find_Field(7, 19), nullptr);
}

TEST(SentenceCatalogue, OfferedCodesInListOrder) {
    EXPECT_EQ(
        Offered_Sentence_Codes(),
        (std::vector<std::string>{"ZDA", "DBT", "DPT", "GGA",    "GLL", "GSA", "GSV", "HDG", "HDT",   "MDA",
                                  "MTW", "MWD", "MWV", "RMC",    "ROT", "RSA", "VBW", "VHW", "VTG",   "VWR",
                                  "XTE", "THS", "XDR", "$PJELA", "DBK", "DBS", "DTM", "VWT", "$PJELC"}));
}

TEST(SentenceCatalogue, SortedOfferedCodesForTheLegacyList) {
    EXPECT_EQ(
        Sorted_Offered_Sentence_Codes(),
        (std::vector<std::string>{"$PJELA", "$PJELC", "DBK", "DBS", "DBT", "DPT", "DTM", "GGA", "GLL", "GSA",
                                  "GSV",    "HDG",    "HDT", "MDA", "MTW", "MWD", "MWV", "RMC", "ROT", "RSA",
                                  "THS",    "VBW",    "VHW", "VTG", "VWR", "VWT", "XDR", "XTE", "ZDA"}));
}

TEST(SentenceCatalogue, FieldDescriptionsOfUnknownOrNotOfferedSentencesAreEmpty) {
    EXPECT_TRUE(Field_Descriptions(2).empty());
    EXPECT_TRUE(Field_Descriptions(-1).empty());
    EXPECT_TRUE(Field_Descriptions(41).empty());
    EXPECT_EQ(Field_Descriptions(13),
              (std::vector<std::string>{"Heading, degrees True, Number [floating point]",
                                        "Heading, degrees True [character]"}));
}

struct IndexRangeCase {
    int sentence;
    int field;
    std::optional<Index_Range> range;
};

std::ostream& operator<<(std::ostream& out, const IndexRangeCase& c) {
    return out << c.sentence << "/" << c.field;
}

class IndexRangeTest : public testing::TestWithParam<IndexRangeCase> {};

TEST_P(IndexRangeTest, FieldsThatTakeAnIndex) {
    EXPECT_EQ(Index_Range_Of(GetParam().sentence, GetParam().field), GetParam().range);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, IndexRangeTest,
    testing::Values(IndexRangeCase{10, 0, std::nullopt}, IndexRangeCase{10, 1, Index_Range{1, 9}},
                    IndexRangeCase{10, 2, std::nullopt}, IndexRangeCase{10, 3, Index_Range{1, 36}},
                    IndexRangeCase{10, 6, Index_Range{1, 36}}, IndexRangeCase{10, 7, std::nullopt},
                    IndexRangeCase{10, -1, std::nullopt}, IndexRangeCase{34, 0, Index_Range{1, 10}},
                    IndexRangeCase{34, 3, Index_Range{1, 10}}, IndexRangeCase{34, -1, Index_Range{1, 10}},
                    IndexRangeCase{35, 0, Index_Range{1, 50}}, IndexRangeCase{7, 0, std::nullopt},
                    IndexRangeCase{-1, -1, std::nullopt}));

TEST(SentenceCatalogue, OnlyGsvXdrAndPjelaTakeAnIndex) {
    for (int n = -1; n <= Sentence_Count + 1; ++n)
        EXPECT_EQ(Sentence_Takes_Index(n), n == 10 || n == 34 || n == 35) << n;
}

} // namespace
