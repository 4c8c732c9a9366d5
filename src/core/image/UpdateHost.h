#pragma once

#include "core/image/UpdateJob.h"

#include <cstdint>
#include <string>

namespace cfg::image {

// What the user asked for, read once before the device test: the address tested is the address
// the job names and the address remembered.
struct Update_Request {
    std::string address; // the four address fields joined with ".", as typed
    int option = Update_Firmware_And_Configuration;
    bool read_back = true;
    bool check_only = false; // the check program checks the job; nothing is sent to the device
};

enum class Update_Phase {
    Testing,           // the device test over the program's own ICMP socket
    Testing_With_Ping, // the device test through the system's ping program
    Updater_Running,
    Check_Running, // the check program, in the updater's place
};

// Where a long step is, for the front end to show.
struct Update_Progress {
    Update_Phase phase = Update_Phase::Testing;
    std::string address; // the address tested, while testing
    std::int64_t elapsed_ms = 0;
    std::int64_t bound_ms = 0; // when the step gives up waiting
};

// The front end the update sequence runs in: its clock, its way of letting time pass while it
// stays alive, and where it shows what is going on.
class Update_Host {
public:
    virtual ~Update_Host() = default;

    // A monotonic clock.
    virtual std::int64_t now_ms() = 0;

    // Lets about ms pass while the front end goes on painting. False when the user has given up:
    // the device test then ends at once. The updater's wait is never given up (it writes the
    // device), so there the answer is not asked for.
    virtual bool pause(int ms) = 0;

    virtual void progress(const Update_Progress& progress) = 0;

    // The device answered at the request's address, before anything is written.
    virtual void device_answered(const Update_Request& request) = 0;
};

} // namespace cfg::image
