#pragma once

#include "core/exchange/TableExchange.h"
#include "core/mqtt/TopicTables.h"

namespace cfg::mqtt {

// What the topic screen lets the user put into its Publish or Subscribe table.
Table_Rules Topic_Table_Rules(TopicTable which);

} // namespace cfg::mqtt
