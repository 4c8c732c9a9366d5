#include "core/common/RowOperations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Data rows 1.. of a table, columns 1..; "[x]" and "[ ]" stand for a checked and an unchecked check box.
cfg::Table make_table(const Rows& rows) {
    cfg::Table table(static_cast<int>(rows.size()) + 1, static_cast<int>(rows.front().size()) + 1);
    for (int r = 1; r < table.row_count(); ++r) {
        for (int c = 1; c < table.column_count(); ++c) {
            const std::string& cell = rows[r - 1][c - 1];
            if (cell == "[x]" || cell == "[ ]")
                table.set_check_box(r, c, cell == "[x]");
            else
                table.set_text(r, c, cell);
        }
    }
    return table;
}

Rows rows_of(const cfg::Table& table) {
    Rows rows;
    for (int r = 1; r < table.row_count(); ++r) {
        auto& row = rows.emplace_back();
        for (int c = 1; c < table.column_count(); ++c)
            row.push_back(table.has_check_box(r, c) ? (table.is_checked(r, c) ? "[x]" : "[ ]")
                                                    : table.text(r, c));
    }
    return rows;
}

const cfg::ConfirmOverwrite never_asked = [] {
    ADD_FAILURE() << "the user was asked";
    return true;
};

// Plain family: four data columns, the last one hidden (V = 4, H = 1).
cfg::Table plain_table() {
    cfg::Table table =
        make_table({{"a1", "a2", "a3", "a4"}, {"b1", "b2", "b3", "b4"}, {"c1", "c2", "c3", "c4"}});
    table.set_column_visible(4, false);
    return table;
}

TEST(PlainRows, DeleteMovesEveryDataColumnUpHiddenOnesIncluded) {
    cfg::Table table = plain_table();
    cfg::Delete_Row(1, table);
    EXPECT_EQ(rows_of(table), (Rows{{"b1", "b2", "b3", "b4"}, {"c1", "c2", "c3", "c4"}, {"", "", "", ""}}));
}

TEST(PlainRows, DeleteOfTheLastRowEmptiesItAndMovesNothing) {
    cfg::Table table = plain_table();
    cfg::Delete_Row(3, table);
    EXPECT_EQ(rows_of(table), (Rows{{"a1", "a2", "a3", "a4"}, {"b1", "b2", "b3", "b4"}, {"", "", "", ""}}));
}

TEST(PlainRows, CopyTakesInAHiddenColumnAmongTheFirstDataColumnsAndLeavesOutTheLast) {
    cfg::Table table = make_table({{"a1", "a2", "a3", "a4"}});
    table.set_column_visible(2, false); // first data columns: 1 to 3 by position
    cfg::Row_Clipboard clipboard;
    cfg::Copy_Row(table, 1, clipboard);
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"a1", "a2", "a3"}));
}

TEST(PlainRows, InsertMovesEveryDataColumnAndLosesTheLastRow) {
    for (bool mark_first : {false, true}) {
        cfg::Table table = plain_table();
        cfg::Insert_Row(1, table, mark_first);
        const std::string first = mark_first ? "Y" : "";
        EXPECT_EQ(rows_of(table),
                  (Rows{{first, "", "", ""}, {"a1", "a2", "a3", "a4"}, {"b1", "b2", "b3", "b4"}}));
    }
}

TEST(PlainRows, InsertAtTheLastRowReplacesItWithAnEmptyRow) {
    cfg::Table table = plain_table();
    cfg::Insert_Row(3, table, false);
    EXPECT_EQ(rows_of(table), (Rows{{"a1", "a2", "a3", "a4"}, {"b1", "b2", "b3", "b4"}, {"", "", "", ""}}));
}

