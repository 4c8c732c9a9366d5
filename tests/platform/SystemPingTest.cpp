#include "core/image/SystemPing.h"
#include "platform/PosixProgramRunner.h"
#include "platform/SleepingHost.h"

#include <gtest/gtest.h>

namespace {

// Real time, with nothing to show.
class QuietHost : public platform::SleepingHost {
public:
    void progress(const cfg::image::Update_Progress&) override {}
    void device_answered(const cfg::image::Update_Request&) override {}
};

bool ping_installed() {
    platform::PosixProgramRunner probe;
    return probe.start({"ping", {"-V"}, {}, true});
}

// The system's own ping takes the arguments the device test gives it; only the loopback address.
TEST(SystemPing, TheLoopbackAddressAnswers) {
    if (!ping_installed())
        GTEST_SKIP() << "this system has no ping program (scripts/deps installs iputils-ping)";
    platform::PosixProgramRunner ping;
    QuietHost host;
    int ping_res = 0;
    EXPECT_EQ(cfg::image::Ping_With_Program(ping, host, "127.0.0.1", host.now_ms(), ping_res),
              cfg::image::Device_Test::Answered);
    EXPECT_EQ(ping_res, cfg::image::Ping_Answered);
}

} // namespace
