#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace cfg {

// Where the program finds its things.
struct Program_Folders {
    std::filesystem::path program;           // the running program's folder: the updater lies beside it
    std::filesystem::path data;              // MASTER, PROJECTS, LANGUAGE and Morvel.xml
    std::filesystem::path shipped_languages; // the language files an installation ships; empty otherwise
};

// The value of an environment variable, nothing when it is unset.
using Environment = std::function<std::optional<std::string>(const char* name)>;
std::optional<std::string> Process_Environment(const char* name);

// The name of the program's folders inside the system's and the user's data folders.
inline constexpr const char* Data_Folder_Name = "configurator";

// A copy of the program in a folder of its own keeps its data beside it. An installed program
// (its folder has ../share/configurator beside it) or one whose folder cannot be written keeps them
// in the user's data folder, $XDG_DATA_HOME/configurator or else ~/.local/share/configurator
// (%APPDATA%\configurator on Windows), and
// reads the shipped language files from ../share/configurator/LANGUAGE. ConfigError when the user's
// data folder is needed and HOME (APPDATA) names no absolute folder.
Program_Folders Find_Program_Folders(const std::filesystem::path& program_folder,
                                     const Environment& environment);

// The folders of a program whose data live where the user chose (--home).
Program_Folders Program_Folders_With_Data(const std::filesystem::path& program_folder,
                                          const std::filesystem::path& data_folder);

} // namespace cfg
