#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace cfg {

// The names of the entries of folder that keep accepts. Folder listings come in no particular
// order, so the names are sorted with ASCII letters compared regardless of case (names equal that
// way keep a fixed byte order). A folder that is missing or cannot be read gives no names.
std::vector<std::string>
Sorted_Entry_Names(const std::filesystem::path& folder,
                   const std::function<bool(const std::filesystem::directory_entry&)>& keep);

// The same order for names gathered from several folders.
void Sort_Entry_Names(std::vector<std::string>& names);

} // namespace cfg
