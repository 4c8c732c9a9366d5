#pragma once

// The update dialog's texts added to its block of the catalogue, by index.
namespace ui::boot_text {

enum : int {
    Check_Only = 851,
    Check_Only_Hint,
};

} // namespace ui::boot_text
