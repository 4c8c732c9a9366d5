#include "core/app/ConfigurationName.h"
#include "core/common/PathText.h"

#include <filesystem>

namespace cfg {

bool Is_Plain_Folder_Name(std::string_view name) {
    if (name.empty() || name.front() == '.')
        return false;
    if (name.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return false;
    return !path_from_utf8(name).has_root_path();
}

} // namespace cfg
