#include "core/common/ConfigError.h"
#include "core/lang/LangStrings.h"
#include "core/nmea/ListenerFile.h"
#include "core/nmea/ListenerRows.h"
#include "core/preview/LearnPlan.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cfg::nmea::Listener_Column;
using cfg::nmea::test::Row;
using cfg::preview::Learned_Row;
using cfg::preview::Seen_Field;

constexpr int GGA = 7, GSV = 10, DTM = 38;
const std::string Hours = "UTC of position, Hours [decimal]";
const std::string Latitude_Minutes = "Latitude, Minutes [floating point]";

// The last byte used decides, not the row above: a disabled row and rows out of order do not.
TEST(LearnedRows, RowsFollowTheLastUsedByte) {
    const cfg::nmea::Listener_Table table = cfg::nmea::test::listener_table({
        Row(true, "GGA", Hours, "1"),
        Row(false, "DPT", "Offset from transducer [floating point]", "100"),
        Row(true, "GGA", Latitude_Minutes, "40"),
        Row(true, "GGA", Hours, "3"),
    });
    const std::vector<Seen_Field> fields = {
        {GGA, 0, 0, "20"}, {DTM, 0, 0, "W84"}, {GGA, 18, 0, "0120"}, {GSV, 3, 5, "14"}, {GGA, 6, 0, "30.1"}};
    EXPECT_EQ(cfg::preview::Propose_Learned_Rows(table, fields), (std::vector<Learned_Row>{
                                                                     {5, GGA, 0, 0, 45, "20"},
                                                                     {6, DTM, 0, 0, 47, "W84"},
                                                                     {7, GGA, 18, 0, 50, "0120"},
                                                                     {8, GSV, 3, 5, 53, "14"},
                                                                     {9, GGA, 6, 0, 54, "30.1"},
                                                                 }));
}

TEST(LearnedRows, AddedRowsAreWhatTheScreenWouldMake) {
    cfg::nmea::Listener_Table table;
    ASSERT_TRUE(cfg::preview::Add_Learned_Rows(table, std::vector<Learned_Row>{{1, GSV, 3, 5, 1, "14"}}));
    EXPECT_TRUE(table.is_checked(1, Listener_Column::Enable));
    EXPECT_EQ(table.text(1, Listener_Column::Serial_Channel), "RS232");
    EXPECT_EQ(table.text(1, Listener_Column::Sentence), "GSV");
    EXPECT_EQ(table.text(1, Listener_Column::Index), "5");
    EXPECT_EQ(table.text(1, Listener_Column::DataField), "Satellite ID number [decimal]");
    EXPECT_EQ(table.text(1, Listener_Column::PortOperation), "None");
    EXPECT_FALSE(table.is_checked(1, Listener_Column::SwapAll));
    EXPECT_EQ(table.text(1, Listener_Column::Position), "1");
}

TEST(LearnedRows, NothingIsAddedWhenOneRowLiesBeyondTheTable) {
    cfg::nmea::Listener_Table table;
    const std::vector<Learned_Row> rows = {{100, GGA, 0, 0, 1, "20"}, {101, GGA, 1, 0, 3, "15"}};
    EXPECT_FALSE(cfg::preview::Add_Learned_Rows(table, rows));
    EXPECT_FALSE(table.is_used(100));
}

struct Plan_Case {
    const char* label;
    std::string rows; // row elements of the file
    int rows_left_out;
    std::vector<int> rows_save_would_drop;
    bool fits;
    std::string check_failure; // empty: none
};

std::string row_element(const std::string& sentence, const std::string& field, const std::string& position) {
    return "<row Enable=\"Y\" Serial_Channel=\"RS232\" Sentence=\"" + sentence +
           "\" Index=\"\" DataField=\"" + field +
           "\" PortOperation=\"None\" SwapAll=\"N\" Swap16=\"N\" Position=\"" + position +
           "\" Mnemonic=\"\"/>";
}

// What the listener screen would refuse or ask about, found before anything is written.
TEST(LearnPlan, WhatASaveWouldLoseOrRefuse) {
    const std::string good = row_element("GGA", Hours, "1");
    std::string ninety_nine;
    for (int i = 0; i < 99; ++i)
        ninety_nine += good;
    const Plan_Case cases[] = {
        {"room for both", good, 0, {}, true, ""},
        {"a row below an empty one", good + row_element("", "", "") + good, 0, {3}, true, ""},
        {"more rows than the table", ninety_nine + good + good, 1, {}, false, ""},
        {"one row too many", ninety_nine, 0, {}, false, ""},
        {"a stored row the check refuses",
         row_element("GGA", Hours, "2000"),
         0,
         {},
         true,
         "Error row 1!! Position Must be Between 0 and 2000"},
    };
    const std::vector<Seen_Field> fields = {{GGA, 0, 0, "20"}, {GGA, 1, 0, "15"}};
    const cfg::Lang_Strings texts = cfg::default_texts();
    for (const Plan_Case& c : cases) {
        cfg::test::TempDir dir;
        const auto file = dir / "NMEA_0183_Set_Access.xml";
        cfg::test::write_bytes(file, "<NMEA_0183><NMEA_Listener>" + c.rows + "</NMEA_Listener></NMEA_0183>");
        const cfg::preview::Learn_Plan plan = cfg::preview::Plan_Learned_Rows(file, fields, texts);
        EXPECT_EQ(plan.rows_left_out, c.rows_left_out) << c.label;
        EXPECT_EQ(plan.rows_save_would_drop, c.rows_save_would_drop) << c.label;
        EXPECT_EQ(plan.fits, c.fits) << c.label;
        EXPECT_EQ(plan.check_failure ? plan.check_failure->message : "", c.check_failure) << c.label;
        const bool may_save =
            c.rows_left_out == 0 && c.rows_save_would_drop.empty() && c.fits && c.check_failure.empty();
        EXPECT_EQ(plan.may_save(), may_save) << c.label;
        if (c.fits) {
            EXPECT_TRUE(plan.table.is_used(plan.rows.back().row)) << c.label;
        }
    }
}

TEST(LearnPlan, AnUnreadableFileIsNeitherPlannedNorWritten) {
    cfg::test::TempDir dir;
    const auto file = dir / "NMEA_0183_Set_Access.xml";
    cfg::test::write_bytes(file, "<NMEA_0183><NMEA_Listener>");
    EXPECT_THROW(cfg::preview::Plan_Learned_Rows(file, std::vector<Seen_Field>{{GGA, 0, 0, "20"}},
                                                 cfg::default_texts()),
                 cfg::ConfigError);
    EXPECT_EQ(cfg::test::read_bytes(file), "<NMEA_0183><NMEA_Listener>");
}

} // namespace
