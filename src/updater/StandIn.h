#pragma once

#include <filesystem>
#include <iosfwd>

namespace updater {

inline constexpr const char* Log_File_Name = "Ethernet_Update.log";

// Goes through the job beside the stand-in as the real updater would, without any device traffic:
// each operation is named with its progress and its file checked. Everything printed also goes to
// the log beside it. Returns 0 when every file could go into the device, 1 with the faults named
// on err otherwise.
int Run_Stand_In(const std::filesystem::path& folder, std::ostream& out, std::ostream& err);

} // namespace updater
