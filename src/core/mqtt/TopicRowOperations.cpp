#include "core/mqtt/TopicRowOperations.h"

#include "core/common/Text.h"

namespace cfg::mqtt {
namespace {

bool topic_row_in_use(const Table& table, int row) {
    for (int c = 1; c < table.column_count(); ++c) {
        if (!table.is_check_box_editor_column(c) && !trimmed(table.text(row, c)).empty())
            return true;
    }
    return false;
}

} // namespace

void copy_topic_row(const Table& table, int row, Row_Clipboard& clipboard) {
    clipboard.texts.clear();
    clipboard.mask.clear();
    for (int c = 1; c < table.column_count(); ++c)
        clipboard.texts.push_back(table.text(row, c));
}

PasteResult paste_topic_row(Table& table, int row, bool copied, const Row_Clipboard& clipboard,
                            const ConfirmOverwrite& confirm_overwrite) {
    if (!copied)
        return PasteResult::NothingCopied;
    if (table.column_count() != static_cast<int>(clipboard.texts.size()) + 1)
        return PasteResult::ColumnMismatch;
    if (topic_row_in_use(table, row) && !confirm_overwrite())
        return PasteResult::Declined;
    for (int c = 1; c < table.column_count(); ++c)
        table.set_text(row, c, clipboard.texts[static_cast<std::size_t>(c - 1)]);
    return PasteResult::Pasted;
}

} // namespace cfg::mqtt
