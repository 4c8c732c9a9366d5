#pragma once

#include "core/image/UpdateHost.h"
#include "core/image/UpdateServices.h"

#include <array>
#include <string>

namespace cfg::image {

// ping_res of the update dialog: the status of the last ICMP echo.
inline constexpr int Ping_None = 0;
inline constexpr int Ping_Answered = 1;
inline constexpr int Ping_No_Answer = 2;

// The device test's echo: IPv4, 1024 data bytes, a reply awaited at most 400 ms, looked for every
// 10 ms; the whole test gives up after 5 s.
inline constexpr int Echo_Data_Size = 1024;
inline constexpr int Echo_Time_Out_Ms = 400;
inline constexpr int Device_Test_Limit_Ms = 5000;
inline constexpr int Device_Test_Pause_Ms = 10;

enum class Device_Test {
    Answered,
    Silent,
    Send_Failed,   // an echo could not be sent to the address
    Not_Permitted, // no ICMP socket may be opened here, nor could the system's ping be used
    Given_Up,      // the user gave up while it ran
};

// The echo target: the four address fields joined with ".", exactly as typed.
std::string Device_Address(const std::array<std::string, 4>& fields);

// Asks the device at target (dotted decimal) until it has answered twice, or for a little more
// than 5 s; the last reply decides. ping_res is cleared once at the start and then holds the last
// attempt's status. An echo that cannot be sent, or a pause the user ends, stops the test at once
// with ping_res as it was.
Device_Test Send_Ping(Echo_Client& echo, Update_Host& host, const std::string& target, int& ping_res);

} // namespace cfg::image
