#pragma once

#include <filesystem>

namespace cfg {

// Where a file that could not be read is kept before a screen replaces it: beside it, under its
// name with ".unreadable" added, numbered (".unreadable.2", ...) when that name is taken.
std::filesystem::path Unreadable_Copy_Path(const std::filesystem::path& file);

// Copies the file's bytes, as they are, to Unreadable_Copy_Path and returns that path. The file
// itself is left in place, so a save that fails afterwards loses nothing. ConfigError when the copy
// cannot be made.
std::filesystem::path Keep_Unreadable_File(const std::filesystem::path& file);

} // namespace cfg
