#pragma once

#include <chrono>
#include <string>

namespace cfg {

// A moment as people read it, to the minute, the same wherever it is read: "2025-03-04 13:05 UTC".
std::string Utc_Time_Text(std::chrono::system_clock::time_point moment);

} // namespace cfg
