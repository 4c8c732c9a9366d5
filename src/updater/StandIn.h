#pragma once

#include <filesystem>
#include <iosfwd>

namespace updater {

inline constexpr const char* Log_File_Name = "Ethernet_Update.log";

// The folder of the job: the folder the stand-in was started in, where the program starts it beside
// the job it wrote (the data folder of an installed program); when that holds no job, the
// stand-in's own folder, as the real updater is kept beside its job.
std::filesystem::path Find_Job_Folder(const std::filesystem::path& working_folder,
                                      const std::filesystem::path& own_folder);

// Goes through the job in the folder as the real updater would, without any device traffic: each
// operation is named with its progress and its file checked. Everything printed also goes to the
// log beside the job. Returns 0 when every file could go into the device, 1 with the faults named
// on err otherwise.
int Run_Stand_In(const std::filesystem::path& folder, std::ostream& out, std::ostream& err);

} // namespace updater
