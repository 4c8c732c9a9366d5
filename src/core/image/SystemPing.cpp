#include "core/image/SystemPing.h"

#include <algorithm>

namespace cfg::image {
namespace {

// ping's own exit status: 0 a reply came, 1 none came, anything else an error of its own.
constexpr int Ping_Replied = 0;
constexpr int Ping_Silent = 1;

// ping counts its time-out in whole seconds; it gets a second more before it is ended.
constexpr std::int64_t Ping_Grace_Ms = 1000;

} // namespace

Program_Launch System_Ping_Launch(const std::string& target, std::int64_t time_left_ms) {
    const std::int64_t seconds = std::max<std::int64_t>(1, (time_left_ms + 999) / 1000);
    return {"ping",
            {"-n", "-c", "1", "-s", std::to_string(Echo_Data_Size), "-W", std::to_string(seconds), target},
            {},
            true};
}

Device_Test Ping_With_Program(Program_Runner& ping, Update_Host& host, const std::string& target,
                              std::int64_t test_start_ms, int& ping_res) {
    const std::int64_t time_left = Device_Test_Limit_Ms - (host.now_ms() - test_start_ms);
    if (!ping.start(System_Ping_Launch(target, time_left)))
        return Device_Test::Not_Permitted;
    for (;;) {
        const Program_Status status = ping.status();
        const std::int64_t elapsed = host.now_ms() - test_start_ms;
        if (status.state == Program_State::Running && elapsed > Device_Test_Limit_Ms + Ping_Grace_Ms) {
            ping.stop();
            ping_res = Ping_No_Answer;
            return Device_Test::Silent;
        }
        if (status.state == Program_State::Exited && status.exit_code == Ping_Replied) {
            ping_res = Ping_Answered;
            return Device_Test::Answered;
        }
        if (status.state == Program_State::Exited && status.exit_code == Ping_Silent) {
            ping_res = Ping_No_Answer;
            return Device_Test::Silent;
        }
        if (status.state != Program_State::Running)
            return Device_Test::Not_Permitted;
        host.progress({Update_Phase::Testing_With_Ping, target,
                       std::min<std::int64_t>(elapsed, Device_Test_Limit_Ms), Device_Test_Limit_Ms});
        if (!host.pause(Program_Poll_Ms)) {
            ping.stop();
            return Device_Test::Given_Up;
        }
    }
}

} // namespace cfg::image
