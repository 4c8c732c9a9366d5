#pragma once

#include "core/common/ColumnDescription.h"
#include "core/mqtt/TopicTables.h"

#include <span>

namespace cfg::mqtt {

// How the topic screen shows each column of a table, by column: made from the table's topic
// columns, with the screen's starting widths.
std::span<const Column_Description> topic_column_descriptions(TopicTable which);

} // namespace cfg::mqtt
