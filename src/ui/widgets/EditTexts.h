#pragma once

// Texts of undo, redo and the spreadsheet exchange of the editing screens, from the common block
// of the catalogue, by index.
namespace ui::edit_text {

enum : int {
    Undo = 909,
    Redo = 910,
    Copy_Cells = 911,
    Paste_Cells = 912,
    Export_Csv = 913,
    Import_Csv = 914,
    Csv_Filter = 915,
    Table_Written = 916,
    Rows_Imported = 917,
    Clipboard_Empty = 918,
    Block_Too_Large = 919,
    Nothing_Pasted = 920,
    Export_Caption = 921,
    Import_Caption = 922,
};

} // namespace ui::edit_text
