#include "core/image/UpdateSequence.h"
#include "FakeHost.h"
#include "core/common/ConfigError.h"
#include "core/image/SystemPing.h"
#include "support/TempDir.h"
#include "support/UpdateFakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>

namespace {

using cfg::image::Echo_Reply;
using cfg::image::Echo_Send;
using cfg::image::Ping_Answered;
using cfg::image::Ping_No_Answer;
using cfg::image::Ping_None;
using cfg::image::Program_State;
using cfg::image::Program_Status;
using cfg::image::Update_Outcome;
using cfg::test::read_bytes;
using cfg::test::write_bytes;

// An installed program (its data in a folder of their own) with everything an update of the
// configuration needs, a device at the loopback address that answers, and an updater that ends
// well; each case changes one thing.
struct World {
    cfg::test::TempDir dir;
    cfg::image::Update_Job_Folders folders{dir / "program", dir / "data", dir / "data" / "MASTER",
                                           dir / "data" / "PROJECTS" / "Ship"};
    cfg::image::Update_Request request{"127.0.0.1", cfg::image::Update_Configuration, true};
    cfg::test::FakeEcho echo;
    cfg::test::FakeRunner ping;
    cfg::test::FakeRunner updater;
    cfg::test::FakeHost host;
    std::string job_at_start;               // the job as the updater found it
    std::filesystem::path windows_launcher; // none: Wine is not installed

    World() {
        write_bytes(folders.Path_Master / "Sim52C40.sim", "firmware");
        for (const char* bank : {"bank1.bin", "bank2.bin", "bank3.bin"})
            write_bytes(folders.Path_Project / "bin" / bank, "bank");
        write_bytes(folders.Path_Exe / "Ethernet_Update", "");
        updater.on_start = [this](const cfg::image::Program_Launch&) {
            std::error_code error;
            job_at_start = std::filesystem::exists(job_file(), error) ? read_bytes(job_file()) : "";
        };
    }

    std::filesystem::path job_file() const { return folders.Path_Data / "Ethernet_Update.xml"; }

