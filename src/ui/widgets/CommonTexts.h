#pragma once

// Texts that screens share, from the common block of the catalogue, by index.
namespace ui::common_text {

enum : int {
    File_Exists_Question = 903,
    Own_File_Refused = 930,
};

} // namespace ui::common_text
