#include "core/mqtt/TopicTables.h"

#include "core/common/Text.h"
#include "core/lang/LangStrings.h"

#include <string>

namespace cfg::mqtt {

// Both topic tables have Topic in column 1.
static_assert(static_cast<int>(publish::Topic) == 1 && static_cast<int>(subscribe::Topic) == 1);

namespace {

void number_rows(Table& table) {
    for (int r = 1; r < table.row_count(); ++r)
        table.set_text(r, 0, std::to_string(r));
}

bool holds_topic(const Table& table, int row) {
    return !trimmed(table.text(row, publish::Topic)).empty();
}

} // namespace

MqttTopicTables::MqttTopicTables(int rows)
    : publish(make_topic_table(publish_columns(), rows)),
      subscribe(make_topic_table(subscribe_columns(), rows)) {}

Table make_topic_table(std::span<const TopicColumn> columns, int rows) {
    Table table(rows + 1, static_cast<int>(columns.size()));
    for (int c = 0; c < table.column_count(); ++c) {
        const TopicColumn& column = columns[static_cast<std::size_t>(c)];
        table.set_column_visible(c, column.shown);
        table.set_check_box_editor_column(c, column.editor == TopicEditor::CheckBox);
    }
    number_rows(table); // a new table's data cells are empty already
    return table;
}

void clear_topic_table(Table& table) {
    for (int r = 1; r < table.row_count(); ++r)
        clear_topic_row(table, r);
}

void clear_topic_row(Table& table, int row) {
    table.set_text(row, 0, std::to_string(row));
    for (int c = 1; c < table.column_count(); ++c)
        table.set_text(row, c, "");
}

int used_topic_rows(const Table& table) {
    int rows = 0;
    while (rows + 1 < table.row_count() && holds_topic(table, rows + 1))
        ++rows;
    return rows;
}

int first_topic_row_save_would_drop(const Table& table) {
    for (int r = used_topic_rows(table) + 2; r < table.row_count(); ++r) {
        if (holds_topic(table, r))
            return r;
    }
    return 0;
}

} // namespace cfg::mqtt
