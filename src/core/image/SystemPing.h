#pragma once

#include "core/image/DeviceTest.h"

#include <cstdint>
#include <string>

namespace cfg::image {

// The system's ping program where this one may open no ICMP socket (it often holds a capability
// the program lacks): one echo of the test's size to target, waiting at most time_left_ms, with
// numeric output so that no name is looked up.
Program_Launch System_Ping_Launch(const std::string& target, std::int64_t time_left_ms);

// The device test through the system's ping, within what is left of the test's 5 s counted from
// test_start_ms. Answered and Silent set ping_res as the echo does; a ping that cannot be started
// or ends in an error of its own (its exit status 2 and above) gives Not_Permitted. A ping that
// outlives the bound is ended and counts as silence.
Device_Test Ping_With_Program(Program_Runner& ping, Update_Host& host, const std::string& target,
                              std::int64_t test_start_ms, int& ping_res);

} // namespace cfg::image
