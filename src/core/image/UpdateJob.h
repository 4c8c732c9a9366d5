#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace cfg::image {

// The update dialog's options, by their index in its list.
inline constexpr int Update_Firmware_And_Configuration = 0;
inline constexpr int Update_Firmware = 1;
inline constexpr int Update_Configuration = 2;

inline constexpr std::string_view Update_Job_File_Name = "Ethernet_Update.xml";
inline constexpr std::string_view Firmware_File_Name = "Sim52C40.sim";

// The folders of an update: the program's (where the updater lies), the data folder (where the job
// is written and the updater is started, so it finds the job in its working folder even when the
// program's folder cannot be written; for a copy of the program in a folder of its own the two are
// one), MASTER (the firmware image) and the configuration's (its bin folder holds the banks).
struct Update_Job_Folders {
    std::filesystem::path Path_Exe;
    std::filesystem::path Path_Data;
    std::filesystem::path Path_Master;
    std::filesystem::path Path_Project;
};

// The job file's bytes: the device address as typed, the operations of the option (firmware,
// the three banks, or both), each reading back when read_back is set. ConfigError for an option
// outside the dialog's three.
std::string Update_Job_Bytes(const Update_Job_Folders& folders, std::string_view address, int option,
                             bool read_back);

// The files the option would write into the device (the firmware image, the banks) that do not
// exist: an update naming one of them must not start.
std::vector<std::filesystem::path> Missing_Job_Files(const Update_Job_Folders& folders, int option);

// Writes Path_Data/Ethernet_Update.xml through the safe writer, replacing the previous job.
// ConfigError when it cannot be written; the updater must then not be started.
void Compile_XML_Parameter_New_Boot(const Update_Job_Folders& folders, std::string_view address, int option,
                                    bool read_back);

} // namespace cfg::image