TEST(PlainRows, CopyTakesTheFirstDataColumnsAndPasteWritesThemBack) {
    cfg::Table table = plain_table();
    cfg::Row_Clipboard clipboard;
    cfg::Copy_Row(table, 1, clipboard);
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"a1", "a2", "a3"}));

    cfg::Delete_Row(3, table);
    table.set_text(3, 4, "kept");
    EXPECT_EQ(cfg::Paste_Row(table, 3, true, clipboard, never_asked), cfg::PasteResult::Pasted);
    EXPECT_EQ(rows_of(table)[2], (std::vector<std::string>{"a1", "a2", "a3", "kept"}));
}

TEST(PlainRows, PasteRefusesWithoutACopyOrWithAnotherColumnCount) {
    cfg::Table table = plain_table();
    const Rows before = rows_of(table);
    cfg::Row_Clipboard three{{"x", "y", "z"}, {}};
    cfg::Row_Clipboard four{{"w", "x", "y", "z"}, {}};
    EXPECT_EQ(cfg::Paste_Row(table, 1, false, three, never_asked), cfg::PasteResult::NothingCopied);
    EXPECT_EQ(cfg::Paste_Row(table, 1, true, four, never_asked), cfg::PasteResult::ColumnMismatch);
    EXPECT_EQ(rows_of(table), before);
}

TEST(PlainRows, PasteIntoARowInUseAsksAndNoKeepsIt) {
    cfg::Table table = plain_table();
    const cfg::Row_Clipboard clipboard{{"x", "y", "z"}, {}};
    int asked = 0;
    EXPECT_EQ(cfg::Paste_Row(table, 2, true, clipboard, [&] { return ++asked, false; }),
              cfg::PasteResult::Declined);
    EXPECT_EQ(rows_of(table)[1][0], "b1");
    EXPECT_EQ(cfg::Paste_Row(table, 2, true, clipboard, [&] { return ++asked, true; }),
              cfg::PasteResult::Pasted);
    EXPECT_EQ(rows_of(table)[1], (std::vector<std::string>{"x", "y", "z", "b4"}));
    EXPECT_EQ(asked, 2);
}

TEST(PlainRows, ARowOfOnlyCheckBoxColumnsAndBlanksIsNotInUse) {
    cfg::Table table = make_table({{"Y", "  ", "\t"}});
    table.set_check_box_editor_column(1, true);
    EXPECT_EQ(cfg::Paste_Row(table, 1, true, {{"N", "b", "c"}, {}}, never_asked), cfg::PasteResult::Pasted);
    EXPECT_EQ(rows_of(table)[0], (std::vector<std::string>{"N", "b", "c"}));
}

// Check-box family: an enable check box in column 1 and a hidden text column 3.
cfg::Table check_box_table() {
    cfg::Table table =
        make_table({{"[x]", "a2", "a3", "[x]"}, {"[ ]", "b2", "b3", "[ ]"}, {"[x]", "c2", "c3", "[x]"}});
    table.set_column_visible(3, false);
    return table;
}

TEST(CheckBoxRows, DeleteOfRowOneMovesEveryColumnUpAndMarksTheEmptiedLastRow) {
    cfg::Table table = check_box_table();
    cfg::Delete_Row_CB(1, table, true);
    EXPECT_EQ(rows_of(table),
              (Rows{{"[ ]", "b2", "b3", "[ ]"}, {"[x]", "c2", "c3", "[x]"}, {"[x]", "", "", "[ ]"}}));

    cfg::Delete_Row_CB(3, table, false);
    EXPECT_EQ(rows_of(table)[2], (std::vector<std::string>{"[ ]", "", "", "[ ]"}));
}

TEST(CheckBoxRows, InsertMovesRowsDownAndGivesAnEnabledEmptyRow) {
    cfg::Table table = check_box_table();
    cfg::Insert_Row_CB(1, table, true);
    EXPECT_EQ(rows_of(table),
              (Rows{{"[x]", "", "", "[ ]"}, {"[x]", "a2", "a3", "[x]"}, {"[ ]", "b2", "b3", "[ ]"}}));
    cfg::Insert_Row_CB(3, table, false);
    EXPECT_EQ(rows_of(table)[2], (std::vector<std::string>{"[ ]", "", "", "[ ]"}));
}

