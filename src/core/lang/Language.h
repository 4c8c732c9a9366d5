#pragma once

#include "core/lang/LangStrings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace cfg {

inline constexpr std::string_view Default_Language_Name = "English";
inline constexpr std::string_view Language_File_Extension = ".lng";

// Where language files are looked for: the user's LANGUAGE folder, then the folder of the language
// files an installation ships (empty for a copy of the program in a folder of its own).
struct Language_Folders {
    // One folder alone is the user's (a copy of the program in a folder of its own).
    Language_Folders(std::filesystem::path user_folder, std::filesystem::path shipped_folder = {})
        : user(std::move(user_folder)), shipped(std::move(shipped_folder)) {}

    std::filesystem::path user;
    std::filesystem::path shipped;
};

// The file of a language, the name with ".lng": the user's when it is there (a user's file overrides
// a shipped one), else the shipped one when that is there, else where the user's would be.
std::filesystem::path Language_File(const Language_Folders& folders, std::string_view name);

// The built-in English texts again, overlaid by the file of Language_Name. Without such a file
// Language_Name becomes "English" and "English.lng" is read when it exists. A file that exists but
// cannot be read leaves the built-in texts.
void Load_Language(Lang_Strings& texts, const Language_Folders& folders, std::string& Language_Name);

} // namespace cfg
