#pragma once

#include <string>
#include <vector>

// What differs between two configurations, in the terms of the screens that show them.
namespace cfg::report {

enum class Diff_Area {
    Parameters,
    Listener,
    Slave_To_Master,
    Master_To_Slave,
    Publish_Topics,
    Subscribe_Topics,
    ESI,
    Bank1,
    Bank2,
    Bank3,
};

enum class Diff_Change {
    Added,
    Removed,
    Changed,
    Moved, // a variable whose own values are the same but whose place in the process image is not
};

// One value on both sides; the side that lacks the item holds an empty text.
struct Value_Change {
    std::string key;  // a fixed identifier: the file's attribute or element name, or a bank field's name
    std::string name; // what the screen calls it, in the catalogue's language
    std::string old_value;
    std::string new_value;

    bool operator==(const Value_Change&) const = default;
};

struct Difference {
    Diff_Area area;
    Diff_Change change;
    int row = 0;      // the table row; 0 for what is not a row
    std::string item; // what is not a row: the parameter, the bank field, the bank file
    // A row's columns that differ (an added or removed row: the ones that hold a value), or the one
    // value of what is not a row.
    std::vector<Value_Change> values;

    bool operator==(const Difference&) const = default;
};

} // namespace cfg::report
