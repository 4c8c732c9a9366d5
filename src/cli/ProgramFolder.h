#pragma once

#include <filesystem>
#include <string_view>

namespace cfg::cli {

// The folder of the running executable, like the desktop program's Path_Exe: read from the
// system where it can say, otherwise from the program name the tool was started with.
std::filesystem::path executable_folder(std::string_view argv0);

} // namespace cfg::cli
