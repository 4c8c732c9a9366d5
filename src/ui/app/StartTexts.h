#pragma once

// The program start's own texts, told before the settings are read: the built-in ones.
namespace ui::start_text {

enum : int {
    Folder_Unusable = 38, // "The folder "%1" cannot be used: %2"
    Not_A_Folder,
};

} // namespace ui::start_text
