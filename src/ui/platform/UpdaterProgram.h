#pragma once

#include <filesystem>

namespace ui {

// The external updater, beside the program.
inline std::filesystem::path Updater_Program(const std::filesystem::path& Path_Exe) {
#ifdef _WIN32
    return Path_Exe / "Ethernet_Update.exe";
#else
    return Path_Exe / "Ethernet_Update";
#endif
}

} // namespace ui
