#pragma once

#include "core/image/UpdateHost.h"
#include "core/image/UpdateOutcome.h"
#include "core/image/UpdaterProgram.h"

#include <cstdint>

namespace cfg::image {

struct Update_Services {
    Echo_Client& echo;
    Program_Runner& ping;    // the system's ping, where no ICMP socket may be opened
    Program_Runner& updater; // lives as long as the front end, so a late updater blocks a new start
    std::int64_t updater_wait_limit_ms = Updater_Wait_Limit_Ms;
    std::filesystem::path windows_launcher{}; // runs a Windows build of the maker's updater; empty: none
};

// "Execute Update Firmware", the same in both front ends. Nothing is done while the updater started
// before still runs. The address is checked, then that the files the option writes into the device
// and the updater are there (for a check-only run, the check program in its place); the device is tested
// (through the system's ping where no ICMP socket may be opened); only when it answered is the host told, the
// job written and the updater started and waited for. The bank files are compiled before, when step 6 starts.
// A job that cannot be written raises ConfigError and the updater is not started.
Update_Result Run_Update(const Update_Request& request, const Update_Job_Folders& folders,
                         const Update_Services& services, Update_Host& host);

} // namespace cfg::image
