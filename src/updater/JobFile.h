#pragma once

#include "core/common/FileBytes.h"

#include <filesystem>
#include <string>
#include <vector>

namespace updater {

struct Job_Operation {
    std::filesystem::path file;
    std::string start_address; // as the job writes it, "0x07000"
    bool firmware = false;     // the firmware image rather than a configuration bank
    bool read_back = false;
};

// What the stand-in takes from Ethernet_Update.xml.
struct Update_Job {
    std::string device_address;
    std::string boot_port;
    std::vector<Job_Operation> operations;
};

// Reads the job; ConfigError naming the file when it is missing, cannot be read, is not
// well-formed or lacks an element the updater needs.
Update_Job Read_Update_Job(const std::filesystem::path& file);
// The same for the content of a job file held in memory.
Update_Job Read_Update_Job(const cfg::File_Bytes& file);

} // namespace updater
