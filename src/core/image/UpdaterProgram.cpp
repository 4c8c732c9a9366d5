#include "core/image/UpdaterProgram.h"

#include <vector>

namespace cfg::image {
namespace {

bool is_file(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error);
}

std::vector<std::filesystem::path> updater_folders(const Update_Job_Folders& folders) {
    if (folders.Path_Exe == folders.Path_Data)
        return {folders.Path_Exe};
    return {folders.Path_Exe, folders.Path_Data};
}

} // namespace

std::filesystem::path Program_File_Name(std::string_view name) {
#ifdef _WIN32
    return std::filesystem::path(std::string(name) + ".exe");
#else
    return std::filesystem::path(name);
#endif
}

Found_Program Find_Maker_Updater(const Update_Job_Folders& folders,
                                 const std::filesystem::path& windows_launcher) {
    const std::filesystem::path native = Program_File_Name(Maker_Updater_Name);
    for (const std::filesystem::path& folder : updater_folders(folders))
        if (is_file(folder / native))
            return {true, folder / native, {}, false};
#ifndef _WIN32
    const std::filesystem::path windows = std::string(Maker_Updater_Name) + ".exe";
    for (const std::filesystem::path& folder : updater_folders(folders))
        if (is_file(folder / windows))
            return {!windows_launcher.empty(), folder / windows, windows_launcher, windows_launcher.empty()};
#else
    (void)windows_launcher;
#endif
    return {false, folders.Path_Data / native, {}, false};
}

Found_Program Find_Check_Program(const std::filesystem::path& Path_Exe) {
    const std::filesystem::path name = Program_File_Name(Check_Program_Name);
    const std::filesystem::path installed = Path_Exe.parent_path() / "libexec" / "configurator" / name;
    if (is_file(Path_Exe / name))
        return {true, Path_Exe / name, {}, false};
    if (is_file(installed))
        return {true, installed, {}, false};
    return {false, Path_Exe / name, {}, false};
}

} // namespace cfg::image
