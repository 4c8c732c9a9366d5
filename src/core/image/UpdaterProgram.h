#pragma once

#include <filesystem>

namespace cfg::image {

// How long the update waits for the updater before it goes on without it.
inline constexpr int Updater_Wait_Limit_Ms = 150000;

// The external updater, beside the program; it is started in the folder of its job file.
inline std::filesystem::path Updater_Program(const std::filesystem::path& Path_Exe) {
#ifdef _WIN32
    return Path_Exe / "Ethernet_Update.exe";
#else
    return Path_Exe / "Ethernet_Update";
#endif
}

} // namespace cfg::image
