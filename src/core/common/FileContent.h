#pragma once

#include <filesystem>
#include <string>

namespace cfg {

// One file of a write that replaces several together.
struct FileContent {
    std::filesystem::path target;
    std::string bytes;
};

} // namespace cfg
