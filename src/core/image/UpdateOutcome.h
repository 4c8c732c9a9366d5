#pragma once

#include "core/image/DeviceTest.h"
#include "core/image/UpdateServices.h"

#include <filesystem>

namespace cfg::image {

// How one press of "Execute Update Firmware" ended. A check-only run starts the check program in
// the updater's place; its outcomes say "updater" for that program.
enum class Update_Outcome {
    Updated,               // the maker's updater ended with exit code 0: the only success
    Checked,               // the check program found every file fit to go into the device
    Check_Faults,          // the check program found faults; nothing was sent
    Stand_In_As_Updater,   // the program found as the maker's updater is the check program
    Updater_Busy,          // the updater started before still runs: nothing was done
    Address_Unusable,      // not an IPv4 address, or no echo could be sent to it
    Files_Missing,         // a file the option would write into the device is not there
    Device_Silent,         // the device did not answer within the test's 5 s
    Icmp_Not_Permitted,    // no echo can be sent from here: neither a socket nor the system's ping
    Given_Up,              // the user closed the dialog during the device test
    Updater_Missing,       // no updater beside the program or in the data folder
    Updater_Needs_Wine,    // only the maker's Windows build is there, and nothing here can run it
    Updater_Not_Started,   // it is there but could not be started
    Updater_Failed,        // it ended with another exit code
    Updater_Crashed,       // it was ended by the system, without an exit code
    Updater_Still_Running, // it still ran when the wait's bound passed, and goes on on its own
};

struct Update_Result {
    Update_Outcome outcome = Update_Outcome::Updated;
    int ping_res = Ping_None;
    int exit_code = 0;            // of Updater_Failed
    std::filesystem::path file{}; // the missing file, or the updater that is missing or would not start
    std::int64_t waited_ms = 0;   // of Updater_Still_Running
    bool check_only = false;      // the check program ran, or was to run, in the updater's place
    std::filesystem::path log{};  // the check program's log
};

// What an updater that has ended came to; running is the result of the run that started it (its
// program, log and kind). The check program is known by its exit codes, under any name.
Update_Result Updater_Ended(const Program_Status& status, const Update_Result& running);

} // namespace cfg::image
