#include "core/common/RowOperations.h"

#include "core/common/Text.h"

namespace cfg {
namespace {

void copy_texts(Table& table, int from_row, int to_row, int columns_end) {
    for (int c = 1; c < columns_end; ++c)
        table.set_text(to_row, c, table.text(from_row, c));
}

// Copies a cell's check-box state when it carries one, its text otherwise.
void copy_cells_cb(Table& table, int from_row, int to_row) {
    for (int c = 1; c < table.column_count(); ++c) {
        if (table.has_check_box(from_row, c))
            table.set_check_box(to_row, c, table.is_checked(from_row, c));
        else
            table.set_text(to_row, c, table.text(from_row, c));
    }
}

void clear_row_cb(Table& table, int row, bool mark_first) {
    for (int c = 1; c < table.column_count(); ++c) {
        if (table.has_check_box(row, c))
            table.set_check_box(row, c, mark_first && c == 1);
        else
            table.set_text(row, c, "");
    }
}

bool in_use(const Table& table, int row) {
    for (int c = 1; c < table.first_data_columns_end(); ++c) {
        if (!table.is_check_box_editor_column(c) && !trimmed(table.text(row, c)).empty())
            return true;
    }
    return false;
}

// A row is in use by what the user can see and set: a hidden column holds defaults that every
// empty row carries (a listener row's serial channel, say).
bool in_use_cb(const Table& table, int row) {
    for (int c = 1; c < table.column_count(); ++c) {
        if (table.is_column_visible(c) && !table.has_check_box(row, c) && !table.text(row, c).empty())
            return true;
    }
    return false;
}

} // namespace

// Every data column moves with its row, hidden ones included, as on insert: leaving the last
// columns in place would hand one row's values (a mnemonic, a timer) to the row that moves up.
void Delete_Row(int row, Table& table) {
    const int last = table.row_count() - 1;
    for (int r = row; r < last; ++r)
        copy_texts(table, r + 1, r, table.column_count());
    for (int c = 1; c < table.column_count(); ++c)
        table.set_text(last, c, "");
}

void Insert_Row(int row, Table& table, bool mark_first) {
    for (int r = table.row_count() - 2; r >= row; --r)
        copy_texts(table, r, r + 1, table.column_count());
    for (int c = 1; c < table.column_count(); ++c)
        table.set_text(row, c, (c == 1 && mark_first) ? "Y" : "");
}

void Copy_Row(const Table& table, int row, Row_Clipboard& clipboard) {
    clipboard.texts.clear();
    clipboard.mask.clear();
    for (int c = 1; c < table.first_data_columns_end(); ++c)
        clipboard.texts.push_back(table.text(row, c));
}

PasteResult Paste_Row(Table& table, int row, bool copied, const Row_Clipboard& clipboard,
                      const ConfirmOverwrite& confirm_overwrite) {
    if (!copied)
        return PasteResult::NothingCopied;
    if (table.visible_column_count() != static_cast<int>(clipboard.texts.size()) + 1)
        return PasteResult::ColumnMismatch;
    if (in_use(table, row) && !confirm_overwrite())
        return PasteResult::Declined;
    for (int c = 1; c < table.first_data_columns_end(); ++c)
        table.set_text(row, c, clipboard.texts[static_cast<std::size_t>(c - 1)]);
    return PasteResult::Pasted;
}

void Delete_Row_CB(int row, Table& table, bool mark_first) {
    const int last = table.row_count() - 1;
    for (int r = row; r < last; ++r)
        copy_cells_cb(table, r + 1, r);
    clear_row_cb(table, last, mark_first);
}

void Insert_Row_CB(int row, Table& table, bool mark_first) {
    for (int r = table.row_count() - 2; r >= row; --r)
        copy_cells_cb(table, r, r + 1);
    clear_row_cb(table, row, mark_first);
}

void Copy_Row_CB(const Table& table, int row, Row_Clipboard& clipboard) {
    clipboard.texts.clear();
    clipboard.mask.assign(static_cast<std::size_t>(table.column_count() - 1), false);
    for (int c = 1; c < table.column_count(); ++c) {
        if (table.has_check_box(row, c)) {
            clipboard.texts.push_back(table.is_checked(row, c) ? "Y" : "N");
            clipboard.mask[static_cast<std::size_t>(c - 1)] = true;
        } else {
            clipboard.texts.push_back(table.text(row, c));
        }
    }
}

PasteResult Paste_Row_CB(Table& table, int row, bool copied, const Row_Clipboard& clipboard,
                         const ConfirmOverwrite& confirm_overwrite) {
    if (!copied)
        return PasteResult::NothingCopied;
    if (table.column_count() != static_cast<int>(clipboard.texts.size()) + 1)
        return PasteResult::ColumnMismatch;
    if (in_use_cb(table, row) && !confirm_overwrite())
        return PasteResult::Declined;
    for (int c = 1; c < table.column_count(); ++c) {
        const auto i = static_cast<std::size_t>(c - 1);
        if (i < clipboard.mask.size() && clipboard.mask[i])
            table.set_check_box(row, c, clipboard.texts[i] == "Y");
        else
            table.set_text(row, c, clipboard.texts[i]);
    }
    return PasteResult::Pasted;
}

} // namespace cfg
