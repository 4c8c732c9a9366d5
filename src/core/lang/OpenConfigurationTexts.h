#pragma once

// The texts of the window that opens a configuration, from its block of the catalogue, by index.
namespace cfg::open_configuration_text {

enum : int {
    Title = 200,
    Description,
    List_Label,
    OK,
    Cancel,
    List_Hint,
    OK_Hint,
    Cancel_Hint,
};

} // namespace cfg::open_configuration_text
