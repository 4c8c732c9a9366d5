#pragma once

// The texts of the earlier listener screen, from its block of the catalogue, by index.
namespace cfg::legacy_listener_text {

enum : int {
    Title = 600,
    Error_Row = 623,
    Sentence_Invalid,
    Serial_Channel_Invalid,
    Duplicate, // followed by the rows
    Delete_Row_Question,
    Index_Out_Of_Range = 630,
    Rows_Would_Be_Dropped_Question,
};

} // namespace cfg::legacy_listener_text
