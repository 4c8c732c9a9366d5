#pragma once

#include "core/image/UpdateJob.h"

#include <filesystem>
#include <string_view>

namespace cfg::image {

// How long the update waits for the updater before it goes on without it.
inline constexpr int Updater_Wait_Limit_Ms = 150000;

// The program that checks a job and its files without sending anything to the device: ours, the
// stand-in for the maker's updater. It ends with one of these codes and never with 0, so that it
// cannot pass for the maker's updater even when it is started under that name.
inline constexpr std::string_view Check_Program_Name = "configurator-check-update";
inline constexpr int Check_Passed_Exit_Code = 90; // every file could go into the device
inline constexpr int Check_Faults_Exit_Code = 91; // faults found, named in its log
// Its log, beside the job it checked.
inline constexpr std::string_view Check_Log_File_Name = "configurator-check-update.log";

// The maker's updater, which writes the device.
inline constexpr std::string_view Maker_Updater_Name = "Ethernet_Update";

// A program's file name on this platform: "Ethernet_Update.exe" on Windows.
std::filesystem::path Program_File_Name(std::string_view name);

// A program an update can start.
struct Found_Program {
    bool found = false;
    std::filesystem::path file;     // the program; when none was found, where it is expected
    std::filesystem::path launcher; // empty: the file is started itself; else the program that runs it
    bool windows_only = false;      // only a Windows build was found and nothing here can run it
};

// The maker's updater: beside the program or in the data folder (one and the same folder for a
// copy of the program in a folder of its own). Elsewhere than on Windows, a Windows build
// Ethernet_Update.exe there is run by windows_launcher (Wine) when one is given. When none is
// found, the file names the data folder, where the user can always put it.
Found_Program Find_Maker_Updater(const Update_Job_Folders& folders,
                                 const std::filesystem::path& windows_launcher);

// The check program: beside the program, or in ../libexec/configurator of an installed one.
Found_Program Find_Check_Program(const std::filesystem::path& Path_Exe);

} // namespace cfg::image
