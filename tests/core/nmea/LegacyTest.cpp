#include "core/nmea/LegacyChecks.h"
#include "core/nmea/LegacyFile.h"

#include "core/common/ConfigError.h"
#include "core/common/RowOperations.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace cfg::nmea::legacy;
using cfg::nmea::Row_Error;
using cfg::test::fixture;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;
using C = Legacy_Column;

// Enable, Sentence, Index, Serial_Channel, Mnemonic of one row.
using Cells = std::vector<std::string>;

Legacy_Table legacy_table(const std::vector<Cells>& rows) {
    Legacy_Table table;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (int c = 1; c < Legacy_Column_Count; ++c)
            table.grid().set_text(static_cast<int>(i) + 1, c, rows[i][static_cast<std::size_t>(c - 1)]);
    }
    return table;
}

Cells cells(const Legacy_Table& table, int row) {
    Cells result;
    for (int c = 1; c < Legacy_Column_Count; ++c)
        result.push_back(table.grid().text(row, c));
    return result;
}

TEST(LegacyFile, LoadsTrimmedSentencesIndexOnlyForXdrAndPjelaAndTheOldPortName) {
    Legacy_Table table;
    Load_Legacy_Table(table, fixture("nmea/legacy_rows.xml"));
    EXPECT_EQ(cells(table, 1), (Cells{"Y", "GGA", "", "RS232", "GPS"}));
    EXPECT_EQ(cells(table, 2), (Cells{"N", "XDR", "4", "RS485 / RS422", "wind"}));
    EXPECT_EQ(cells(table, 3), (Cells{"Y", "GSV", "", "RS485 / RS422", ""}));
    EXPECT_EQ(cells(table, 4), (Cells{"Y", "", "", "", ""}));
    EXPECT_TRUE(Enable_Index_Cell(table, 2));
    EXPECT_FALSE(Enable_Index_Cell(table, 3));
}

TEST(LegacyFile, AListenerFileLoadsWithoutItsExtraAttributes) {
    TempDir dir;
    write_bytes(dir / "f.xml", "<NMEA_0183><NMEA_Listener><row Enable=\"y\" Serial_Channel=\"RS232\" "
                               "Sentence=\" xdr \" Index=\" 3 \" DataField=\"Transducer type [character]\" "
                               "PortOperation=\"None\" Position=\"7\"/><row/></NMEA_Listener></NMEA_0183>");
    Legacy_Table table;
    Load_Legacy_Table(table, dir / "f.xml");
    // The Index is taken for a sentence that is XDR in upper case, though the cell keeps the case.
    EXPECT_EQ(cells(table, 1), (Cells{"y", "xdr", "3", "RS232", ""}));
    EXPECT_FALSE(Enable_Index_Cell(table, 1));
    EXPECT_EQ(cells(table, 2), (Cells{"Y", "", "", "", ""}));

    // ... and a save keeps it.
    Save_Legacy_Table(table, dir / "f.xml");
    Legacy_Table reloaded;
    Load_Legacy_Table(reloaded, dir / "f.xml");
    EXPECT_EQ(cells(reloaded, 1), cells(table, 1));
}

TEST(LegacyFile, RowsBeyondTheTableAreLeftOutAndCounted) {
    std::string rows;
    for (int i = 1; i <= Legacy_Row_Count + 2; ++i)
        rows += "<row Sentence=\"GGA\" Mnemonic=\"" + std::to_string(i) + "\"/><!-- takes no row -->";
    TempDir dir;
    write_bytes(dir / "f.xml", "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183>");
    Legacy_Table table;
    EXPECT_EQ(Load_Legacy_Table(table, dir / "f.xml"), 2);
    EXPECT_EQ(table.text(Legacy_Row_Count, C::Mnemonic), "100");
}

TEST(LegacyFile, UnreadableFilesRaiseAndLeaveTheTableReset) {
    for (const char* name : {"listener_malformed.xml", "listener_without_listener.xml"}) {
        Legacy_Table table = legacy_table({{"Y", "GGA", "", "RS232", "x"}});
        EXPECT_THROW(Load_Legacy_Table(table, fixture(std::string("nmea/") + name)), cfg::ConfigError)
            << name;
        EXPECT_EQ(cells(table, 1), (Cells{"Y", "", "", "", ""})) << name;
    }
}

struct SerialCase {
    const char* value;
    const char* loaded;
};

std::ostream& operator<<(std::ostream& out, const SerialCase& c) {
    return out << "\"" << c.value << "\"";
}

class LegacySerialTest : public testing::TestWithParam<SerialCase> {};

