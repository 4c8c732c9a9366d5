#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

// The columns of the two MQTT topic tables, by name. Hiding a column never renumbers anything, so
// these numbers are the positions in the table whether the column is shown or not.
namespace cfg::mqtt {

namespace publish {
enum Column : int {
    Number, // row number, not stored
    Topic,
    Retained,
    QoS,
    DataType,
    Dimension,
    Position,
    IPAddress,
    InputTemplate,
    Template,
    OnChange,
    OnCMD, // not stored
    OnTimer,
    Time,
    Channel,  // not stored
    Swap,     // not stored
    SwapWord, // not stored
    Mnemonic,
    Column_Count
};
} // namespace publish

namespace subscribe {
enum Column : int {
    Number, // row number, not stored
    Topic,
    Retained,
    QoS,
    DataType,
    Dimension,
    Position,
    IPAddress,
    Port,
    EthType,
    InputTemplate,
    Template,
    Swap,     // not stored
    SwapWord, // not stored
    Mnemonic,
    Column_Count
};
} // namespace subscribe

enum class TopicEditor {
    RowNumber,  // fixed column 0
    Text,       // free text
    CheckBox,   // stores "Y" when ticked, "N" when not
    List,       // only the items of `choices`
    TextOrList, // free text, with `choices` offered as items
};

struct TopicColumn {
    int header_text = 0;     // Lang_Strings index
    int hint_text = 0;       // Lang_Strings index of the header hint; 0 for the row-number column
    const char* attribute{}; // XML attribute in MQTT_Set_Topic.xml, null when the column is not stored
    TopicEditor editor = TopicEditor::Text;
    bool shown = true; // whether this variant shows the column
    std::vector<std::string> choices;
    // A stored column: its value when a loaded row lacks the attribute. A column that is not
    // stored: the value every loaded row gets, whatever the file holds.
    std::string_view loaded_default;
};

// One entry per column, in column order.
std::span<const TopicColumn> publish_columns();
std::span<const TopicColumn> subscribe_columns();

} // namespace cfg::mqtt
