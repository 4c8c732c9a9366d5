#include "core/app/ConfigurationName.h"

#include <filesystem>
#include <string>

namespace cfg {

bool Is_Plain_Folder_Name(std::string_view name) {
    if (name.empty() || name.front() == '.')
        return false;
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return false;
    return !std::filesystem::path(std::string(name)).has_root_path();
}

} // namespace cfg
