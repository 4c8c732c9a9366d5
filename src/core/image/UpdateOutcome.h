#pragma once

#include "core/image/DeviceTest.h"
#include "core/image/UpdateServices.h"

#include <filesystem>

namespace cfg::image {

// How one press of "Execute Update Firmware" ended.
enum class Update_Outcome {
    Updated,               // the updater ended with exit code 0: the only success
    Updater_Busy,          // the updater started before still runs: nothing was done
    Address_Unusable,      // not an IPv4 address, or no echo could be sent to it
    Files_Missing,         // a file the option would write into the device is not there
    Device_Silent,         // the device did not answer within the test's 5 s
    Icmp_Not_Permitted,    // no echo can be sent from here: neither a socket nor the system's ping
    Given_Up,              // the user closed the dialog during the device test
    Updater_Missing,       // no updater beside the program
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
};

// What an updater that has ended came to.
Update_Result Updater_Ended(const Program_Status& status);

} // namespace cfg::image
