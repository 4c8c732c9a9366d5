#include "core/mqtt/TopicTableRules.h"

#include "core/mqtt/TopicColumnDescriptions.h"

namespace cfg::mqtt {

Table_Rules Topic_Table_Rules(TopicTable which) {
    const std::span<const Column_Description> columns = topic_column_descriptions(which);
    return {
        columns,
        clear_topic_row,
        [](const Table&, int row, int column) { return row > 0 && column > 0; },
        Described_Choices(columns),
    };
}

} // namespace cfg::mqtt
