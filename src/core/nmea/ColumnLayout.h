#pragma once

namespace cfg::nmea {

// Which editor a column's cells get in the screen's grid.
enum class Cell_Editor {
    Fixed,     // the row numbers
    Check_Box, // centred check box
    List,      // drop-down list offering only its items
    Text,      // free text
};

// How a screen shows one column: header and hint are text indices of the catalogue (-1: none).
struct Column_Layout {
    int header_text;
    int width;
    Cell_Editor editor;
    int hint_text;
    bool visible;
};

} // namespace cfg::nmea
