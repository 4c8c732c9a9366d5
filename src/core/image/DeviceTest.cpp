#include "core/image/DeviceTest.h"

namespace cfg::image {

std::string Device_Address(const std::array<std::string, 4>& fields) {
    return fields[0] + "." + fields[1] + "." + fields[2] + "." + fields[3];
}

bool Send_Ping(const Device_Test_Hooks& hooks, int& ping_res) {
    ping_res = Ping_None;
    const std::int64_t start = hooks.now_ms();
    int successes = 0;
    for (;;) {
        switch (hooks.echo()) {
        case Echo_Outcome::Reply:
            ping_res = Ping_Answered;
            break;
        case Echo_Outcome::No_Reply:
            ping_res = Ping_No_Answer;
            break;
        case Echo_Outcome::Send_Failed:
            return false;
        }
        // The echo has waited for its reply already, so one pause keeps the user interface alive.
        if (!hooks.pause())
            return false;
        if (ping_res == Ping_Answered)
            ++successes;
        if (successes >= 2 || hooks.now_ms() - start > Device_Test_Limit_Ms)
            break;
    }
    return ping_res == Ping_Answered;
}

} // namespace cfg::image
