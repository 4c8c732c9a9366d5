#pragma once

#include "core/common/Table.h"
#include "core/mqtt/TopicColumns.h"

#include <span>

namespace cfg::mqtt {

// Rows 1 to 1024 of each table hold topics.
constexpr int Topic_Rows = 1024;

// The number of positions of the device's internal data array open to Publish (Byte_IN) and to
// Subscribe (Byte_OUT) topics.
constexpr int Byte_IN = 2000;
constexpr int Byte_OUT = 2000;

enum class TopicTable { Publish, Subscribe };

// The two tables of the topics screen: MQTT Publish (ACG_Pub) and MQTT Subscribe (ACG_Sub), each
// with rows topic rows under its header.
struct MqttTopicTables {
    explicit MqttTopicTables(int rows = Topic_Rows);

    Table publish;
    Table subscribe;
};

// An empty table of rows topic rows with the given columns, shown and hidden as this variant
// shows them, and check-box columns marked as such.
Table make_topic_table(std::span<const TopicColumn> columns, int rows = Topic_Rows);

// Row numbers in column 0, every other data cell empty; the header row is left alone.
void clear_topic_table(Table& table);
void clear_topic_row(Table& table, int row);

// The used rows are rows 1 up to, not including, the first row whose trimmed Topic is empty.
int used_topic_rows(const Table& table);

// The first row below the used rows that holds a topic, or 0 when there is none: the save stops at
// the first empty Topic, so this row and every topic below it would be lost.
int first_topic_row_save_would_drop(const Table& table);

} // namespace cfg::mqtt
