#include "platform/SocketIcmpEcho.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <thread>

namespace {

using cfg::image::Echo_Reply;
using cfg::image::Echo_Send;

// The reply to the request just sent, looked for as the device test does, for at most a second.
Echo_Reply reply_within_a_second(platform::SocketIcmpEcho& echo) {
    for (int i = 0; i < 100; ++i) {
        const Echo_Reply reply = echo.reply();
        if (reply != Echo_Reply::Waiting)
            return reply;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return Echo_Reply::Waiting;
}

struct LoopbackCase {
    int data_size;
    Echo_Reply reply;
};

void PrintTo(const LoopbackCase& c, std::ostream* out) {
    *out << c.data_size << " data bytes";
}

class SocketIcmpEcho : public testing::TestWithParam<LoopbackCase> {};

// Twice on one echo: the second request must not take the first one's reply for its own.
TEST_P(SocketIcmpEcho, TheLoopbackAddressAnswers) {
    if (!platform::SocketIcmpEcho::available())
        GTEST_SKIP() << "this system allows neither an ICMP datagram socket nor a raw one";
    platform::SocketIcmpEcho echo;
    for (int round = 0; round < 2; ++round) {
        ASSERT_EQ(echo.send("127.0.0.1", GetParam().data_size), Echo_Send::Sent);
        EXPECT_EQ(reply_within_a_second(echo), GetParam().reply);
    }
}

// The device test's 1024 bytes come back; a reply without data does not count.
INSTANTIATE_TEST_SUITE_P(Sizes, SocketIcmpEcho,
                         testing::Values(LoopbackCase{1024, Echo_Reply::Reply},
                                         LoopbackCase{0, Echo_Reply::No_Reply}));

// No name is looked up and nothing is sent for these.
TEST(SocketIcmpEchoAddress, ATextThatIsNoIpv4AddressFailsToSend) {
    platform::SocketIcmpEcho echo;
    for (const char* text : {"localhost", "127.0.0", "127.0.0.1.1", "127.0.0.256", "127.0.x.1", ""}) {
        EXPECT_EQ(echo.send(text, 1024), Echo_Send::Failed) << text;
        EXPECT_EQ(echo.reply(), Echo_Reply::No_Reply) << text;
    }
}

} // namespace
