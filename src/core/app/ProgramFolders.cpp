#include "core/app/ProgramFolders.h"

#include "core/common/ConfigError.h"
#include "core/common/PathText.h"
#include "core/common/Text.h"

#include <chrono>
#include <cstdlib>
#include <fstream>

namespace cfg {
namespace {

std::filesystem::path installed_data(const std::filesystem::path& program_folder) {
    return program_folder.parent_path() / "share" / Data_Folder_Name;
}

// Asked by trying, the one answer that holds for this user on every platform.
bool is_writable(const std::filesystem::path& folder) {
    const std::filesystem::path probe =
        folder / (".configurator-probe-" +
                  std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const bool written = std::ofstream(probe).good();
    std::error_code ignored;
    std::filesystem::remove(probe, ignored);
    return written;
}

// A folder named by the environment that is not absolute would put the data below whatever folder
// the program happens to be started in: refused rather than guessed.
std::filesystem::path absolute_base(const Environment& environment, const char* name) {
    const std::filesystem::path base = path_from_utf8(environment(name).value_or(""));
    if (!base.is_absolute())
        throw ConfigError(
            std::string("The user's data folder cannot be found: the environment variable ") + name +
            (base.empty() ? " is not set" : " names no absolute folder (\"" + utf8_path(base) + "\")") +
            ". Set it, or name the folder to use with --home DIR.");
    return base;
}

std::filesystem::path user_data_folder(const Environment& environment) {
#ifdef _WIN32
    // Where Windows programs keep what their user made, roaming with the user's profile.
    return absolute_base(environment, "APPDATA") / Data_Folder_Name;
#else
    // An XDG path that is not absolute is to be ignored.
    if (const auto xdg = environment("XDG_DATA_HOME"); xdg && path_from_utf8(*xdg).is_absolute())
        return path_from_utf8(*xdg) / Data_Folder_Name;
    return absolute_base(environment, "HOME") / ".local" / "share" / Data_Folder_Name;
#endif
}

} // namespace

std::optional<std::string> Process_Environment(const char* name) {
#ifdef _WIN32
    // The wide environment: the narrow one is in the system's code page. The names are ASCII.
    const std::wstring wide_name(name, name + std::char_traits<char>::length(name));
    if (const wchar_t* value = _wgetenv(wide_name.c_str()))
        return utf16_to_utf8(std::u16string(value, value + std::char_traits<wchar_t>::length(value)));
#else
    if (const char* value = std::getenv(name))
        return std::string(value);
#endif
    return std::nullopt;
}

Program_Folders Find_Program_Folders(const std::filesystem::path& program_folder,
                                     const Environment& environment) {
    std::error_code error;
    const std::filesystem::path shipped = installed_data(program_folder);
    const bool installed = std::filesystem::is_directory(shipped, error);
    if (!installed && is_writable(program_folder))
        return {program_folder, program_folder, {}};
    return {program_folder, user_data_folder(environment),
            installed ? shipped / "LANGUAGE" : std::filesystem::path()};
}

Program_Folders Program_Folders_With_Data(const std::filesystem::path& program_folder,
                                          const std::filesystem::path& data_folder) {
    std::error_code error;
    const std::filesystem::path shipped = installed_data(program_folder) / "LANGUAGE";
    return {program_folder, data_folder,
            std::filesystem::is_directory(shipped, error) ? shipped : std::filesystem::path()};
}

} // namespace cfg
