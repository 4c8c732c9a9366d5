#include "core/image/UpdateJob.h"
#include "core/common/ConfigError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

using cfg::image::Update_Job_Folders;
using cfg::test::fixture;
using cfg::test::read_bytes;
using cfg::test::TempDir;

void replace_all(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

class UpdateJob : public testing::Test {
protected:
    TempDir dir;
    Update_Job_Folders folders{dir / "program", dir.path(), dir / "MASTER",
                               dir.path() / "PROJECTS" / "Ship 1"};

    // The fixture job with this run's paths, address and read-back flag filled in.
    std::string expected(const char* name, const std::string& address, bool read_back) const {
        std::string job = read_bytes(fixture(std::string("image/") + name));
        replace_all(job, "{ADDRESS}", address);
        replace_all(job, "{READ_BACK}", read_back ? "1" : "0");
        replace_all(job, "{FIRMWARE}", (folders.Path_Master / "Sim52C40.sim").string());
        for (const char* bank : {"1", "2", "3"})
            replace_all(job, std::string("{BANK") + bank + "}",
                        (folders.Path_Project / "bin" / (std::string("bank") + bank + ".bin")).string());
        return job;
    }

    std::string written() const { return read_bytes(dir / "Ethernet_Update.xml"); }
};

struct JobCase {
    int option;
    bool read_back;
    const char* fixture;
};

std::ostream& operator<<(std::ostream& out, const JobCase& c) {
    return out << "option " << c.option << (c.read_back ? " with" : " without") << " read back";
}

class UpdateJobOption : public UpdateJob, public testing::WithParamInterface<JobCase> {};

TEST_P(UpdateJobOption, WritesTheWholeJob) {
    cfg::image::Compile_XML_Parameter_New_Boot(folders, "192.168.2.205", GetParam().option,
                                               GetParam().read_back);
    EXPECT_EQ(written(), expected(GetParam().fixture, "192.168.2.205", GetParam().read_back));
}

INSTANTIATE_TEST_SUITE_P(Cases, UpdateJobOption,
                         testing::Values(JobCase{0, true, "job_firmware_and_configuration.xml"},
                                         JobCase{0, false, "job_firmware_and_configuration.xml"},
                                         JobCase{1, true, "job_firmware.xml"},
                                         JobCase{1, false, "job_firmware.xml"},
                                         JobCase{2, true, "job_configuration.xml"},
                                         JobCase{2, false, "job_configuration.xml"}));

TEST_F(UpdateJob, TheAddressIsWrittenAsTyped) {
    cfg::image::Compile_XML_Parameter_New_Boot(folders, "192.168.002.205", cfg::image::Update_Firmware,
                                               false);
    EXPECT_EQ(written(), expected("job_firmware.xml", "192.168.002.205", false));
}

TEST_F(UpdateJob, ASecondRunReplacesTheFirstJob) {
    cfg::image::Compile_XML_Parameter_New_Boot(folders, "10.0.0.1",
                                               cfg::image::Update_Firmware_And_Configuration, true);
    cfg::image::Compile_XML_Parameter_New_Boot(folders, "10.0.0.2", cfg::image::Update_Configuration, false);
    EXPECT_EQ(written(), expected("job_configuration.xml", "10.0.0.2", false));
}

TEST_F(UpdateJob, AnOptionTheDialogDoesNotOfferWritesNoJob) {
    for (int option : {-1, 3}) {
        EXPECT_THROW(cfg::image::Compile_XML_Parameter_New_Boot(folders, "10.0.0.1", option, false),
                     cfg::ConfigError);
        EXPECT_FALSE(std::filesystem::exists(dir / "Ethernet_Update.xml"));
    }
}

TEST_F(UpdateJob, AJobThatCannotBeWrittenIsReported) {
    folders.Path_Data = dir / "missing";
    EXPECT_THROW(
        cfg::image::Compile_XML_Parameter_New_Boot(folders, "10.0.0.1", cfg::image::Update_Firmware, false),
        cfg::ConfigError);
}

} // namespace

namespace {

// Only the files the option writes count: a missing firmware image stops "Configuration" nowhere.
TEST_F(UpdateJob, MissingFilesAreThoseTheOptionWouldWrite) {
    using cfg::image::Missing_Job_Files;
    const std::filesystem::path firmware = folders.Path_Master / "Sim52C40.sim";
    const std::filesystem::path bank1 = folders.Path_Project / "bin" / "bank1.bin";
    for (const char* bank : {"bank1.bin", "bank2.bin", "bank3.bin"})
        cfg::test::write_bytes(folders.Path_Project / "bin" / bank, "bank");
    EXPECT_EQ(Missing_Job_Files(folders, cfg::image::Update_Firmware_And_Configuration),
              std::vector{firmware});
    EXPECT_EQ(Missing_Job_Files(folders, cfg::image::Update_Firmware), std::vector{firmware});
    EXPECT_TRUE(Missing_Job_Files(folders, cfg::image::Update_Configuration).empty());

    cfg::test::write_bytes(firmware, "image");
    std::filesystem::remove(bank1);
    EXPECT_TRUE(Missing_Job_Files(folders, cfg::image::Update_Firmware).empty());
    EXPECT_EQ(Missing_Job_Files(folders, cfg::image::Update_Configuration), std::vector{bank1});
}

} // namespace
