#pragma once

#include "core/app/Application.h"

#include <filesystem>
#include <optional>
#include <vector>

namespace cfg {

// The files the program keeps for the active configuration (its four files, its banks, the
// record of its ESI file) and for itself (the settings, the updater's job). Any of them exists
// only through the program: a "save as" pointed at one would destroy it.
std::vector<std::filesystem::path> Own_Files(const Application& app);

// The own file that target is (the same path, or the same file through a link or another
// spelling of its folder), if any.
std::optional<std::filesystem::path> Own_File_At(const Application& app, const std::filesystem::path& target);

} // namespace cfg
