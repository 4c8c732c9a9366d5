#include "Concatenated.h"
#include "VariableTestTable.h"

#include "core/ethercat/PositionBit.h"
#include "core/ethercat/VariableColumns.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using cfg::test::concatenated;
using cfg::test::places;
using cfg::test::Variable_Row;
using cfg::test::variable_table;

constexpr bool Both_Orders[] = {true, false};

std::vector<Variable_Row> bools(int count) {
    return std::vector<Variable_Row>(static_cast<std::size_t>(count), {"Bool", "1"});
}

TEST(CalcPositionBit, TheWorkedExampleInBothColumnOrders) {
    const std::vector<Variable_Row> rows =
        concatenated(std::vector<Variable_Row>{{"Bool", "1"},
                                               {"Bool", "1"},
                                               {"Int16", "2"},
                                               {"Bool", "1", false},
                                               {"Bool", "1"},
                                               {"String", "10"}},
                     bools(8), std::vector<Variable_Row>{{"Bool", "1"}, {"Float32", "4"}});
    const std::vector<std::string> expected{"0/0",  "0/1",  "1/0",  "0/0",  "3/0",  "4/0",  "14/0", "14/1",
                                            "14/2", "14/3", "14/4", "14/5", "14/6", "14/7", "15/0", "16/0"};
    for (const bool SlaveMaster : Both_Orders) {
        cfg::Table table = variable_table(SlaveMaster, rows);
        EXPECT_EQ(cfg::ethercat::Calc_Position_Bit(table, SlaveMaster), 20) << SlaveMaster;
        EXPECT_EQ(places(table, SlaveMaster, 16), expected) << SlaveMaster;
    }
}

struct LayoutCase {
    const char* label;
    std::vector<Variable_Row> rows;
    std::vector<std::string> expected;
    std::int64_t size;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.label;
}

class CalcPositionBitCases : public testing::TestWithParam<LayoutCase> {};

TEST_P(CalcPositionBitCases, PlaceEveryRow) {
    const LayoutCase& c = GetParam();
    for (const bool SlaveMaster : Both_Orders) {
        cfg::Table table = variable_table(SlaveMaster, c.rows);
        EXPECT_EQ(cfg::ethercat::Calc_Position_Bit(table, SlaveMaster), c.size) << SlaveMaster;
        EXPECT_EQ(places(table, SlaveMaster, static_cast<int>(c.rows.size())), c.expected) << SlaveMaster;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalcPositionBitCases,
    testing::Values(
        LayoutCase{"an empty table", {}, {}, 0},
        LayoutCase{"eight bools fill one byte and the next type takes the next",
                   concatenated(bools(8), std::vector<Variable_Row>{{"Int8", "1"}}),
                   {"0/0", "0/1", "0/2", "0/3", "0/4", "0/5", "0/6", "0/7", "1/0"},
                   2},
        LayoutCase{"a ninth bool starts the next byte",
                   bools(9),
                   {"0/0", "0/1", "0/2", "0/3", "0/4", "0/5", "0/6", "0/7", "1/0"},
                   2},
        LayoutCase{"one bool then an Int8", {{"Bool", "1"}, {"Int8", "1"}}, {"0/0", "1/0"}, 2},
        LayoutCase{
            "no alignment", {{"Int8", "1"}, {"Int32", "4"}, {"UInt16", "2"}}, {"0/0", "1/0", "5/0"}, 7},
        LayoutCase{"a disabled row in a bool run",
                   {{"Bool", "1"}, {"Int16", "2", false}, {"Bool", "1"}},
                   {"0/0", "0/0", "0/1"},
                   1},
        LayoutCase{"a disabled row leaves the offset",
                   {{"Int8", "1"}, {"Int8", "1", false}, {"Int8", "1"}},
                   {"0/0", "0/0", "1/0"},
                   2},
        LayoutCase{"fixed sizes come from the type, not the Length cell",
                   {{"Int16", "9"}, {"UInt32", ""}, {"Int8", "abc"}},
                   {"0/0", "2/0", "6/0"},
                   7},
        LayoutCase{"a string adds its decimal Length",
                   {{"String", "5"}, {"ByteString", " 3"}, {"Int8", "1"}},
                   {"0/0", "5/0", "8/0"},
                   9},
        LayoutCase{"a Length that is not decimal adds nothing",
                   {{"String", "abc"}, {"String", ""}, {"String", "$10"}, {"String", "5 "}, {"Int8", "1"}},
                   {"0/0", "0/0", "0/0", "0/0", "0/0"},
                   1},
        LayoutCase{"a negative string length is added as it is",
                   {{"Int32", "4"}, {"String", "-3"}, {"Int8", "1"}},
                   {"0/0", "4/0", "1/0"},
                   2},
        LayoutCase{"lower-case bool is another type, sized by its Length",
                   {{"Bool", "1"}, {"bool", "3"}, {"Int8", "1"}},
                   {"0/0", "1/0", "4/0"},
                   5}));

TEST(CalcPositionBit, RowsAfterTheFirstEmptyTypeKeepWhatTheyShowed) {
    for (const bool SlaveMaster : Both_Orders) {
        cfg::Table table = variable_table(SlaveMaster, {{"Int8", "1"}, {"  ", "1"}, {"Int8", "1"}});
        const cfg::ethercat::Variable_Columns columns = cfg::ethercat::variable_columns(SlaveMaster);
        table.set_text(3, columns.position, "77");
        table.set_text(3, columns.bit_start, "5");
        EXPECT_EQ(cfg::ethercat::Calc_Position_Bit(table, SlaveMaster), 1);
        EXPECT_EQ(places(table, SlaveMaster, 3), (std::vector<std::string>{"0/0", "/", "77/5"}));
    }
}

TEST(CalcPositionBit, TheMasterToSlaveOrderLeavesTheMnemonicAlone) {
    cfg::Table table = variable_table(false, {{"Int8", "1"}});
    table.set_text(1, cfg::ethercat::MasterToSlave::Mnemonic, "note");
    cfg::ethercat::Calc_Position_Bit(table, false);
    EXPECT_EQ(table.text(1, cfg::ethercat::MasterToSlave::Mnemonic), "note");
}

} // namespace
