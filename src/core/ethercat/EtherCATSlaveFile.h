#pragma once

#include "core/common/Table.h"

#include <filesystem>

namespace cfg::ethercat {

struct EtherCAT_Tables {
    Table slave_to_master;
    Table master_to_slave;
};

// Both tables as the screen shows them on opening: cleared, filled from EtherCAT_Slave.xml when it
// exists, and laid out. A file without the variables element or without one of its two tables
// gives that table empty; rows past the 256th are not read. A malformed file raises ConfigError.
EtherCAT_Tables Load_EtherCAT_Slave(const std::filesystem::path& file);

// Writes the used Slave To Master rows, every attribute present and exactly as held, and an
// empty Master To Slave element: this converter only sends data to the master.
void Save_EtherCAT_Slave(const Table& slave_to_master, const std::filesystem::path& file);

} // namespace cfg::ethercat
