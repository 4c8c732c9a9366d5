#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace cfg::image {

// ping_res of the update dialog: the status of the last ICMP echo.
inline constexpr int Ping_None = 0;
inline constexpr int Ping_Answered = 1;
inline constexpr int Ping_No_Answer = 2;

// The device test's echo: IPv4, 1024 data bytes, a reply awaited at most 400 ms; the whole test
// gives up after 5 s and pauses 10 ms between attempts.
inline constexpr int Echo_Data_Size = 1024;
inline constexpr int Echo_Time_Out_Ms = 400;
inline constexpr int Device_Test_Limit_Ms = 5000;
inline constexpr int Device_Test_Pause_Ms = 10;

// What one echo request came to: a reply with data, none within the time-out (or an error reply),
// or a request that could not be sent at all (an unusable address, no ICMP available).
enum class Echo_Outcome { Reply, No_Reply, Send_Failed };

// The world the device test runs in, so that it can run against fakes and a fake clock.
struct Device_Test_Hooks {
    std::function<Echo_Outcome()> echo;   // one request to the device, its reply awaited
    std::function<std::int64_t()> now_ms; // a monotonic clock
    std::function<bool()> pause;          // about 10 ms; false when the test is to stop at once
};

// The echo target: the four address fields joined with ".", exactly as typed.
std::string Device_Address(const std::array<std::string, 4>& fields);

// Asks the device until it has answered twice, or for a little more than 5 s; the last reply
// decides. ping_res is cleared once at the start and then holds the last attempt's status. A
// request that cannot be sent, or a pause that asks to stop, ends the test at once with false and
// ping_res as it was.
bool Send_Ping(const Device_Test_Hooks& hooks, int& ping_res);

} // namespace cfg::image
