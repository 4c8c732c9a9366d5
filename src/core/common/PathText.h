#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace cfg {

// Paths as the program's texts hold them: UTF-8 on every platform. A path's own narrow string()
// is in the system's code page on Windows, which turns every character it cannot hold into
// another one or fails; texts that reach a file, a message or another program go through these.
std::string utf8_path(const std::filesystem::path& path);
std::filesystem::path path_from_utf8(std::string_view utf8);

} // namespace cfg
