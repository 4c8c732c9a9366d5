#include "core/image/UpdateTexts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using cfg::image::Update_Outcome;
using cfg::image::Update_Phase;
using cfg::image::Update_Result;

struct MessageCase {
    const char* name;
    Update_Result result;
    std::string message;
};

std::ostream& operator<<(std::ostream& out, const MessageCase& c) {
    return out << c.name;
}

class UpdateMessage : public testing::TestWithParam<MessageCase> {};

TEST_P(UpdateMessage, SaysHowTheUpdateEnded) {
    EXPECT_EQ(cfg::image::Update_Message(cfg::default_texts(), GetParam().result), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, UpdateMessage,
    testing::Values(
        MessageCase{
            "done", {Update_Outcome::Updated}, "The update is done: the updater ended without errors."},
        MessageCase{"silent", {Update_Outcome::Device_Silent}, "Device Not Found!"},
        MessageCase{"address", {Update_Outcome::Address_Unusable}, "Error!!! Check the Ip Address"},
        MessageCase{"a missing file",
                    {Update_Outcome::Files_Missing, 0, 0, "/p/MASTER/Sim52C40.sim"},
                    "The update was not started: a file it would write into the device is missing: "
                    "/p/MASTER/Sim52C40.sim"},
        MessageCase{"no updater",
                    {Update_Outcome::Updater_Missing, 0, 0, "/p/Ethernet_Update"},
                    "The updater was not found. It is expected here: /p/Ethernet_Update"},
        MessageCase{
            "no start",
            {Update_Outcome::Updater_Not_Started, 0, 0, "/p/Ethernet_Update"},
            "The updater could not be started. Check that it is an executable program: /p/Ethernet_Update"},
        MessageCase{"exit code",
                    {Update_Outcome::Updater_Failed, 1, 3},
                    "The updater ended with exit code 3: the device may not have been updated."},
        MessageCase{"still running",
                    {Update_Outcome::Updater_Still_Running, 1, 0, "/p/Ethernet_Update", 150000},
                    "The updater is still running after 150 s. It goes on by itself; a new update can start "
                    "when it has ended."},
        MessageCase{"given up", {Update_Outcome::Given_Up}, ""},
        MessageCase{"checked",
                    {Update_Outcome::Checked, 1, 0, "/p/configurator-check-update", 0, true},
                    "The files were checked: every file could go into the device. Nothing was sent to the "
                    "device."},
        MessageCase{"check faults",
                    {Update_Outcome::Check_Faults, 1, 0, "/p/configurator-check-update", 0, true,
                     "/d/configurator-check-update.log"},
                    "The files were checked and faults were found; the check's log names them: "
                    "/d/configurator-check-update.log. Nothing was sent to the device."},
        MessageCase{"the check program as the maker's updater",
                    {Update_Outcome::Stand_In_As_Updater, 1, 0, "/d/Ethernet_Update"},
                    "The updater found at /d/Ethernet_Update is the check program, not the maker's updater: "
                    "the files were checked, but nothing was sent to the device. Put the maker's updater "
                    "there in its place."},
        MessageCase{
            "only the Windows build",
            {Update_Outcome::Updater_Needs_Wine, 0, 0, "/d/Ethernet_Update.exe"},
            "Only the Windows build of the maker's updater is there, and Wine, which would run it, is "
            "not installed: /d/Ethernet_Update.exe"},
        MessageCase{"no check program",
                    {Update_Outcome::Updater_Missing, 0, 0, "/p/configurator-check-update", 0, true},
                    "The check program was not found. It is expected here: /p/configurator-check-update"},
        MessageCase{"the check program does not start",
                    {Update_Outcome::Updater_Not_Started, 1, 0, "/p/configurator-check-update", 0, true},
                    "The check program could not be started. Check that it is an executable program: "
                    "/p/configurator-check-update"},
        MessageCase{"the check program's own exit code",
                    {Update_Outcome::Updater_Failed, 1, 2, "/p/configurator-check-update", 0, true},
                    "The check program ended with exit code 2. Nothing was sent to the device."},
        MessageCase{"the check program ended",
                    {Update_Outcome::Updater_Crashed, 1, 0, "/p/configurator-check-update", 0, true},
                    "The check program was ended before it finished. Nothing was sent to the device."},
        MessageCase{
            "the check program still running",
            {Update_Outcome::Updater_Still_Running, 1, 0, "/p/configurator-check-update", 150000, true},
            "The check program is still running after 150 s. Nothing is sent to the device; a new "
            "update can start when it has ended."}));

TEST(UpdateProgress, SaysWhatRunsAndForHowLong) {
    const cfg::Lang_Strings texts = cfg::default_texts();
    const cfg::image::Update_Progress testing{Update_Phase::Testing, "192.168.2.205", 2500, 5000};
    EXPECT_EQ(cfg::image::Progress_Status(texts, testing), "Testing 192.168.2.205 \u2026");
    EXPECT_EQ(cfg::image::Progress_Seconds(texts, testing), "2 s of 5 s");
    const cfg::image::Update_Progress waiting{Update_Phase::Updater_Running, "", 12999, 150000};
    EXPECT_EQ(cfg::image::Progress_Status(texts, waiting) + " " +
                  cfg::image::Progress_Seconds(texts, waiting),
              "Updater running \u2026 12 s of 150 s");
    const cfg::image::Update_Progress checking{Update_Phase::Check_Running, "", 0, 150000};
    EXPECT_EQ(cfg::image::Progress_Status(texts, checking), "Checking the job and its files \u2026");
}

} // namespace
