#include "core/common/Table.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace cfg {

Table::Table(int rows, int columns)
    : rows_(rows), columns_(columns), cells_(static_cast<std::size_t>(rows * columns)),
      column_visible_(static_cast<std::size_t>(columns), true),
      column_check_box_editor_(static_cast<std::size_t>(columns), false) {
    if (rows < 1 || columns < 1)
        throw std::invalid_argument("a table needs a header row and a row-number column");
}

const Table::Cell& Table::cell(int row, int column) const {
    if (row < 0 || row >= rows_ || column < 0 || column >= columns_)
        throw std::out_of_range("cell " + std::to_string(row) + "," + std::to_string(column) +
                                " is outside the table");
    return cells_[static_cast<std::size_t>(row * columns_ + column)];
}

Table::Cell& Table::cell(int row, int column) {
    return const_cast<Cell&>(static_cast<const Table&>(*this).cell(row, column));
}

void Table::check_column(int column) const {
    if (column < 0 || column >= columns_)
        throw std::out_of_range("column " + std::to_string(column) + " is outside the table");
}

const std::string& Table::text(int row, int column) const {
    return cell(row, column).text;
}

void Table::set_text(int row, int column, std::string text) {
    cell(row, column).text = std::move(text);
}

bool Table::has_check_box(int row, int column) const {
    return cell(row, column).has_check_box;
}

bool Table::is_checked(int row, int column) const {
    const Cell& c = cell(row, column);
    return c.has_check_box && c.checked;
}

void Table::set_check_box(int row, int column, bool checked) {
    Cell& c = cell(row, column);
    c.has_check_box = true;
    c.checked = checked;
}

bool Table::is_column_visible(int column) const {
    check_column(column);
    return column_visible_[static_cast<std::size_t>(column)];
}

void Table::set_column_visible(int column, bool visible) {
    check_column(column);
    column_visible_[static_cast<std::size_t>(column)] = visible;
}

bool Table::is_check_box_editor_column(int column) const {
    check_column(column);
    return column_check_box_editor_[static_cast<std::size_t>(column)];
}

void Table::set_check_box_editor_column(int column, bool check_box_editor) {
    check_column(column);
    column_check_box_editor_[static_cast<std::size_t>(column)] = check_box_editor;
}

int Table::visible_column_count() const {
    return static_cast<int>(std::count(column_visible_.begin(), column_visible_.end(), true));
}

} // namespace cfg