TEST(CheckBoxRows, CopyTakesEveryDataColumnWithItsMask) {
    cfg::Table table = check_box_table();
    cfg::Row_Clipboard clipboard;
    cfg::Copy_Row_CB(table, 2, clipboard);
    EXPECT_EQ(clipboard.texts, (std::vector<std::string>{"N", "b2", "b3", "N"}));
    EXPECT_EQ(clipboard.mask, (std::vector<bool>{true, false, false, true}));

    cfg::Delete_Row_CB(3, table, true);
    EXPECT_EQ(cfg::Paste_Row_CB(table, 3, true, clipboard, never_asked), cfg::PasteResult::Pasted);
    EXPECT_EQ(rows_of(table)[2], (std::vector<std::string>{"[ ]", "b2", "b3", "[ ]"}));
}

TEST(CheckBoxRows, ABlankTextCountsAsInUseButCheckBoxesDoNot) {
    cfg::Table table = make_table({{"[x]", "", "[x]"}, {"[x]", " ", "[ ]"}});
    const cfg::Row_Clipboard clipboard{{"N", "v", "Y"}, {true, false, true}};
    EXPECT_EQ(cfg::Paste_Row_CB(table, 1, true, clipboard, never_asked), cfg::PasteResult::Pasted);
    EXPECT_EQ(rows_of(table)[0], (std::vector<std::string>{"[ ]", "v", "[x]"}));

    bool asked = false;
    EXPECT_EQ(cfg::Paste_Row_CB(table, 2, true, clipboard, [&] { return asked = true, false; }),
              cfg::PasteResult::Declined);
    EXPECT_TRUE(asked);
    EXPECT_EQ(rows_of(table)[1], (std::vector<std::string>{"[x]", " ", "[ ]"}));
}

TEST(CheckBoxRows, AHiddenColumnsDefaultDoesNotPutARowInUse) {
    // Every empty listener row holds its serial channel in a hidden column.
    cfg::Table table = make_table({{"[x]", "", "RS232"}});
    table.set_column_visible(3, false);
    const cfg::Row_Clipboard clipboard{{"Y", "GGA", "RS232"}, {true, false, false}};
    EXPECT_EQ(cfg::Paste_Row_CB(table, 1, true, clipboard, never_asked), cfg::PasteResult::Pasted);
    EXPECT_EQ(rows_of(table)[0], (std::vector<std::string>{"[x]", "GGA", "RS232"}));
}

TEST(CheckBoxRows, TheSharedClipboardHoldsTheLastCopyOfAnyScreen) {
    cfg::Table first = check_box_table();                      // four data columns
    cfg::Table second_same = check_box_table();                // another screen, same columns
    cfg::Table second_other = make_table({{"[x]", "p", "q"}}); // another screen, three columns
    second_same.set_text(1, 2, "from the other screen");

    cfg::Row_Clipboard clipboard;
    cfg::Copy_Row_CB(first, 1, clipboard);
    cfg::Copy_Row_CB(second_same, 1, clipboard);
    cfg::Delete_Row_CB(3, first, true);
    EXPECT_EQ(cfg::Paste_Row_CB(first, 3, true, clipboard, never_asked), cfg::PasteResult::Pasted);
    EXPECT_EQ(first.text(3, 2), "from the other screen");

    cfg::Copy_Row_CB(second_other, 1, clipboard);
    EXPECT_EQ(cfg::Paste_Row_CB(first, 3, true, clipboard, never_asked), cfg::PasteResult::ColumnMismatch);
    EXPECT_EQ(cfg::Paste_Row_CB(first, 3, false, clipboard, never_asked), cfg::PasteResult::NothingCopied);
    EXPECT_EQ(first.text(3, 2), "from the other screen");
}

} // namespace
