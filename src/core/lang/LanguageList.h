#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cfg {

// The file names of the language files the user may pick: the files of the LANGUAGE folder whose
// names end in ".lng", sorted with ASCII letters compared regardless of case. Folders and
// read-only files (no write permission for anyone) are left out. A missing folder gives no names.
std::vector<std::string> Create_Lang_List(const std::filesystem::path& Path_Language);

// The language's name as shown and stored: the file name without its last four characters (".lng").
std::string Language_Name_Of(std::string_view file_name);

} // namespace cfg
