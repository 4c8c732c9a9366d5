#pragma once

#include "core/lang/LangStrings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace cfg {

inline constexpr std::string_view Default_Language_Name = "English";
inline constexpr std::string_view Language_File_Extension = ".lng";

// The file of a language in the LANGUAGE folder: the name with ".lng".
std::filesystem::path Language_File(const std::filesystem::path& Path_Language, std::string_view name);

// The built-in English texts again, overlaid by the file of Language_Name. Without such a file
// Language_Name becomes "English" and "English.lng" is read when it exists. A file that exists but
// cannot be read leaves the built-in texts.
void Load_Language(Lang_Strings& texts, const std::filesystem::path& Path_Language,
                   std::string& Language_Name);

} // namespace cfg
