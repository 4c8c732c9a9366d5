#pragma once

#include "updater/JobFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace updater {

struct Operation_Check {
    std::uintmax_t size = 0;         // bytes that would be written
    std::vector<std::string> faults; // why the device must not get the file
};

// Whether the operation's file could go into the device: it must be there, and a bank must be the
// bank its start address takes and decode without faults (sizes, checksum, reserved bytes).
Operation_Check Check_Operation(const Job_Operation& operation);

} // namespace updater
