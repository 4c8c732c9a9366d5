#include "platform/PosixProgramRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>
#include <thread>

namespace {

using cfg::image::Program_State;
using cfg::image::Program_Status;
using cfg::test::read_bytes;
using cfg::test::TempDir;
using cfg::test::write_bytes;

void write_script(const std::filesystem::path& file, const std::string& body) {
    write_bytes(file, "#!/bin/sh\n" + body);
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
}

// The status once the program has ended, looked at as the update does; Running after ten seconds.
Program_Status ended(platform::PosixProgramRunner& runner) {
    for (int i = 0; i < 1000; ++i) {
        const Program_Status status = runner.status();
        if (status.state != Program_State::Running)
            return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return runner.status();
}

struct EndCase {
    const char* name;
    const char* body;
    Program_State state;
    int exit_code;
};

void PrintTo(const EndCase& c, std::ostream* out) {
    *out << c.name;
}

class PosixProgramRunnerEnd : public testing::TestWithParam<EndCase> {};

TEST_P(PosixProgramRunnerEnd, TellsHowTheProgramEnded) {
    TempDir dir;
    write_script(dir / "tool", GetParam().body);
    platform::PosixProgramRunner runner;
    EXPECT_EQ(runner.status().state, Program_State::None);
    ASSERT_TRUE(runner.start({dir / "tool", {}, {}, true}));
    const Program_Status status = ended(runner);
    EXPECT_EQ(status.state, GetParam().state);
    EXPECT_EQ(status.exit_code, GetParam().exit_code);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, PosixProgramRunnerEnd,
    testing::Values(EndCase{"Success", "exit 0\n", Program_State::Exited, 0},
                    EndCase{"Failure", "exit 3\n", Program_State::Exited, 3},
                    EndCase{"KilledBySignal", "kill -9 $$\n", Program_State::Crashed, 0}),
    [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

TEST(PosixProgramRunner, StartsInTheFolderWithTheArguments) {
    TempDir dir;
    std::filesystem::create_directories(dir / "work");
    write_script(dir / "tool", "echo \"$#:$1:$2:$(pwd)\" > record\n");
    platform::PosixProgramRunner runner;
    ASSERT_TRUE(runner.start({dir / "tool", {"first", "second part"}, dir / "work", false}));
    EXPECT_EQ(ended(runner).state, Program_State::Exited);
    EXPECT_EQ(read_bytes(dir / "work" / "record"),
              "2:first:second part:" + std::filesystem::canonical(dir / "work").string() + "\n");
}

TEST(PosixProgramRunner, AProgramThatCannotStartIsNotStarted) {
    TempDir dir;
    write_bytes(dir / "not executable", "#!/bin/sh\n");
    platform::PosixProgramRunner runner;
    EXPECT_FALSE(runner.start({dir / "missing", {}, {}, true}));
    EXPECT_FALSE(runner.start({dir / "not executable", {}, {}, true}));
    EXPECT_EQ(runner.status().state, Program_State::None);
}

TEST(PosixProgramRunner, StopEndsTheProgram) {
    TempDir dir;
    write_script(dir / "tool", "sleep 30\n");
    platform::PosixProgramRunner runner;
    ASSERT_TRUE(runner.start({dir / "tool", {}, {}, true}));
    EXPECT_EQ(runner.status().state, Program_State::Running);
    runner.stop();
    EXPECT_EQ(runner.status().state, Program_State::Crashed);
}

// The updater may still be writing the device when the command-line tool ends.
TEST(PosixProgramRunner, AProgramOutlivesItsRunner) {
    TempDir dir;
    write_script(dir / "tool", "sleep 1\ntouch '" + (dir / "done").string() + "'\n");
    {
        platform::PosixProgramRunner runner;
        ASSERT_TRUE(runner.start({dir / "tool", {}, {}, true}));
    }
    EXPECT_FALSE(std::filesystem::exists(dir / "done"));
    for (int i = 0; i < 1000 && !std::filesystem::exists(dir / "done"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(std::filesystem::exists(dir / "done"));
}

} // namespace
