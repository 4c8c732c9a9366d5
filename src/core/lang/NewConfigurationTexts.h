#pragma once

// The texts of the window that creates a configuration, from its block of the catalogue, by index.
namespace cfg::new_configuration_text {

enum : int {
    Title = 100,
    Description,
    Name_Label,
    OK,
    Cancel,
    Name_Not_Creatable, // followed on a line of its own by what is wrong with the name
    Name_Exists,
    Name_Empty,
    Name_Hint,
    OK_Hint,
    Cancel_Hint,
    Name_Control_Character,
    Name_Not_Utf8,
    Name_Leading_Blank_Or_Dot,
    Name_Trailing_Dot_Or_Blank,
    Name_Windows_Character,
    Name_Windows_Device,
    Name_Too_Long, // "The name is too long: it takes " N " bytes in UTF-8 and may take at most " M " (...)."
    Name_Too_Long_Limit,
    Name_Too_Long_End,
    Name_Taken_By_File,
};

} // namespace cfg::new_configuration_text
