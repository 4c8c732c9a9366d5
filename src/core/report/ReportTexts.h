#pragma once

// The texts of the configuration report and of the comparison of two configurations, by index.
// Headings, captions and column headers that a screen already shows are that screen's texts.
namespace cfg::report::text {

enum : int {
    Report_Title = 60,
    Configuration,
    Date_And_Time,
    Program_Version,
    Yes,
    No,
    Use_Gateway,
    Warnings,
    Byte_Map,
    Vendor,
    Product_Code,
    Process_Image,
    ESI_In_Step,
    Compiled_Banks,
    File,
    Size,
    Modified,
    Bank_Checksum,
    File_Sha256,
    Not_Compiled,
    Cannot_Be_Decoded,
    Comparison_Title,
    Compared_From,
    Compared_To,
    Differ,
};

enum : int {
    Same = 208,
    Added,         // %1 added: %2
    Removed,       // %1 removed: %2
    Changed,       // %1 changed: %2
    Moved,         // %1 moved: %2
    Value_Changed, // %1: "%2" → "%3"
    Value,         // %1: "%2"
    ESI_Differs,
    No_ESI_Written,
    ESI_Written, // written %1 to %2
};

} // namespace cfg::report::text
