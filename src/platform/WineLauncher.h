#pragma once

#include <filesystem>

namespace platform {

// The program that runs a Windows build of the maker's updater on this system: Wine, found on the
// search path (wine, else wine64) or where Debian keeps wine64 off it. Empty on Windows, which runs
// it itself, and where Wine is not installed.
std::filesystem::path Wine_Launcher();

} // namespace platform
