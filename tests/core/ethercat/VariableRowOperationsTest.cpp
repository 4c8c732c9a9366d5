#include "VariableTestTable.h"

#include "core/ethercat/VariableColumns.h"
#include "core/ethercat/VariableRowOperations.h"
#include "core/ethercat/VariableTable.h"

#include <gtest/gtest.h>

namespace {

using cfg::ethercat::SlaveToMaster;
using cfg::ethercat::VariableColumn;
using cfg::test::places;
using cfg::test::variable_table;

const cfg::ConfirmOverwrite Yes = [] { return true; };

TEST(VariableRowOperations, ChoosingATypeFillsItsLengthAndLaysTheTableOut) {
    cfg::Table table = variable_table(true, {{"Int8", "1"}, {"Int8", "1"}});
    cfg::ethercat::choose_variable_type(table, true, 1, "String");
    EXPECT_EQ(table.text(1, VariableColumn::Type), "String");
    EXPECT_EQ(table.text(1, VariableColumn::Length), "10");
    EXPECT_EQ(places(table, true, 2), (std::vector<std::string>{"0/0", "10/0"}));
}

TEST(VariableRowOperations, ADeleteLaysTheTableOutWhateverTheAnswer) {
    for (const bool confirmed : {false, true}) {
        cfg::Table table = variable_table(false, {{"Int8", "1"}, {"Int16", "2"}, {"Int8", "1"}});
        table.set_check_box(256, VariableColumn::Enable, false);
        cfg::ethercat::delete_variable_row(table, false, 1, confirmed);
        if (confirmed) {
            EXPECT_EQ(table.text(1, VariableColumn::Type), "Int16");
            EXPECT_EQ(places(table, false, 2), (std::vector<std::string>{"0/0", "2/0"}));
            EXPECT_TRUE(table.is_checked(256, VariableColumn::Enable)); // the emptied last row
        } else {
            EXPECT_EQ(table.text(1, VariableColumn::Type), "Int8");
            EXPECT_EQ(places(table, false, 3), (std::vector<std::string>{"0/0", "1/0", "3/0"}));
        }
    }
}

TEST(VariableRowOperations, AnInsertedRowIsEnabledAndEmptyAndEndsTheUsedRows) {
    cfg::Table table = variable_table(true, {{"Int8", "1", false}, {"Int16", "2", false}});
    cfg::ethercat::choose_variable_type(table, true, 2, "Int32");
    cfg::ethercat::insert_variable_row(table, 1);
    EXPECT_TRUE(table.is_checked(1, VariableColumn::Enable));
    EXPECT_EQ(table.text(1, VariableColumn::Type), "");
    EXPECT_EQ(table.text(3, VariableColumn::Type), "Int32");
    EXPECT_FALSE(table.is_checked(3, VariableColumn::Enable));
    EXPECT_EQ(cfg::ethercat::used_row_count(table), 0);
}

TEST(VariableRowOperations, APastedStringKeepsItsCopiedLength) {
    cfg::Table table = variable_table(true, {{"String", "20"}, {"Int8", "1"}, {"Int8", "1"}});
    cfg::Row_Clipboard clipboard;
    cfg::Copy_Row_CB(table, 1, clipboard);
    EXPECT_EQ(cfg::ethercat::paste_variable_row(table, true, 2, true, clipboard, Yes),
              cfg::PasteResult::Pasted);
    EXPECT_EQ(table.text(2, VariableColumn::Length), "20");
    EXPECT_EQ(places(table, true, 3), (std::vector<std::string>{"0/0", "20/0", "40/0"}));
}

TEST(VariableRowOperations, APastedFixedTypeGetsItsLength) {
    cfg::Table table = variable_table(true, {{"Int16", ""}, {"Int8", "1"}});
    cfg::Row_Clipboard clipboard;
    cfg::Copy_Row_CB(table, 1, clipboard);
    cfg::ethercat::paste_variable_row(table, true, 2, true, clipboard, Yes);
    EXPECT_EQ(table.text(2, VariableColumn::Length), "2");
}

TEST(VariableRowOperations, APasteThatDoesNotHappenChangesNoLengthButLaysOut) {
    cfg::Table table = variable_table(true, {{"String", "20"}, {"Int8", "1"}});
    const cfg::Row_Clipboard clipboard;
    EXPECT_EQ(cfg::ethercat::paste_variable_row(table, true, 1, false, clipboard, Yes),
              cfg::PasteResult::NothingCopied);
    EXPECT_EQ(table.text(1, VariableColumn::Length), "20");
    EXPECT_EQ(places(table, true, 2), (std::vector<std::string>{"0/0", "20/0"}));
}

} // namespace
