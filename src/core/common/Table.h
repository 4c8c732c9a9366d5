#pragma once

#include <string>
#include <vector>

namespace cfg {

// The grid behind every table screen: row 0 is the header, column 0 holds the row numbers, data
// cells are rows 1.. and columns 1... The size is fixed by the screen. A hidden column keeps its
// position and its data: everything addresses columns by position.
//
// A cell holds a text; in the check-box family of tables a cell may carry a check box instead,
// whose state is kept apart from the text. In the plain family a "check-box editor" column stores
// its state as a text ("Y" when checked).
class Table {
public:
    Table(int rows, int columns);

    int row_count() const { return rows_; }
    int column_count() const { return columns_; }

    const std::string& text(int row, int column) const;
    void set_text(int row, int column, std::string text);

    bool has_check_box(int row, int column) const;
    bool is_checked(int row, int column) const;
    // Gives the cell a check box (if it has none) in the given state.
    void set_check_box(int row, int column, bool checked);
    // Takes the check box away, as when a row is put back to a state without one.
    void remove_check_box(int row, int column);

    bool is_column_visible(int column) const;
    void set_column_visible(int column, bool visible);

    bool is_check_box_editor_column(int column) const;
    void set_check_box_editor_column(int column, bool check_box_editor);

    // V: the visible columns, column 0 included; H: the hidden ones.
    int visible_column_count() const;
    int hidden_column_count() const { return columns_ - visible_column_count(); }

    // Columns 1 to V - 1 by position (a hidden column among them is taken in, the last H left out).
    int first_data_columns_end() const { return visible_column_count(); }

    // Same size, same texts and check boxes, same column kinds: what a screen compares to tell
    // whether the user changed anything.
    bool operator==(const Table&) const = default;

private:
    struct Cell {
        std::string text;
        bool has_check_box = false;
        bool checked = false;
        bool operator==(const Cell&) const = default;
    };

    void check_column(int column) const;
    const Cell& cell(int row, int column) const;
    Cell& cell(int row, int column);

    int rows_;
    int columns_;
    std::vector<Cell> cells_;
    std::vector<bool> column_visible_;
    std::vector<bool> column_check_box_editor_;
};

} // namespace cfg
