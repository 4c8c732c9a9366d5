#pragma once

// The texts of the window that names the PROFINET file, from its block of the catalogue, by index.
namespace cfg::profinet_file_text {

enum : int {
    Title = 700,
    Description,
    Name_Label,
    Fixed_Part_Before,
    User_Part,
    Fixed_Part_After,
    OK,
    Cancel,
    OK_Hint,
    Cancel_Hint,
    User_Part_Hint,
};

} // namespace cfg::profinet_file_text
