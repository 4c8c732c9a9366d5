#pragma once

// Texts that screens share, from the common block of the catalogue, by index. The texts of undo,
// redo and the spreadsheet exchange, which only the screens use, follow in ui/widgets/EditTexts.h.
namespace cfg::common_text {

enum : int {
    Row_In_Use_Question = 900,
    Copy_Does_Not_Fit_Error,
    Nothing_Copied_Error,
    File_Exists_Question,
    Replace_Unreadable_Question,
    Shows_Defaults_Notice,
    Discard_Changes_Question,
    Rows_Left_Out_Notice,
    Replace_Changed_Question,
};

enum : int {
    Own_File_Refused = 930,
};

} // namespace cfg::common_text
