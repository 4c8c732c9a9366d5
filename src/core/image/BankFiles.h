#pragma once

#include "core/image/BankLayout.h"

#include <array>
#include <filesystem>

namespace cfg::image {

// Path_Project/bin/bank1.bin, bank2.bin and bank3.bin, in that order.
std::array<std::filesystem::path, 3> Bank_File_Paths(const std::filesystem::path& Path_Project);

// Writes the three banks into the configuration's bin folder, creating the folder when it is
// missing. All three are staged before any replaces its old file, so a failure (raised as
// ConfigError) leaves the old banks in place rather than a mix the device must never get.
void Write_Bank_Files(const Bank_Images& banks, const std::filesystem::path& Path_Project);

} // namespace cfg::image
