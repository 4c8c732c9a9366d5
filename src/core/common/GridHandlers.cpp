#include "core/common/GridHandlers.h"

namespace cfg {
namespace {

int next_visible_column(const Table& table, int after) {
    for (int c = after + 1; c < table.column_count(); ++c) {
        if (table.is_column_visible(c))
            return c;
    }
    return -1;
}

} // namespace

bool Grid_Enter_Jump(const Table& table, GridCursor& cursor, int key, bool enable_jump_field_tables) {
    if (!enable_jump_field_tables || key != Enter_Key)
        return false;
    if (cursor.row > 0 && cursor.column > 0) {
        // Moves along the columns the user sees, so a hidden column is never entered.
        const int right = next_visible_column(table, cursor.column);
        if (right > 0) {
            cursor.column = right;
        } else {
            const int first = next_visible_column(table, 0);
            cursor.column = first > 0 ? first : cursor.column;
            cursor.row = cursor.row >= table.row_count() - 1 ? 1 : cursor.row + 1;
        }
    }
    return true;
}

bool Grid_Header_DblClick(int row, bool double_click_auto_size) {
    return double_click_auto_size && row == 0;
}

} // namespace cfg