TEST_P(LegacySerialTest, OldAndOddlyWrittenRs485NamesLoadAsRs485Rs422) {
    EXPECT_EQ(Get_Serial_Channel(GetParam().value), GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Legacy, LegacySerialTest,
                         testing::Values(SerialCase{"RS485 1", "RS485 / RS422"},
                                         SerialCase{" rs485 1 ", "RS485 / RS422"},
                                         SerialCase{"rs485 / rs422", "RS485 / RS422"},
                                         SerialCase{"RS485 2", "RS485 2"}, SerialCase{" rs232 ", " rs232 "},
                                         SerialCase{"RS4851", "RS4851"}, SerialCase{"", ""}));

// A sentence is XDR or $PJELA for the Index as the load takes it, trimmed and in any letter case,
// so a save keeps every Index a load gave.
TEST(LegacyFile, SavesIndexOnlyForXdrAndPjelaUpToTheFirstUnusedRow) {
    const Legacy_Table table = legacy_table({{"Y", "GGA", "5", "RS232", "gps"},
                                             {"N", "XDR", " 4", "RS485 2", "wind & <rain>"},
                                             {"Y", "$PJELA", "9", "RS232", ""},
                                             {"Y", "xdr", "3", "RS232", ""},
                                             {"Y", " ", "1", "RS232", ""},
                                             {"Y", "HDT", "", "RS232", "dropped"}});
    TempDir dir;
    Save_Legacy_Table(table, dir / "out.xml");
    EXPECT_EQ(read_bytes(dir / "out.xml"),
              "<NMEA_0183><NMEA_Listener>"
              "<row Enable=\"Y\" Sentence=\"GGA\" Index=\"\" Serial_Channel=\"RS232\" Mnemonic=\"gps\"/>"
              "<row Enable=\"N\" Sentence=\"XDR\" Index=\" 4\" Serial_Channel=\"RS485 2\" "
              "Mnemonic=\"wind &amp; &lt;rain>\"/>"
              "<row Enable=\"Y\" Sentence=\"$PJELA\" Index=\"9\" Serial_Channel=\"RS232\" Mnemonic=\"\"/>"
              "<row Enable=\"Y\" Sentence=\"xdr\" Index=\"3\" Serial_Channel=\"RS232\" Mnemonic=\"\"/>"
              "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.006-->");
    EXPECT_EQ(Rows_Save_Would_Drop(table), std::vector<int>{6});
}

struct LegacyCheckCase {
    const char* name;
    std::vector<Cells> rows;
    std::optional<Row_Error> error;
};

std::ostream& operator<<(std::ostream& out, const LegacyCheckCase& c) {
    return out << c.name;
}

class LegacyCheckTest : public testing::TestWithParam<LegacyCheckCase> {};

TEST_P(LegacyCheckTest, ReportsTheFirstFailure) {
    EXPECT_EQ(Controllo_dati(legacy_table(GetParam().rows), cfg::default_texts()), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Legacy, LegacyCheckTest,
    testing::Values(
        LegacyCheckCase{"EmptyTable", {}, std::nullopt},
        LegacyCheckCase{
            "TwoGgaRowsOnRs232",
            {{"Y", "GGA", "", "RS232", ""}, {"Y", "GGA", "", "RS232", ""}},
            Row_Error{1, 626, "Error row 1!! Sentence and Serial Channel cannot be equal. See rows 2"}},
        LegacyCheckCase{"SameRowsOneDisabled",
                        {{"Y", "GGA", "", "RS232", ""}, {"N", "GGA", "", "RS232", ""}},
                        std::nullopt},
        LegacyCheckCase{
            "DuplicatesCompareTrimmedAndInUpperCase",
            {{"Y", "HDT", "", "RS232", ""},
             {"Y", "GGA", "", "RS232", ""},
             {"Y", "HDT", "", "RS485 2", ""},
             {"Y", " gga ", "", " rs232", ""}},
            Row_Error{2, 626, "Error row 2!! Sentence and Serial Channel cannot be equal. See rows 4"}},
        LegacyCheckCase{"SameSentenceOtherIndexPasses",
                        {{"Y", "XDR", "1", "RS232", ""}, {"Y", "XDR", "2", "RS232", ""}},
                        std::nullopt},
        LegacyCheckCase{"DuplicatesBelowAGapAreNotCompared",
                        {{"Y", "GGA", "", "RS232", ""}, {"Y", "", "", "", ""}, {"Y", "GGA", "", "RS232", ""}},
                        std::nullopt},
        LegacyCheckCase{"UnknownSentence",
                        {{"Y", "GGX", "", "RS232", ""}},
                        Row_Error{1, 624, "Error row 1!! Sentence must be valid. Select from List"}},
        LegacyCheckCase{"LowerCaseSentenceIsKnown", {{"Y", " gga ", "", "RS232", ""}}, std::nullopt},
        LegacyCheckCase{"NotOfferedSentencePasses", {{"Y", "BWC", "", "RS232", ""}}, std::nullopt},
        LegacyCheckCase{"XdrIndex11",
                        {{"Y", "XDR", "11", "RS232", ""}},
                        Row_Error{1, 630, "Error row 1!! Index Must be Between 1 and 10"}},
        LegacyCheckCase{"XdrIndex10", {{"Y", "XDR", "10", "RS232", ""}}, std::nullopt},
        LegacyCheckCase{"PjelaIndex11",
                        {{"Y", "$PJELA", "11", "RS232", ""}},
                        Row_Error{1, 630, "Error row 1!! Index Must be Between 1 and 10"}},
        LegacyCheckCase{"PjelaIndexEmpty",
                        {{"Y", "$pjela", "", "RS232", ""}},
                        Row_Error{1, 630, "Error row 1!! Index Must be Between 1 and 10"}},
        LegacyCheckCase{"PjelaIndex1", {{"Y", "$PJELA", "1", "RS232", ""}}, std::nullopt},
        LegacyCheckCase{"OtherSentencesIgnoreTheIndex", {{"Y", "GGA", "x", "RS232", ""}}, std::nullopt},
        LegacyCheckCase{"UnknownSerialChannel",
                        {{"Y", "GGA", "", "RS485 1", ""}},
                        Row_Error{1, 625, "Error row 1!! Serial Channel must be valid. Select from List"}},
        LegacyCheckCase{"SerialChannelInLowerCase", {{"Y", "GGA", "", " rs485 / rs422 ", ""}}, std::nullopt},
        LegacyCheckCase{"OnlyEnableYIsChecked",
                        {{"N", "GGX", "", "", ""}, {"y", "GGX", "", "", ""}, {" Y ", "GGX", "", "", ""}},
                        Row_Error{3, 624, "Error row 3!! Sentence must be valid. Select from List"}},
        LegacyCheckCase{"RowsBelowAGapAreNotChecked",
                        {{"Y", "GGA", "", "RS232", ""}, {"Y", "", "", "", ""}, {"Y", "GGX", "", "", ""}},
                        std::nullopt},
        LegacyCheckCase{
            "RowRulesComeBeforeDuplicates",
            {{"Y", "GGA", "", "RS232", ""}, {"Y", "GGA", "", "RS232", ""}, {"Y", "GGX", "", "", ""}},
            Row_Error{3, 624, "Error row 3!! Sentence must be valid. Select from List"}}),
    [](const testing::TestParamInfo<LegacyCheckCase>& info) { return std::string(info.param.name); });

TEST(LegacyTable, IndexCellOpensOnlyForXdrAndPjelaAsTheCellStands) {
    const Legacy_Table table = legacy_table({{"Y", "XDR", "", "", ""},
                                             {"Y", "$PJELA", "", "", ""},
                                             {"Y", "GSV", "", "", ""},
                                             {"Y", " XDR", "", "", ""}});
    std::vector<bool> editable;
    for (int row = 1; row <= 5; ++row)
        editable.push_back(table.is_cell_editable(row, static_cast<int>(C::Index)));
    EXPECT_EQ(editable, (std::vector<bool>{true, true, false, false, false}));
}

TEST(LegacyTable, InsertGivesAnEnabledRowAndTheIndexCellFollowsItsRow) {
    Legacy_Table table = legacy_table({{"N", "XDR", "4", "RS232", ""}});
    cfg::Insert_Row(1, table.grid(), true);
    EXPECT_EQ(cells(table, 1), (Cells{"Y", "", "", "", ""}));
    EXPECT_FALSE(Enable_Index_Cell(table, 1));
    EXPECT_TRUE(Enable_Index_Cell(table, 2));
}

TEST(LegacyTable, ListsOfferedByEachListCell) {
    const Legacy_Table table;
    EXPECT_EQ(table.choices(static_cast<int>(C::Serial_Channel)),
              (std::vector<std::string>{"RS232", "RS485 / RS422", "RS485 2"}));
    EXPECT_EQ(table.choices(static_cast<int>(C::Sentence)).front(), "$PJELA");
    EXPECT_TRUE(table.choices(static_cast<int>(C::Mnemonic)).empty());
}

} // namespace
