#include "core/common/SavedRows.h"

namespace cfg {
namespace {

bool same_cell(const Table& a, const Table& b, int row, int column) {
    return a.text(row, column) == b.text(row, column) &&
           a.has_check_box(row, column) == b.has_check_box(row, column) &&
           a.is_checked(row, column) == b.is_checked(row, column);
}

bool same_row(const Table& a, const Table& b, int row) {
    for (int column = 0; column < a.column_count(); ++column)
        if (!same_cell(a, b, row, column))
            return false;
    return true;
}

} // namespace

std::vector<int> Differing_Rows(const Table& a, const Table& b) {
    std::vector<int> rows;
    for (int row = 1; row < a.row_count(); ++row)
        if (!same_row(a, b, row))
            rows.push_back(row);
    return rows;
}

std::vector<Saved_Row> Save_Rows(const Table& table, const std::vector<int>& rows) {
    std::vector<Saved_Row> saved;
    for (int row : rows) {
        Saved_Row& kept = saved.emplace_back(Saved_Row{row, {}});
        for (int column = 0; column < table.column_count(); ++column)
            kept.cells.push_back(
                {table.text(row, column), table.has_check_box(row, column), table.is_checked(row, column)});
    }
    return saved;
}

void Restore_Rows(Table& table, const std::vector<Saved_Row>& rows) {
    for (const Saved_Row& saved : rows) {
        for (int column = 0; column < static_cast<int>(saved.cells.size()); ++column) {
            const Saved_Cell& cell = saved.cells[static_cast<std::size_t>(column)];
            table.set_text(saved.row, column, cell.text);
            if (cell.has_check_box)
                table.set_check_box(saved.row, column, cell.checked);
            else
                table.remove_check_box(saved.row, column);
        }
    }
}

} // namespace cfg
