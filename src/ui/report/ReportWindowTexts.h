#pragma once

// The texts of the main window's report and comparison, from the main window's block, by index.
namespace ui::report_text {

enum : int {
    Report_Caption = 40,
    Report_Hint,
    Compare_Caption,
    Compare_Hint,
    Pdf_Filter,
    Written_Print_Question, // %1: the file
    Handed_To_Printer,      // %1: the printer
    Pdf_Failed,
    Print_Failed, // %1: the printer
    Page_Number,  // %1 of %2
};

enum : int {
    Compare_Description = 85,
    Configurations_Label,
    Bank_Folder_Caption,
    Bank_Folder_Hint,
    Compare_OK,
    Compare_OK_Hint,
    Cancel,
    Bank_Folder_Dialog,
    Not_A_Bank_Folder, // %1: the folder
    Bank_Folder_Label, // %1: the folder
    Close,
    Comparison_Failed, // %1: the reason
};

} // namespace ui::report_text
