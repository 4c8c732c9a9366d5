#include "updater/StandIn.h"

#include "core/common/ConfigError.h"
#include "core/common/IpAddress.h"
#include "core/common/PathText.h"
#include "core/common/SafeFile.h"
#include "core/image/UpdateJob.h"
#include "core/image/UpdaterProgram.h"
#include "updater/OperationCheck.h"

#include <ostream>
#include <string>
#include <vector>

namespace updater {
namespace {

// Lines for the screen and the log alike.
class Report {
public:
    Report(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

    void line(const std::string& text) {
        out_ << text << '\n' << std::flush;
        log_ += text + '\n';
    }
    void fault(const std::string& text) {
        err_ << "Fault: " << text << '\n';
        log_ += "Fault: " + text + '\n';
        ++faults_;
    }
    int faults() const { return faults_; }

    // The log could not be written: that is a fault too, told on the screen only.
    void write_log(const std::filesystem::path& file) {
        try {
            cfg::write_file_safely(file, log_);
        } catch (const cfg::ConfigError& error) {
            err_ << "Fault: " << error.what() << '\n';
            ++faults_;
        }
    }

private:
    std::ostream& out_;
    std::ostream& err_;
    std::string log_;
    int faults_ = 0;
};

std::string operation_line(std::size_t number, std::size_t count, const Job_Operation& operation) {
    return "[" + std::to_string(number) + "/" + std::to_string(count) + "] " +
           (operation.firmware ? "firmware " : "configuration bank ") + cfg::utf8_path(operation.file) +
           " at " + operation.start_address + (operation.read_back ? ", read back" : "");
}

void check_job(const Update_Job& job, Report& report) {
    if (!cfg::Check_IP_Address(job.device_address).valid)
        report.fault("The device address \"" + job.device_address + "\" is not an IPv4 address.");
    report.line("Device " + job.device_address + ", boot port " + job.boot_port + ": " +
                std::to_string(job.operations.size()) + " operations");
    for (std::size_t i = 0; i < job.operations.size(); ++i) {
        const Job_Operation& operation = job.operations[i];
        report.line(operation_line(i + 1, job.operations.size(), operation));
        const Operation_Check check = Check_Operation(operation);
        for (const std::string& fault : check.faults)
            report.fault(cfg::utf8_path(operation.file.filename()) + ": " + fault);
        if (check.faults.empty())
            report.line("      " + std::to_string(check.size) + " bytes would be written");
    }
}

} // namespace

int Run_Stand_In(const std::filesystem::path& folder, std::ostream& out, std::ostream& err) {
    Report report(out, err);
    report.line(std::string(cfg::image::Check_Program_Name) +
                ": checks the job and its files; nothing is sent to any device.");
    try {
        check_job(Read_Update_Job(folder / cfg::image::Update_Job_File_Name), report);
    } catch (const cfg::ConfigError& error) {
        report.fault(error.what());
    }
    const int faults = report.faults();
    report.line(faults == 0 ? "Checked: every file could go into the device; nothing was sent."
                            : "Stopped: " + std::to_string(faults) + (faults == 1 ? " fault." : " faults."));
    report.write_log(folder / cfg::image::Check_Log_File_Name);
    return report.faults() == 0 ? cfg::image::Check_Passed_Exit_Code : cfg::image::Check_Faults_Exit_Code;
}

} // namespace updater
