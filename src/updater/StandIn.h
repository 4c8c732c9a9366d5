#pragma once

#include <filesystem>
#include <iosfwd>

namespace updater {

// Goes through the job Ethernet_Update.xml in the folder as the maker's updater would, without any
// device traffic: each operation is named with its progress and its file checked. Everything
// printed also goes to the log beside the job. Returns the check program's exit code: passed when
// every file could go into the device, faults (named on err) otherwise; never 0, so that a run
// under the maker's name is not taken for an update.
int Run_Stand_In(const std::filesystem::path& folder, std::ostream& out, std::ostream& err);

} // namespace updater