    cfg::image::Update_Result run() {
        return cfg::image::Run_Update(request, folders, {echo, ping, updater, 20000, windows_launcher}, host);
    }
};

void no_icmp(World& world) {
    world.echo.sending = Echo_Send::Not_Permitted;
}

// A check-only run with the check program beside the program, ending with the exit code.
void check_only(World& world, int exit_code) {
    world.request.check_only = true;
    write_bytes(world.folders.Path_Exe / "configurator-check-update", "");
    world.updater.ends_with = Program_Status{Program_State::Exited, exit_code};
}

// The check program in the maker's updater's place ends with its own exit codes.
void stand_in_as_updater(World& world, int exit_code) {
    world.updater.ends_with = Program_Status{Program_State::Exited, exit_code};
}

struct SequenceCase {
    const char* name;
    std::function<void(World&)> arrange;
    Update_Outcome outcome;
    int ping_res;
    bool device_asked; // by the echo or the system's ping
    bool written;      // the job, and the address remembered
    bool updater_started;
};

std::ostream& operator<<(std::ostream& out, const SequenceCase& c) {
    return out << c.name;
}

class RunUpdate : public testing::TestWithParam<SequenceCase> {};

TEST_P(RunUpdate, EndsWithItsOutcome) {
    const SequenceCase& c = GetParam();
    World world;
    c.arrange(world);
    const std::size_t earlier_starts = world.updater.launches.size();
    const cfg::image::Update_Result result = world.run();
    EXPECT_EQ(result.outcome, c.outcome);
    EXPECT_EQ(result.ping_res, c.ping_res);
    EXPECT_EQ(!world.echo.targets.empty() || !world.ping.launches.empty(), c.device_asked);
    EXPECT_EQ(std::filesystem::exists(world.job_file()), c.written);
    EXPECT_EQ(world.host.answered.size(), c.written ? 1U : 0U);
    EXPECT_EQ(world.updater.launches.size() - earlier_starts, c.updater_started ? 1U : 0U);
    // The updater never starts without its job in place.
    if (c.updater_started) {
        EXPECT_NE(world.job_at_start.find("<IP_Address_Dev>127.0.0.1</IP_Address_Dev>"), std::string::npos);
    }
    // An updater is never stopped: it may be writing the device.
    EXPECT_FALSE(world.updater.stopped);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, RunUpdate,
    testing::Values(
        SequenceCase{"a device that answers and an updater that ends with 0", [](World&) {},
                     Update_Outcome::Updated, Ping_Answered, true, true, true},
        SequenceCase{"the updater started before still runs",
                     [](World& w) {
                         w.updater.ends_with.reset();
                         w.updater.start({"Ethernet_Update", {}, {}, false});
                     },
                     Update_Outcome::Updater_Busy, Ping_None, false, false, false},
        SequenceCase{"an address that is no IPv4 address", [](World& w) { w.request.address = "127.0.0.x"; },
                     Update_Outcome::Address_Unusable, Ping_None, false, false, false},
        SequenceCase{"an address no echo can be sent to",
                     [](World& w) { w.echo.sending = Echo_Send::Failed; }, Update_Outcome::Address_Unusable,
                     Ping_None, true, false, false},
        SequenceCase{"a bank that is missing",
                     [](World& w) { std::filesystem::remove(w.folders.Path_Project / "bin" / "bank2.bin"); },
                     Update_Outcome::Files_Missing, Ping_None, false, false, false},
        SequenceCase{"no updater beside the program",
                     [](World& w) { std::filesystem::remove(w.folders.Path_Exe / "Ethernet_Update"); },
                     Update_Outcome::Updater_Missing, Ping_None, false, false, false},
        SequenceCase{"the maker's updater in the data folder of an installed program",
                     [](World& w) {
                         std::filesystem::rename(w.folders.Path_Exe / "Ethernet_Update",
                                                 w.folders.Path_Data / "Ethernet_Update");
                     },
                     Update_Outcome::Updated, Ping_Answered, true, true, true},
        SequenceCase{"check only, and every file could go into the device",
                     [](World& w) { check_only(w, cfg::image::Check_Passed_Exit_Code); },
                     Update_Outcome::Checked, Ping_Answered, true, true, true},
        SequenceCase{"check only, and the check finds faults",
                     [](World& w) { check_only(w, cfg::image::Check_Faults_Exit_Code); },
                     Update_Outcome::Check_Faults, Ping_Answered, true, true, true},
        SequenceCase{"check only, by a program that ends with 0", [](World& w) { check_only(w, 0); },
                     Update_Outcome::Updater_Failed, Ping_Answered, true, true, true},
        SequenceCase{"check only, without the check program", [](World& w) { w.request.check_only = true; },
                     Update_Outcome::Updater_Missing, Ping_None, false, false, false},
        SequenceCase{"the check program under the maker's name, finding every file fit",
                     [](World& w) { stand_in_as_updater(w, cfg::image::Check_Passed_Exit_Code); },
                     Update_Outcome::Stand_In_As_Updater, Ping_Answered, true, true, true},
        SequenceCase{"the check program under the maker's name, finding faults",
                     [](World& w) { stand_in_as_updater(w, cfg::image::Check_Faults_Exit_Code); },
                     Update_Outcome::Stand_In_As_Updater, Ping_Answered, true, true, true},
        SequenceCase{"a device that never replies", [](World& w) { w.echo.replies = {Echo_Reply::Waiting}; },
                     Update_Outcome::Device_Silent, Ping_No_Answer, true, false, false},
        SequenceCase{"the window closed during the test", [](World& w) { w.host.give_up_at = 0; },
                     Update_Outcome::Given_Up, Ping_Answered, true, false, false},
        SequenceCase{"no ICMP socket, and the system's ping hears the device", no_icmp,
                     Update_Outcome::Updated, Ping_Answered, true, true, true},
        SequenceCase{"no ICMP socket, and the system's ping hears nothing",
                     [](World& w) {
                         no_icmp(w);
                         w.ping.ends_with = Program_Status{Program_State::Exited, 1};
                     },
                     Update_Outcome::Device_Silent, Ping_No_Answer, true, false, false},
        SequenceCase{"no ICMP socket, and the system's ping fails itself",
                     [](World& w) {
                         no_icmp(w);
                         w.ping.ends_with = Program_Status{Program_State::Exited, 2};
                     },
                     Update_Outcome::Icmp_Not_Permitted, Ping_None, true, false, false},
        SequenceCase{"no ICMP socket and no ping program",
                     [](World& w) {
                         no_icmp(w);
                         w.ping.starts = false;
                     },
                     Update_Outcome::Icmp_Not_Permitted, Ping_None, true, false, false},
        SequenceCase{"an updater that cannot be started", [](World& w) { w.updater.starts = false; },
                     Update_Outcome::Updater_Not_Started, Ping_Answered, true, true, true},
        SequenceCase{"an updater that ends with another exit code",
                     [](World& w) {
                         w.updater.ends_with = Program_Status{Program_State::Exited, 3};
                     },
                     Update_Outcome::Updater_Failed, Ping_Answered, true, true, true},
        SequenceCase{"an updater the system ends",
                     [](World& w) {
                         w.updater.ends_with = Program_Status{Program_State::Crashed, 0};
                     },
                     Update_Outcome::Updater_Crashed, Ping_Answered, true, true, true},
        SequenceCase{"an updater that outlives the wait", [](World& w) { w.updater.ends_with.reset(); },
                     Update_Outcome::Updater_Still_Running, Ping_Answered, true, true, true}));

// What the messages need: the exit code, the file, how long the wait was.
TEST(RunUpdate, TellsTheDetailsOfItsOutcome) {
    World failed;
    failed.updater.ends_with = Program_Status{Program_State::Exited, 3};
    EXPECT_EQ(failed.run().exit_code, 3);

    World missing;
    std::filesystem::remove(missing.folders.Path_Master / "Sim52C40.sim");
    missing.request.option = cfg::image::Update_Firmware;
    EXPECT_EQ(missing.run().file, missing.folders.Path_Master / "Sim52C40.sim");

    World late;
    late.updater.ends_with.reset();
    const cfg::image::Update_Result result = late.run();
    EXPECT_EQ(result.file, late.folders.Path_Exe / "Ethernet_Update");
    EXPECT_GE(result.waited_ms, 20000);
    EXPECT_LT(result.waited_ms, 20000 + cfg::image::Program_Poll_Ms);
    EXPECT_EQ(late.host.shown.back().phase, cfg::image::Update_Phase::Updater_Running);
    EXPECT_EQ(late.host.shown.back().bound_ms, 20000);
}

// What is tested is what the job names and what is remembered: the address as typed goes into the
// job, while the echo gets the same address in the form every system reads alike.
TEST(RunUpdate, TestsTheAddressItWritesAndRemembers) {
    World world;
    world.request.address = "127.000.0.01";
    world.request.read_back = false;
    EXPECT_EQ(world.run().outcome, Update_Outcome::Updated);
    EXPECT_EQ(world.echo.targets.front(), "127.0.0.1");
    ASSERT_EQ(world.host.answered.size(), 1U);
    EXPECT_EQ(world.host.answered[0].address, "127.000.0.01");
    EXPECT_FALSE(world.host.answered[0].read_back);
    const std::string job = read_bytes(world.job_file());
    EXPECT_NE(job.find("<IP_Address_Dev>127.000.0.01</IP_Address_Dev>"), std::string::npos);
    EXPECT_EQ(job.find("<Ope_Read_Back>1</Ope_Read_Back>"), std::string::npos);
}

// The program's folder of an installed program cannot be written: the updater finds its job in the
// folder it is started in.
TEST(RunUpdate, StartsTheUpdaterInTheFolderOfItsJobWithoutParameters) {
    World world;
    world.run();
    ASSERT_EQ(world.updater.launches.size(), 1U);
    const cfg::image::Program_Launch& launch = world.updater.launches[0];
    EXPECT_EQ(launch.program, world.folders.Path_Exe / "Ethernet_Update");
    EXPECT_TRUE(launch.arguments.empty());
    EXPECT_EQ(launch.working_folder, world.folders.Path_Data);
    EXPECT_FALSE(std::filesystem::exists(world.folders.Path_Exe / "Ethernet_Update.xml"));
    EXPECT_FALSE(launch.quiet);
}

struct CheckProgramCase {
    const char* name;
    std::filesystem::path placed; // below the temporary folder; the program's folder is bin
    bool found;
};

std::ostream& operator<<(std::ostream& out, const CheckProgramCase& c) {
    return out << c.name;
}

class FindCheckProgram : public testing::TestWithParam<CheckProgramCase> {};

// Beside a copy of the program in a folder of its own; off the search path in an installation.
TEST_P(FindCheckProgram, LooksBesideTheProgramThenInItsInstallation) {
    const cfg::test::TempDir dir;
    if (!GetParam().placed.empty())
        write_bytes(dir.path() / GetParam().placed, "");
    const cfg::image::Found_Program found = cfg::image::Find_Check_Program(dir / "bin");
    EXPECT_EQ(found.found, GetParam().found);
    EXPECT_EQ(found.file,
              dir.path() / (GetParam().found ? GetParam().placed : "bin/configurator-check-update"));
    EXPECT_TRUE(found.launcher.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, FindCheckProgram,
    testing::Values(CheckProgramCase{"portable", "bin/configurator-check-update", true},
                    CheckProgramCase{"installed", "libexec/configurator/configurator-check-update", true},
                    CheckProgramCase{"missing", "", false}),
    [](const auto& info) {
        std::string name = info.param.name;
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    });

// The maker's Windows build runs through Wine where only it is there; without Wine the user is
// told so rather than that no updater is there.
TEST(RunUpdate, StartsTheMakersWindowsBuildThroughWine) {
    World world;
    std::filesystem::remove(world.folders.Path_Exe / "Ethernet_Update");
    write_bytes(world.folders.Path_Data / "Ethernet_Update.exe", "");
#ifdef _WIN32
    EXPECT_EQ(world.run().outcome, Update_Outcome::Updated);
#else
    const cfg::image::Update_Result without_wine = world.run();
    EXPECT_EQ(without_wine.outcome, Update_Outcome::Updater_Needs_Wine);
    EXPECT_EQ(without_wine.file, world.folders.Path_Data / "Ethernet_Update.exe");
    EXPECT_TRUE(world.updater.launches.empty());

    world.windows_launcher = "/usr/bin/wine";
    EXPECT_EQ(world.run().outcome, Update_Outcome::Updated);
    ASSERT_EQ(world.updater.launches.size(), 1U);
    EXPECT_EQ(world.updater.launches[0].program, "/usr/bin/wine");
    EXPECT_EQ(world.updater.launches[0].arguments,
              std::vector<std::string>{(world.folders.Path_Data / "Ethernet_Update.exe").string()});
    EXPECT_EQ(world.updater.launches[0].working_folder, world.folders.Path_Data);
#endif
}

// With no updater anywhere, the user is told to put it into the data folder, which can be written.
TEST(RunUpdate, AMissingUpdaterIsExpectedInTheDataFolder) {
    World world;
    std::filesystem::remove(world.folders.Path_Exe / "Ethernet_Update");
    EXPECT_EQ(world.run().file, world.folders.Path_Data / "Ethernet_Update");
}

// A check that outlives the wait, and its late end, are told as the check's.
TEST(RunUpdate, ALateCheckEndsAsACheck) {
    World world;
    check_only(world, cfg::image::Check_Passed_Exit_Code);
    world.updater.ends_with.reset();
    const cfg::image::Update_Result late = world.run();
    EXPECT_EQ(late.outcome, Update_Outcome::Updater_Still_Running);
    EXPECT_TRUE(late.check_only);
    EXPECT_EQ(world.host.shown.back().phase, cfg::image::Update_Phase::Check_Running);
    const cfg::image::Update_Result ended =
        cfg::image::Updater_Ended({Program_State::Exited, cfg::image::Check_Faults_Exit_Code}, late);
    EXPECT_EQ(ended.outcome, Update_Outcome::Check_Faults);
    EXPECT_EQ(ended.log, world.folders.Path_Data / "configurator-check-update.log");
}

TEST(RunUpdate, AJobThatCannotBeWrittenStartsNoUpdater) {
    World world;
    std::filesystem::create_directories(world.job_file() / "in the way");
    EXPECT_THROW(world.run(), cfg::ConfigError);
    EXPECT_EQ(world.host.answered.size(), 1U);
    EXPECT_TRUE(world.updater.launches.empty());
}

// The system's ping is asked once, by number, within what is left of the test's 5 s; one that
// outlives them is ended.
TEST(RunUpdate, TheSystemsPingIsBoundByTheTest) {
    World world;
    no_icmp(world);
    world.request.address = "127.0.0.001";
    world.ping.ends_with.reset();
    EXPECT_EQ(world.run().outcome, Update_Outcome::Device_Silent);
    ASSERT_EQ(world.ping.launches.size(), 1U);
    EXPECT_EQ(world.ping.launches[0].arguments.back(), "127.0.0.1");
    EXPECT_TRUE(world.ping.launches[0].quiet);
    EXPECT_TRUE(world.ping.stopped);
    EXPECT_LE(world.host.clock - 1000, cfg::image::Device_Test_Limit_Ms + 1000 + cfg::image::Program_Poll_Ms);
    EXPECT_EQ(world.host.shown.back().phase, cfg::image::Update_Phase::Testing_With_Ping);
    EXPECT_EQ(world.host.shown.back().elapsed_ms, cfg::image::Device_Test_Limit_Ms);
}

struct PingLaunchCase {
    std::int64_t time_left_ms;
    const char* wait;
};

class SystemPingLaunch : public testing::TestWithParam<PingLaunchCase> {};

// ping waits whole seconds: the time left is rounded up, and at least one second is given.
TEST_P(SystemPingLaunch, AsksOnceByNumber) {
    const cfg::image::Program_Launch launch =
        cfg::image::System_Ping_Launch("10.0.0.7", GetParam().time_left_ms);
    EXPECT_EQ(launch.program, "ping");
    EXPECT_EQ(launch.arguments,
              (std::vector<std::string>{"-n", "-c", "1", "-s", "1024", "-W", GetParam().wait, "10.0.0.7"}));
}

INSTANTIATE_TEST_SUITE_P(Waits, SystemPingLaunch,
                         testing::Values(PingLaunchCase{5000, "5"}, PingLaunchCase{4001, "5"},
                                         PingLaunchCase{1, "1"}, PingLaunchCase{0, "1"},
                                         PingLaunchCase{-300, "1"}));

} // namespace
