#pragma once

// The texts of the MQTT topic screen, from its block of the catalogue, by index. The captions and
// hints of the tables' columns and the checks' messages are in the tables' column descriptions.
namespace cfg::topic_text {

enum : int {
    Title = 1300,
    Delete_Row_Question = 1323,
    Publish_Tab = 1333,
    Subscribe_Tab,
    Error_Row = 1351,
    Time_Out_Of_Range = 1389,
    Rows_Would_Be_Dropped_Question = 1399,
};

} // namespace cfg::topic_text
