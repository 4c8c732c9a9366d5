#pragma once

#include "core/mqtt/TopicTables.h"

#include <optional>
#include <string>

namespace cfg {
class Lang_Strings;
}

namespace cfg::mqtt {

struct TopicCheckFailure {
    TopicTable table = TopicTable::Publish;
    int row = 0;
    std::string message; // "Error row " + row + the rule's text
};

// The checks run when the user confirms the topics: the used Publish rows, then the used Subscribe
// rows, each row through its rules in order. A rule on a column runs only while the column is
// shown, except the OnTimer rule. Returns the first failure, or nothing when every row passes.
std::optional<TopicCheckFailure> Controllo_dati(const MqttTopicTables& tables, const Lang_Strings& texts);

} // namespace cfg::mqtt
