#include "core/image/DeviceTest.h"
#include "FakeHost.h"
#include "support/UpdateFakes.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

namespace {

using cfg::image::Device_Test;
using cfg::image::Echo_Reply;
using cfg::image::Echo_Send;
using cfg::image::Ping_Answered;
using cfg::image::Ping_No_Answer;
using cfg::image::Ping_None;

constexpr Echo_Reply R = Echo_Reply::Reply;
constexpr Echo_Reply N = Echo_Reply::No_Reply; // an error reply, or one without data
constexpr Echo_Reply W = Echo_Reply::Waiting;  // silence: the request times out

struct PingCase {
    const char* name;
    std::vector<Echo_Reply> replies;
    Echo_Send sending;
    Device_Test result;
    int ping_res;
    int attempts;        // -1: until the 5 s have passed
    int give_up_at = -1; // the pause at which the user closes the window
};

std::ostream& operator<<(std::ostream& out, const PingCase& c) {
    return out << c.name;
}

class SendPing : public testing::TestWithParam<PingCase> {};

// Replies come 100 ms after their request; silence lasts the whole 400 ms.
TEST_P(SendPing, EndsAsTheDeviceAnswers) {
    const PingCase& c = GetParam();
    cfg::test::FakeHost host;
    host.give_up_at = c.give_up_at;
    cfg::test::FakeEcho echo;
    echo.replies = c.replies;
    echo.sending = c.sending;
    echo.clock = [&host] { return host.clock; };
    echo.reply_delay_ms = 100;
    int ping_res = 7;
    EXPECT_EQ(cfg::image::Send_Ping(echo, host, "10.0.0.7", ping_res), c.result);
    EXPECT_EQ(ping_res, c.ping_res);
    EXPECT_EQ(echo.data_size, c.attempts == 0 ? 0 : cfg::image::Echo_Data_Size);
    if (c.attempts >= 0) {
        EXPECT_EQ(static_cast<int>(echo.targets.size()), c.attempts);
    } else {
        // Asked again and again until a little more than 5 s have passed, never much longer.
        EXPECT_GT(host.clock - 1000, cfg::image::Device_Test_Limit_Ms);
        EXPECT_LE(host.clock - 1000, cfg::image::Device_Test_Limit_Ms + cfg::image::Echo_Time_Out_Ms +
                                         2 * cfg::image::Device_Test_Pause_Ms);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SendPing,
    testing::Values(
        PingCase{"a device that answers ends the test after its second answer",
                 {R},
                 Echo_Send::Sent,
                 Device_Test::Answered,
                 Ping_Answered,
                 2},
        PingCase{"a silent device is asked until the time is up",
                 {W},
                 Echo_Send::Sent,
                 Device_Test::Silent,
                 Ping_No_Answer,
                 -1},
        PingCase{
            "error replies count as silence", {N}, Echo_Send::Sent, Device_Test::Silent, Ping_No_Answer, -1},
        PingCase{"answers between silences count together",
                 {W, R, W, R},
                 Echo_Send::Sent,
                 Device_Test::Answered,
                 Ping_Answered,
                 4},
        PingCase{"one answer and then silence: the last reply decides",
                 {R, W},
                 Echo_Send::Sent,
                 Device_Test::Silent,
                 Ping_No_Answer,
                 -1},
        PingCase{"silence and then one late answer: the last reply decides",
                 {W, W, W, W, W, W, W, W, W, W, W, W, R},
                 Echo_Send::Sent,
                 Device_Test::Answered,
                 Ping_Answered,
                 13},
        PingCase{"an echo that cannot be sent ends the test at once",
                 {R},
                 Echo_Send::Failed,
                 Device_Test::Send_Failed,
                 Ping_None,
                 1},
        PingCase{"a system without ICMP ends the test at once",
                 {R},
                 Echo_Send::Not_Permitted,
                 Device_Test::Not_Permitted,
                 Ping_None,
                 1},
        PingCase{"closing during the wait for a reply ends the test",
                 {W},
                 Echo_Send::Sent,
                 Device_Test::Given_Up,
                 Ping_None,
                 1,
                 3},
        PingCase{"closing between two attempts keeps the last status",
                 {R},
                 Echo_Send::Sent,
                 Device_Test::Given_Up,
                 Ping_Answered,
                 1,
                 10}));

// The test says what it does from its start, and never shows more time than its bound.
TEST(SendPing, ShowsTheTargetAndTheTimeWithinTheBound) {
    cfg::test::FakeHost host;
    cfg::test::FakeEcho echo;
    echo.replies = {W};
    int ping_res = 0;
    cfg::image::Send_Ping(echo, host, "10.0.0.7", ping_res);
    ASSERT_FALSE(host.shown.empty());
    EXPECT_EQ(host.shown.front().elapsed_ms, 0);
    for (const cfg::image::Update_Progress& shown : host.shown) {
        EXPECT_EQ(shown.phase, cfg::image::Update_Phase::Testing);
        EXPECT_EQ(shown.address, "10.0.0.7");
        EXPECT_EQ(shown.bound_ms, cfg::image::Device_Test_Limit_Ms);
        EXPECT_LE(shown.elapsed_ms, shown.bound_ms);
    }
    EXPECT_EQ(host.shown.back().elapsed_ms, cfg::image::Device_Test_Limit_Ms);
}

TEST(DeviceAddress, JoinsTheFieldsAsTyped) {
    EXPECT_EQ(cfg::image::Device_Address({"192", "168", "002", "205"}), "192.168.002.205");
    EXPECT_EQ(cfg::image::Device_Address({"", " 1", "x", "300"}), ". 1.x.300");
}

} // namespace
