#pragma once

// The texts of the options window and the About box, from their block of the catalogue, by index.
namespace cfg::options_text {

enum : int {
    Title = 300,
    Description,
    Language_Tab,
    Connection_Tab,
    Language_In_Use, // followed by the language
    Page,            // "Page " 2 " / " 5
    Page_Of,
    Previous,
    Next,
    Enable_Internet,
    Check_Update_At_Start,
    Check_Update,
    OK,
    Cancel,
    New_Version,
    No_Update,
    Change_Language_From, // ... from " English " to " Italiano "?"
    Change_Language_To,
    Change_Language_End,
    Settings_Tab,
    Enter_Jumps,
    Double_Click_Sizes,
    Data_Folder,
    Software_Code,
    Version,
    Document_Code,
};

} // namespace cfg::options_text
