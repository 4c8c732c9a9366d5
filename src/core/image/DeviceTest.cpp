#include "core/image/DeviceTest.h"

#include <algorithm>
#include <optional>

namespace cfg::image {
namespace {

// The reply to the request just sent, looked for every 10 ms until it comes or the time-out has
// passed; the front end paints meanwhile and shows how long the test has run.
std::optional<Echo_Reply> await_reply(Echo_Client& echo, Update_Host& host, Update_Progress& progress,
                                      std::int64_t start) {
    const std::int64_t sent = host.now_ms();
    for (;;) {
        const Echo_Reply reply = echo.reply();
        if (reply != Echo_Reply::Waiting)
            return reply;
        const std::int64_t now = host.now_ms();
        if (now - sent >= Echo_Time_Out_Ms)
            return Echo_Reply::No_Reply;
        if (!host.pause(Device_Test_Pause_Ms))
            return std::nullopt;
        progress.elapsed_ms = std::min<std::int64_t>(host.now_ms() - start, Device_Test_Limit_Ms);
        host.progress(progress);
    }
}

} // namespace

std::string Device_Address(const std::array<std::string, 4>& fields) {
    return fields[0] + "." + fields[1] + "." + fields[2] + "." + fields[3];
}

Device_Test Send_Ping(Echo_Client& echo, Update_Host& host, const std::string& target, int& ping_res) {
    ping_res = Ping_None;
    const std::int64_t start = host.now_ms();
    Update_Progress progress{Update_Phase::Testing, target, 0, Device_Test_Limit_Ms};
    host.progress(progress);
    int successes = 0;
    for (;;) {
        switch (echo.send(target, Echo_Data_Size)) {
        case Echo_Send::Sent:
            break;
        case Echo_Send::Failed:
            return Device_Test::Send_Failed;
        case Echo_Send::Not_Permitted:
            return Device_Test::Not_Permitted;
        }
        const std::optional<Echo_Reply> reply = await_reply(echo, host, progress, start);
        if (!reply)
            return Device_Test::Given_Up;
        ping_res = *reply == Echo_Reply::Reply ? Ping_Answered : Ping_No_Answer;
        if (ping_res == Ping_Answered)
            ++successes;
        if (successes >= 2 || host.now_ms() - start > Device_Test_Limit_Ms)
            break;
        if (!host.pause(Device_Test_Pause_Ms))
            return Device_Test::Given_Up;
    }
    return ping_res == Ping_Answered ? Device_Test::Answered : Device_Test::Silent;
}

} // namespace cfg::image
