#pragma once

#include "core/lang/Language.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cfg {

// The file names of the language files the user may pick: the files of the language folders whose
// names end in ".lng", each name once, sorted with ASCII letters compared regardless of case.
// Folders and read-only files (no write permission for anyone) are left out. A missing folder gives
// no names.
// English.lng, the built-in texts as a file, comes first.
std::vector<std::string> Create_Lang_List(const Language_Folders& folders);

inline constexpr std::string_view English_File_Name = "English.lng";

// The language's name as shown and stored: the file name without its last four characters (".lng").
std::string Language_Name_Of(std::string_view file_name);

} // namespace cfg
