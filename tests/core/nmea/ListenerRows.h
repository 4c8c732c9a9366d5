#pragma once

#include "core/nmea/ListenerTable.h"

#include <string>
#include <vector>

namespace cfg::nmea::test {

// One listener row as the tests write it; the rest of the row keeps its reset values.
struct Row {
    Row(bool enable = true, std::string sentence = "", std::string data_field = "", std::string position = "",
        std::string index = "", std::string post_operation = "None")
        : enable(enable), sentence(std::move(sentence)), data_field(std::move(data_field)),
          position(std::move(position)), index(std::move(index)), post_operation(std::move(post_operation)) {}

    bool enable;
    std::string sentence;
    std::string data_field;
    std::string position;
    std::string index;
    std::string post_operation;
};

// A listener table whose rows 1.. hold the given rows.
inline Listener_Table listener_table(const std::vector<Row>& rows) {
    Listener_Table table;
    int r = 1;
    for (const Row& row : rows) {
        table.set_checked(r, Listener_Column::Enable, row.enable);
        table.set_text(r, Listener_Column::Sentence, row.sentence);
        table.set_text(r, Listener_Column::DataField, row.data_field);
        table.set_text(r, Listener_Column::Position, row.position);
        table.set_text(r, Listener_Column::Index, row.index);
        table.set_text(r, Listener_Column::PortOperation, row.sentence.empty() ? "" : row.post_operation);
        ++r;
    }
    return table;
}

} // namespace cfg::nmea::test
