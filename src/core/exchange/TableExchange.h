#pragma once

#include "core/common/ColumnDescription.h"
#include "core/common/Csv.h"
#include "core/common/Table.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A whole table to and from a spreadsheet, and the rule every value taken in goes through.
namespace cfg {

class Lang_Strings;

// What a screen's grid lets the user put into a table, so that a value from a file or a pasted
// block passes exactly the rules a value typed in does.
struct Table_Rules {
    std::span<const Column_Description> columns;
    // The values of an empty row, as a new row of the screen holds them.
    std::function<void(Table&, int row)> reset_row;
    // Whether the screen lets the user edit the cell, given what the row holds so far. A cell it
    // locks keeps what the screen puts there; a value for it is not taken.
    std::function<bool(const Table&, int row, int column)> editable;
    // The items of a list cell.
    std::function<std::vector<std::string>(const Table&, int row, int column)> choices;
    // What the screen derives after a change (positions, lengths); nothing for a table without.
    std::function<void(Table&)> recompute = {};
};

// The items of list columns that offer the same items in every row: their descriptions' choices.
std::function<std::vector<std::string>(const Table&, int row, int column)>
Described_Choices(std::span<const Column_Description> columns);

// The columns a file carries, in order: those the screen shows, in the screen's order, then the
// hidden ones the table keeps, so that a round trip loses nothing of the row. Never the row numbers.
std::vector<int> Exchanged_Columns(const Table& table, const Table_Rules& rules);

// A cell's value as a file or the clipboard carries it: a check box as "Y" or "N", any other cell
// its text.
std::string Exchange_Text(const Table& table, int row, int column);

struct Cell_Value {
    int row;
    int column;
    std::string value;
};

// Puts each value into its cell through its column's rule, row by row and within a row by column,
// then lets the screen derive what follows. A list cell takes one of its items or nothing; a
// check-box cell "Y" or "N" (a plain-family one also nothing, its state before first use). A list
// cell also keeps a value it held in `held` (the table as it stood), as a grid keeps a value read
// from a file that its list does not offer until the user changes it. When a value is refused the table is
// left as it was and the message names the row, the column (its header in texts) and the value.
std::optional<std::string> Set_Cells(Table& table, const Table& held, const Table_Rules& rules,
                                     std::vector<Cell_Value> values, const Lang_Strings& texts);

// The table as a file: a header row with the columns' built-in English names, then rows 1 up to
// the last one that differs from an empty row.
std::string Export_Table_Csv(const Table& table, const Table_Rules& rules);

// What an import gives: the table holding the file's rows, every other row emptied, or why
// nothing is taken.
struct Table_Import {
    std::optional<Table> table;
    int rows = 0; // rows the file fills
    std::string refusal;
};

// Reads a file made by Export_Table_Csv or by a spreadsheet. Its header names columns in any of the
// languages (each a catalogue; a file may mix them); a column the file lacks keeps the values of
// an empty row, and so does a row whose values are all empty. A value refused, more rows than
// the table holds, or a header that names no column of the table refuses the whole file.
Table_Import Import_Table_Csv(const Table& table, const Table_Rules& rules, std::string_view bytes,
                              std::span<const Lang_Strings> languages, const Lang_Strings& texts);

} // namespace cfg
