#include "platform/WineLauncher.h"

#ifndef _WIN32
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#endif

namespace platform {

#ifdef _WIN32

std::filesystem::path Wine_Launcher() {
    return {};
}

#else

namespace {

bool is_executable(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && ::access(file.c_str(), X_OK) == 0;
}

std::filesystem::path on_search_path(std::string_view name) {
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "";
    while (!folders.empty()) {
        const std::size_t end = std::min(folders.find(':'), folders.size());
        const std::filesystem::path candidate = std::filesystem::path(folders.substr(0, end)) / name;
        // An empty entry is the current folder, which is never searched for a program here.
        if (end > 0 && candidate.is_absolute() && is_executable(candidate))
            return candidate;
        folders.remove_prefix(std::min(end + 1, folders.size()));
    }
    return {};
}

} // namespace

std::filesystem::path Wine_Launcher() {
    for (const std::string_view name : {"wine", "wine64"})
        if (std::filesystem::path found = on_search_path(name); !found.empty())
            return found;
    const std::filesystem::path debian_wine64 = "/usr/lib/wine/wine64";
    return is_executable(debian_wine64) ? debian_wine64 : std::filesystem::path();
}

#endif

} // namespace platform
