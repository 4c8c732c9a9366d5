#include "VariableTestTable.h"

#include "core/ethercat/VarType.h"
#include "core/ethercat/VariableColumnDescriptions.h"
#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableTable.h"
#include "core/lang/ColumnHeaders.h"
#include "core/lang/LangStrings.h"

#include <gtest/gtest.h>

namespace {

using cfg::ethercat::SlaveToMaster;
using cfg::ethercat::VariableColumn;

TEST(VarSetLength, FillsTheLengthFromTheTypeAndLocksTheFixedOnes) {
    struct Case {
        const char* type;
        const char* length;
        bool editable;
    };
    const Case cases[] = {
        {"Bool", "1", false},
        {"Int8", "1", false},
        {"UInt8", "1", false},
        {"Int16", "2", false},
        {"UInt16", "2", false},
        {"Int32", "4", false},
        {"UInt32", "4", false},
        {"Float32", "4", false},
        {"String", "10", true},
        {"ByteString", "10", true},
        // Any other text, wrong case included, leaves the cell as it was.
        {"bool", "old", true},
        {"string", "old", true},
        {"", "old", true},
        {" Int8", "old", true},
    };
    for (const Case& c : cases) {
        cfg::Table table = cfg::test::variable_table(true, {{"x", "old"}});
        cfg::ethercat::VarSetLength(table, c.type, 1);
        EXPECT_EQ(table.text(1, VariableColumn::Length), c.length) << c.type;
        EXPECT_EQ(cfg::ethercat::Length_Is_Editable(c.type), c.editable) << c.type;
    }
}

TEST(VariableTable, StartsWithNumberedEnabledEmptyRows) {
    for (const bool SlaveMaster : {true, false}) {
        const cfg::Table table = cfg::ethercat::make_variable_table(SlaveMaster);
        EXPECT_EQ(table.row_count(), 257);
        EXPECT_EQ(table.column_count(), SlaveMaster ? 9 : 8);
        EXPECT_TRUE(table.is_check_box_editor_column(VariableColumn::Enable));
        for (int row : {1, 256}) {
            EXPECT_EQ(table.text(row, VariableColumn::Number), std::to_string(row));
            EXPECT_TRUE(table.is_checked(row, VariableColumn::Enable));
            for (int column = VariableColumn::Type; column < table.column_count(); ++column)
                EXPECT_EQ(table.text(row, column), "");
        }
        EXPECT_EQ(cfg::ethercat::used_row_count(table), 0);
    }
}

TEST(VariableTable, HeadersComeFromTheCatalogue) {
    const cfg::Lang_Strings texts = cfg::default_texts();
    cfg::Table slave_to_master = cfg::ethercat::make_variable_table(true);
    cfg::Set_Column_Headers(slave_to_master, cfg::ethercat::Variable_Column_Descriptions(true), texts);
    EXPECT_EQ(slave_to_master.text(0, SlaveToMaster::InitValue), "Init Value");
    EXPECT_EQ(slave_to_master.text(0, SlaveToMaster::Mnemonic), "Mnemonic");
    cfg::Table master_to_slave = cfg::ethercat::make_variable_table(false);
    cfg::Set_Column_Headers(master_to_slave, cfg::ethercat::Variable_Column_Descriptions(false), texts);
    EXPECT_EQ(master_to_slave.text(0, cfg::ethercat::MasterToSlave::Position), "Position");
}

TEST(VariableTable, UsedRowsEndAtTheFirstTypeThatIsEmptyOrBlank) {
    EXPECT_EQ(cfg::ethercat::used_row_count(
                  cfg::test::variable_table(true, {{"Int8", "1"}, {" \t", ""}, {"Int8", "1"}})),
              1);
    EXPECT_EQ(cfg::ethercat::used_row_count(cfg::test::variable_table(true, {{"", ""}, {"Int8", "1"}})), 0);
    cfg::Table full = cfg::ethercat::make_variable_table(false);
    for (int row = 1; row <= 256; ++row)
        full.set_text(row, VariableColumn::Type, "Int8");
    EXPECT_EQ(cfg::ethercat::used_row_count(full), 256);
}

TEST(VariableTable, ComputedCellsAndFixedLengthsAreNotEditable) {
    for (const bool SlaveMaster : {true, false}) {
        const cfg::ethercat::Variable_Columns columns = cfg::ethercat::variable_columns(SlaveMaster);
        const cfg::Table table = cfg::test::variable_table(SlaveMaster, {{"Int16", "2"}, {"String", "10"}});
        for (int column = 0; column < table.column_count(); ++column) {
            const bool computed =
                column == VariableColumn::Number || column == columns.position || column == columns.bit_start;
            EXPECT_EQ(cfg::ethercat::is_variable_cell_editable(table, SlaveMaster, 1, column),
                      !computed && column != VariableColumn::Length)
                << column;
            EXPECT_EQ(cfg::ethercat::is_variable_cell_editable(table, SlaveMaster, 2, column), !computed)
                << column;
            EXPECT_FALSE(cfg::ethercat::is_variable_cell_editable(table, SlaveMaster, 0, column)) << column;
        }
    }
}

} // namespace
