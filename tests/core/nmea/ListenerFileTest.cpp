#include "core/nmea/ListenerFile.h"

#include "core/common/ConfigError.h"
#include "core/nmea/PostOperations.h"
#include "core/nmea/SerialChannels.h"
#include "support/TempDir.h"

#include "ListenerRows.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace cfg::nmea;
using cfg::nmea::test::listener_table;
using cfg::nmea::test::Row;
using cfg::test::fixture;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;
using C = Listener_Column;

// A listener row as the table holds it; "[x]"/"[ ]" for the check boxes.
struct Loaded {
    std::string enable, serial, sentence, index, data_field, post_operation, swap_all, swap16, position,
        mnemonic;
    bool operator==(const Loaded&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Loaded& l) {
    return out << l.enable << "|" << l.serial << "|" << l.sentence << "|" << l.index << "|" << l.data_field
               << "|" << l.post_operation << "|" << l.swap_all << "|" << l.swap16 << "|" << l.position << "|"
               << l.mnemonic;
}

std::string box(bool checked) {
    return checked ? "[x]" : "[ ]";
}

Loaded loaded(const Listener_Table& table, int row) {
    return {box(table.is_checked(row, C::Enable)),  table.text(row, C::Serial_Channel),
            table.text(row, C::Sentence),           table.text(row, C::Index),
            table.text(row, C::DataField),          table.text(row, C::PortOperation),
            box(table.is_checked(row, C::SwapAll)), box(table.is_checked(row, C::Swap16)),
            table.text(row, C::Position),           table.text(row, C::Mnemonic)};
}

const Loaded reset_row = {"[x]", "RS232", "", "", "", "", "[ ]", "[ ]", "", ""};

std::string listener_file(const std::string& rows) {
    return "<NMEA_0183><NMEA_Listener>" + rows + "</NMEA_Listener></NMEA_0183><!--SW_VERSION = 1.000-->";
}

// The table loaded from a listener file holding the given row elements.
Listener_Table loaded_from(const std::string& rows) {
    TempDir dir;
    write_bytes(dir / "NMEA_0183_Set_Access.xml", listener_file(rows));
    Listener_Table table;
    Load_Listener_Table(table, dir / "NMEA_0183_Set_Access.xml");
    return table;
}

struct LoadCase {
    const char* name;
    const char* attributes;
    Loaded expected;
};

std::ostream& operator<<(std::ostream& out, const LoadCase& c) {
    return out << c.name;
}

class ListenerLoadTest : public testing::TestWithParam<LoadCase> {};

TEST_P(ListenerLoadTest, FiltersEachAttributeOnItsOwn) {
    const Listener_Table table = loaded_from(std::string("<row ") + GetParam().attributes + "/>");
    EXPECT_EQ(loaded(table, 1), GetParam().expected);
    EXPECT_EQ(loaded(table, 2), reset_row);
}

INSTANTIATE_TEST_SUITE_P(
    Listener, ListenerLoadTest,
    testing::Values(
        LoadCase{
            "FullRow",
            R"(Enable="Y" Serial_Channel="RS232" Sentence="GGA" Index="3" DataField="UTC of position, Hours [decimal]" )"
            R"(PortOperation="x 10" SwapAll="Y" Swap16="Y" Position="1" Mnemonic="GPS hours")",
            {"[x]", "RS232", "GGA", "3", "UTC of position, Hours [decimal]", "x 10", "[x]", "[x]", "1",
             "GPS hours"}},
        LoadCase{"NoAttributes", "", {"[x]", "RS232", "", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{
            "EnableOffOnlyForN", R"(Enable="N")", {"[ ]", "RS232", "", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"EnableLowerCaseNIsOn",
                 R"(Enable="n")",
                 {"[x]", "RS232", "", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"OtherSerialChannelReadsAsRs232",
                 R"(Serial_Channel="RS485 2")",
                 {"[x]", "RS232", "", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"LowerCaseSentenceAndItsFieldAreEmptied",
                 R"(Sentence="gga" DataField="UTC of position, Hours [decimal]")",
                 {"[x]", "RS232", "", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"SentenceWithABlankIsEmptied",
                 R"(Sentence="GGA ")",
                 {"[x]", "RS232", "", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"NotOfferedSentenceIsEmptied",
                 R"(Sentence="BWC")",
                 {"[x]", "RS232", "", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"DataFieldInOtherLetterCaseIsEmptied",
                 R"(Sentence="GGA" DataField="UTC OF POSITION, HOURS [DECIMAL]")",
                 {"[x]", "RS232", "GGA", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"DataFieldWithOneBlankLessIsEmptied",
                 R"(Sentence="GGA" DataField="UTC of position, Minutes [decimal]")",
                 {"[x]", "RS232", "GGA", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"DataFieldOfAnotherSentenceIsEmptied",
                 R"(Sentence="HDT" DataField="UTC of position, Hours [decimal]")",
                 {"[x]", "RS232", "HDT", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"UnknownPostOperationIsEmptied",
                 R"(PortOperation="x10")",
                 {"[x]", "RS232", "", "", "", "", "[ ]", "[ ]", "", ""}},
        LoadCase{"SwapsOnlyForY",
                 R"(SwapAll="y" Swap16="1")",
                 {"[x]", "RS232", "", "", "", "None", "[ ]", "[ ]", "", ""}},
        LoadCase{"IndexPositionAndMnemonicUnchanged",
                 R"(Index=" 07 " Position="abc" Mnemonic="  Wind &amp; °C ")",
                 {"[x]", "RS232", "", " 07 ", "", "None", "[ ]", "[ ]", "abc", "  Wind & \u00b0C "}}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(ListenerFile, PostOperationCodesAreTheirListPositions) {
    std::vector<int> codes;
    for (const char* text : {"None", ": 10", ": 10000", "x 10", "x 10000", "X 10", "x 10 ", "", "Nothing"})
        codes.push_back(GetIndexPostOperation(text));
    EXPECT_EQ(codes, (std::vector<int>{0, 1, 4, 5, 8, 0, 0, 0, 0}));
}

TEST(ListenerFile, SerialChannelFilterKeepsOnlyListedPorts) {
    const std::vector<std::string> list = Serial_Channel_List(Listener_Enable_Serial);
    EXPECT_EQ(Get_Serial_Channel("RS232", list), "RS232");
    EXPECT_EQ(Get_Serial_Channel("rs232", list), "");
    EXPECT_EQ(Get_Serial_Channel("RS485 2", list), "");
    EXPECT_EQ(Get_Serial_Channel("RS485 2", Serial_Channel_List(7)), "RS485 2");
}

TEST(ListenerFile, AMissingFileLeavesTheTableReset) {
    TempDir dir;
    Listener_Table table = listener_table({{true, "GGA", "x", "1"}});
    Load_Listener_Table(table, dir / "NMEA_0183_Set_Access.xml");
    for (int row = 1; row <= Listener_Row_Count; ++row)
        ASSERT_EQ(loaded(table, row), reset_row) << row;
    EXPECT_EQ(table.grid().text(100, 0), "100");
}

TEST(ListenerFile, UnreadableFilesRaiseAndLeaveTheTableReset) {
    for (const char* name : {"listener_malformed.xml", "listener_without_listener.xml"}) {
        Listener_Table table = listener_table({{true, "GGA", "x", "1"}});
        EXPECT_THROW(Load_Listener_Table(table, fixture(std::string("nmea/") + name)), cfg::ConfigError)
            << name;
        EXPECT_EQ(loaded(table, 1), reset_row) << name;
    }
}

// A file saved by an XML editor, with a declaration in front of the root, loads like our own.
TEST(ListenerFile, AFileWithADeclarationLoads) {
    Listener_Table table;
    EXPECT_EQ(Load_Listener_Table(table, fixture("nmea/listener_with_declaration.xml")), 0);
    EXPECT_EQ(table.text(1, C::Sentence), "GGA");
}

struct CapacityCase {
    int rows;          // row elements in the file, each with its number as Position
    bool commented;    // a comment after every row, which takes no row
    int rows_left_out; // what the load reports
};

std::ostream& operator<<(std::ostream& out, const CapacityCase& c) {
    return out << c.rows << " rows" << (c.commented ? " with comments" : "");
}

class ListenerCapacity : public testing::TestWithParam<CapacityCase> {};

TEST_P(ListenerCapacity, LoadsTheFirstHundredRowsAndReportsTheRest) {
    std::string rows;
    for (int i = 1; i <= GetParam().rows; ++i)
        rows += "<row Sentence=\"GGA\" Position=\"" + std::to_string(i) + "\"/>" +
                (GetParam().commented ? "<!-- row -->" : "");
    TempDir dir;
    write_bytes(dir / "NMEA_0183_Set_Access.xml", listener_file(rows));
    Listener_Table table;
    EXPECT_EQ(Load_Listener_Table(table, dir / "NMEA_0183_Set_Access.xml"), GetParam().rows_left_out);
    const int last = std::min(GetParam().rows, Listener_Row_Count);
    if (last > 0) {
        EXPECT_EQ(table.text(last, C::Position), std::to_string(last));
    }
    if (last < Listener_Row_Count) {
        EXPECT_EQ(loaded(table, last + 1), reset_row);
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, ListenerCapacity,
                         testing::Values(CapacityCase{0, false, 0}, CapacityCase{99, false, 0},
                                         CapacityCase{100, true, 0}, CapacityCase{101, false, 1},
                                         CapacityCase{101, true, 1}, CapacityCase{250, false, 150}));

TEST(ListenerFile, CommentsAndTextBetweenTheRowsTakeNoRow) {
    const Listener_Table table =
        loaded_from("<!-- hand edited --><row Sentence=\"GGA\"/>\n  text <row Sentence=\"HDT\"/>");
    EXPECT_EQ(table.text(1, C::Sentence), "GGA");
    EXPECT_EQ(table.text(2, C::Sentence), "HDT");
}

TEST(ListenerFile, IndexCellOpensForTheLoadedGsvXdrAndPjelaRows) {
    const Listener_Table table =
        loaded_from(R"(<row Sentence="GSV"/><row Sentence="GGA"/><row Sentence="XDR"/>)"
                    R"(<row Sentence="$PJELA"/><row Sentence="xdr"/>)");
    std::vector<bool> editable;
    for (int row = 1; row <= 6; ++row)
        editable.push_back(table.is_cell_editable(row, static_cast<int>(C::Index)));
    EXPECT_EQ(editable, (std::vector<bool>{true, false, true, true, false, false}));
}

TEST(ListenerFile, SavesTheTenAttributesInOrderWithTheCommentAfterTheRoot) {
    Listener_Table table =
        listener_table({{false, "GGA", "UTC of position, Hours [decimal]", "1", " 2", "x 10"}});
    table.set_checked(1, C::Swap16, true);
    table.set_text(1, C::Mnemonic, "GPS <1> & \u00b0");
    TempDir dir;
    Save_Listener_Table(table, dir / "out.xml");
    EXPECT_EQ(
        read_bytes(dir / "out.xml"),
        "<NMEA_0183><NMEA_Listener><row Enable=\"N\" Serial_Channel=\"RS232\" Sentence=\"GGA\" Index=\" 2\" "
        "DataField=\"UTC of position, Hours [decimal]\" PortOperation=\"x 10\" SwapAll=\"N\" Swap16=\"Y\" "
        "Position=\"1\" Mnemonic=\"GPS &lt;1> &amp; \u00b0\"/></NMEA_Listener></NMEA_0183>"
        "<!--SW_VERSION = 1.000-->");
}

TEST(ListenerFile, SavingAnEmptyTableWritesAnEmptyListener) {
    TempDir dir;
    Save_Listener_Table(Listener_Table(), dir / "out.xml");
    EXPECT_EQ(read_bytes(dir / "out.xml"),
              "<NMEA_0183><NMEA_Listener/></NMEA_0183><!--SW_VERSION = 1.000-->");
}

TEST(ListenerFile, SavingStopsAtTheFirstRowWithoutASentence) {
    const Listener_Table table =
        listener_table({{true, "GGA", "a", "1"}, {true, " \t", "b", "2"}, {true, "HDT", "c", "3"}});
    TempDir dir;
    Save_Listener_Table(table, dir / "out.xml");
    Listener_Table reloaded;
    Load_Listener_Table(reloaded, dir / "out.xml");
    EXPECT_EQ(reloaded.text(1, C::Position), "1");
    EXPECT_EQ(reloaded.text(2, C::Position), "");
    EXPECT_EQ(reloaded.text(3, C::Sentence), "");
}

TEST(ListenerFile, SaveAndLoadGiveTheRowsBack) {
    Listener_Table table =
        listener_table({{true, "GSV", "Satellite ID number [decimal]", "4", "12", ": 100"},
                        {false, "HDT", "Heading, degrees True [character]", "9", "", "None"}});
    table.set_checked(2, C::SwapAll, true);
    table.set_text(2, C::Mnemonic, "heading");
    TempDir dir;
    Save_Listener_Table(table, dir / "out.xml");
    Listener_Table reloaded;
    Load_Listener_Table(reloaded, dir / "out.xml");
    for (int row = 1; row <= Listener_Row_Count; ++row)
        ASSERT_EQ(loaded(reloaded, row), loaded(table, row)) << row;
}

TEST(ListenerFile, ALegacyFileLoadsAsRowsWithoutDataFields) {
    Listener_Table table;
    Load_Listener_Table(table, fixture("nmea/legacy_rows.xml"));
    EXPECT_EQ(loaded(table, 1), (Loaded{"[x]", "RS232", "GGA", "", "", "None", "[ ]", "[ ]", "", "GPS"}));
}

struct DropCase {
    const char* name;
    std::vector<std::string> sentences; // rows 1..
    std::vector<int> dropped;
};

std::ostream& operator<<(std::ostream& out, const DropCase& c) {
    return out << c.name;
}

class ListenerDropTest : public testing::TestWithParam<DropCase> {};

TEST_P(ListenerDropTest, NamesTheUsedRowsBelowTheFirstGap) {
    std::vector<Row> rows;
    for (const std::string& sentence : GetParam().sentences)
        rows.push_back(Row{true, sentence});
    EXPECT_EQ(Rows_Save_Would_Drop(listener_table(rows)), GetParam().dropped);
}

INSTANTIATE_TEST_SUITE_P(Listener, ListenerDropTest,
                         testing::Values(DropCase{"EmptyTable", {}, {}},
                                         DropCase{"NoGap", {"GGA", "HDT"}, {}},
                                         DropCase{"GapAtTheEnd", {"GGA", "", ""}, {}},
                                         DropCase{"RowsBelowAGap", {"GGA", "", "HDT", " ", "gga"}, {3, 5}},
                                         DropCase{"BlankFirstRow", {"  ", "GGA"}, {2}}),
                         [](const testing::TestParamInfo<DropCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(ListenerFile, TheLastRowBelowAGapIsNamed) {
    Listener_Table table = listener_table({{true, "GGA"}});
    table.set_text(Listener_Row_Count, C::Sentence, "HDT");
    EXPECT_EQ(Rows_Save_Would_Drop(table), std::vector<int>{Listener_Row_Count});
}

TEST(ListenerTable, DeleteMovesTheCheckBoxesAndLeavesAnEnabledRs232RowAtTheEnd) {
    Listener_Table table = listener_table({{false, "GGA"}, {true, "HDT"}});
    table.set_checked(Listener_Row_Count, C::SwapAll, true);
    table.Delete_Row(1);
    EXPECT_EQ(table.text(1, C::Sentence), "HDT");
    EXPECT_TRUE(table.is_checked(1, C::Enable));
    EXPECT_EQ(loaded(table, Listener_Row_Count), reset_row);
    EXPECT_EQ(table.grid().text(Listener_Row_Count, 0), "100");
}

TEST(ListenerTable, InsertGivesAnEnabledRs232Row) {
    Listener_Table table = listener_table({{false, "GGA"}});
    table.Insert_Row(1);
    EXPECT_EQ(loaded(table, 1), reset_row);
    EXPECT_EQ(table.text(2, C::Sentence), "GGA");
    EXPECT_FALSE(table.is_checked(2, C::Enable));
}

TEST(ListenerTable, ListsOfferedByEachListCell) {
    Listener_Table table = listener_table({{true, "HDT"}, {true, "BWC"}});
    EXPECT_EQ(table.choices(1, static_cast<int>(C::Serial_Channel)), std::vector<std::string>{"RS232"});
    EXPECT_EQ(table.choices(1, static_cast<int>(C::Sentence)).size(), 29u);
    EXPECT_EQ(table.choices(1, static_cast<int>(C::DataField)),
              (std::vector<std::string>{"Heading, degrees True, Number [floating point]",
                                        "Heading, degrees True [character]"}));
    EXPECT_TRUE(table.choices(2, static_cast<int>(C::DataField)).empty());
    EXPECT_EQ(table.choices(1, static_cast<int>(C::PortOperation)).size(), 9u);
    EXPECT_TRUE(table.choices(1, static_cast<int>(C::Mnemonic)).empty());
}

TEST(ListenerTable, SerialChannelColumnIsHiddenAndNumbersAreFixed) {
    const Listener_Table table;
    EXPECT_FALSE(table.grid().is_column_visible(static_cast<int>(C::Serial_Channel)));
    EXPECT_EQ(table.grid().visible_column_count(), 10);
    EXPECT_FALSE(table.is_cell_editable(1, static_cast<int>(C::Number)));
    EXPECT_TRUE(table.is_cell_editable(1, static_cast<int>(C::Position)));
}

} // namespace
