#include "core/image/DeviceTest.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

using cfg::image::Echo_Outcome;
using cfg::image::Ping_Answered;
using cfg::image::Ping_No_Answer;
using cfg::image::Ping_None;

constexpr Echo_Outcome R = Echo_Outcome::Reply;
constexpr Echo_Outcome N = Echo_Outcome::No_Reply;
constexpr Echo_Outcome F = Echo_Outcome::Send_Failed;

// A device on a fake clock: each echo takes its time (100 ms for a reply, the whole 400 ms for
// silence) and gives the next scripted outcome, the last one for ever after.
struct FakeDevice {
    std::vector<Echo_Outcome> script;
    std::int64_t clock = 1000;
    int attempts = 0;
    int pauses = 0;
    int stop_at_pause = -1;

    cfg::image::Device_Test_Hooks hooks() {
        return {[this] {
                    const Echo_Outcome outcome =
                        script[std::min(static_cast<std::size_t>(attempts), script.size() - 1)];
                    ++attempts;
                    clock += outcome == N ? cfg::image::Echo_Time_Out_Ms : 100;
                    return outcome;
                },
                [this] { return clock; },
                [this] {
                    clock += cfg::image::Device_Test_Pause_Ms;
                    return pauses++ != stop_at_pause;
                }};
    }
};

struct PingCase {
    const char* name;
    std::vector<Echo_Outcome> script;
    bool answered;
    int ping_res;
    int attempts; // -1: until the 5 s have passed
    int stop_at_pause = -1;
};

std::ostream& operator<<(std::ostream& out, const PingCase& c) {
    return out << c.name;
}

class SendPing : public testing::TestWithParam<PingCase> {};

TEST_P(SendPing, EndsAsTheDeviceAnswers) {
    const PingCase& c = GetParam();
    FakeDevice device{c.script};
    device.stop_at_pause = c.stop_at_pause;
    int ping_res = 7;
    EXPECT_EQ(cfg::image::Send_Ping(device.hooks(), ping_res), c.answered);
    EXPECT_EQ(ping_res, c.ping_res);
    if (c.attempts >= 0) {
        EXPECT_EQ(device.attempts, c.attempts);
    } else {
        // Asked again and again until a little more than 5 s have passed, never much longer.
        EXPECT_GT(device.clock - 1000, cfg::image::Device_Test_Limit_Ms);
        EXPECT_LE(device.clock - 1000, cfg::image::Device_Test_Limit_Ms + cfg::image::Echo_Time_Out_Ms +
                                           cfg::image::Device_Test_Pause_Ms);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SendPing,
    testing::Values(
        PingCase{"a device that answers ends the test after its second answer", {R}, true, Ping_Answered, 2},
        PingCase{"a silent device is asked until the time is up", {N}, false, Ping_No_Answer, -1},
        PingCase{"answers between silences count together", {N, R, N, R}, true, Ping_Answered, 4},
        PingCase{"one answer and then silence: the last reply decides", {R, N}, false, Ping_No_Answer, -1},
        PingCase{"silence and then one late answer: the last reply decides",
                 {N, N, N, N, N, N, N, N, N, N, N, N, R},
                 true,
                 Ping_Answered,
                 13},
        PingCase{"an address that cannot be used ends the test at once", {F}, false, Ping_None, 1},
        PingCase{"a failure after an answer keeps the answer's status", {R, F}, false, Ping_Answered, 2},
        PingCase{"a failure after silence keeps the silence's status", {N, F}, false, Ping_No_Answer, 2},
        PingCase{"a stop during a pause ends the test at once", {R}, false, Ping_Answered, 1, 0}));

TEST(DeviceAddress, JoinsTheFieldsAsTyped) {
    EXPECT_EQ(cfg::image::Device_Address({"192", "168", "002", "205"}), "192.168.002.205");
    EXPECT_EQ(cfg::image::Device_Address({"", " 1", "x", "300"}), ". 1.x.300");
}

} // namespace
