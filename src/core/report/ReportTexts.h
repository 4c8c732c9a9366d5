#pragma once

// The texts of the configuration report and of the comparison of two configurations, by index.
// Headings and column headers that a screen already shows are that screen's texts.
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

// Texts of the screens the report and the comparison take up.
enum : int {
    Listener_Heading = 21,
    EtherCAT_Heading = 34,
    ESI_Heading = 36,
    Parameters_Heading = 400,
    None = 1056,
    Row = 1062,
    Separator = 1063,      // ": "
    List_Separator = 1054, // "; "
    Name = 1519,
    Revision = 1141,
    Slave_Name = 1143,
    Slave_To_Master = 1534,
    Master_To_Slave = 1535,
    Process_Image_Size = 1571, // "process image: "
    Bytes_Unit = 1573,         // " bytes"
    Publish_Topics = 1333,
    Subscribe_Topics = 1334,
};

} // namespace cfg::report::text
