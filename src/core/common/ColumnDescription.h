#pragma once

#include <string>
#include <vector>

namespace cfg {

// Which editor a column's cells get in a screen's grid.
enum class Cell_Editor {
    Fixed,        // the row numbers
    Check_Box,    // centred check box
    List,         // drop-down list offering only its items
    Text,         // free text
    Text_Or_List, // free text, with the items offered
};

// How a screen shows one column of a table: header and hint are text indices of the catalogue
// (-1: no hint), the width is the screen's starting width in pixels. A list column offers
// `choices`; where they depend on the row, the table says which and `choices` stays empty.
struct Column_Description {
    int header_text;
    int width;
    Cell_Editor editor;
    int hint_text;
    bool visible;
    std::vector<std::string> choices = {};
};

} // namespace cfg
