#pragma once

// The main window's texts, from its block of the catalogue, by index.
namespace cfg::main_window_text {

enum : int {
    Begin = 0,
    First_Step, // "Step 1" to "Step 8" follow in order
    No_Configuration = 9,
    Open_Or_Create,
    Configuration_Opened, // followed by the configuration's name
    Information_Hint,
    Options_Hint,
    Close_Hint,
    New_Caption,
    Open_Caption,
    Update_Caption,
    Project_Not_Valid,
    New_Version,
    Parameters_Caption,
    Listener_Caption,
    New_Hint,
    Open_Hint,
    Parameters_Hint,
    Listener_Hint,
    Update_Hint,
    PROFINET_XML_Caption,
    PROFINET_XML_Hint,
    Objects_Map_Caption,
    Objects_Map_Hint,
    Overwrite_Question,
    Topics_Caption,
    Topics_Hint,
    EtherCAT_Caption,
    EtherCAT_Hint,
    ESI_Caption,
    ESI_Hint,
};

enum : int {
    Checking_Version = 50, // shown while a check the user asked for runs
};

} // namespace cfg::main_window_text
