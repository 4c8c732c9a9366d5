#include "core/app/ConfigurationLock.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <string>
#include <vector>

namespace {

using cfg::test::TempDir;
using namespace std::chrono_literals;

// Another holder at the moment of asking: the wait is told, and ends with a message naming the
// configuration once the limit has passed.
TEST(ConfigurationLock, AConfigurationHeldElsewhereIsRefusedAfterTheWait) {
    const TempDir dir;
    const cfg::Configuration_Lock held(dir.path(), 0ms, [](const std::string& told) { FAIL() << told; });
    std::vector<std::string> told;
    try {
        cfg::Configuration_Lock(dir.path(), 1s, [&told](const std::string& text) { told.push_back(text); });
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Another command is still changing the configuration \"" + dir.path().string() +
                      "\" after 1 s; nothing was done. Try again when it has ended.");
    }
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0], "Another command is changing the configuration \"" + dir.path().string() +
                           "\"; waiting for it to end (at most 1 s).");
}

// The waiting one goes on as soon as the holder lets go (here: once it has said that it waits).
TEST(ConfigurationLock, AWaitEndsWhenTheHolderLetsGo) {
    const TempDir dir;
    std::optional<cfg::Configuration_Lock> held;
    held.emplace(dir.path(), 0ms, [](const std::string&) {});
    std::promise<void> waiting;
    std::future<void> other = std::async(std::launch::async, [&] {
        cfg::Configuration_Lock(dir.path(), 60s, [&waiting](const std::string&) { waiting.set_value(); });
    });
    waiting.get_future().wait();
    held.reset();
    EXPECT_NO_THROW(other.get());
}

TEST(ConfigurationLock, AFolderThatTakesNoLockFileIsNamed) {
    const TempDir dir;
    try {
        cfg::Configuration_Lock(dir / "missing", 0ms, [](const std::string&) {});
        FAIL() << "no error";
    } catch (const cfg::ConfigError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot lock the configuration \"" + (dir / "missing").string() +
                                                 "\": No such file or directory");
    }
}

} // namespace
