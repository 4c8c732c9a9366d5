#pragma once

#include "core/common/FileBytes.h"
#include "core/common/Table.h"

#include <pugixml.hpp>

#include <filesystem>
#include <functional>
#include <string>

namespace cfg::ethercat {

// The root element of EtherCAT_Slave.xml.
inline constexpr const char* EtherCAT_Slave_Root = "EtherCAT_Slave";

struct EtherCAT_Tables {
    Table slave_to_master;
    Table master_to_slave;
    int rows_left_out = 0; // rows of the file beyond the tables, both tables together
};

// Visits the rows of one table element of EtherCAT_Slave.xml (EtherCAT_Slave_To_Master or
// EtherCAT_Master_To_Slave) that the screen's table holds: its first Variable_Rows `row` children,
// in document order. The screen, the ESI file and the image all read the rows through here, so the
// master and the device get exactly the variables the user sees. Returns how many rows of the
// element are left out.
int For_Each_Variable_Row(const pugi::xml_node& table,
                          const std::function<void(int row, const pugi::xml_node& element)>& visit);

// Both tables as the screen shows them on opening: cleared, filled from EtherCAT_Slave.xml when it
// exists, and laid out, with the number of rows the file holds beyond them. A file without the
// variables element or without one of its two tables gives that table empty. A file that cannot be
// read or is malformed raises ConfigError.
EtherCAT_Tables Load_EtherCAT_Slave(const std::filesystem::path& file);
// The same for the content of the file held in memory.
EtherCAT_Tables Load_EtherCAT_Slave(const File_Bytes& file);

// The used Slave To Master rows, every attribute present and exactly as held, and an empty Master
// To Slave element: this converter only sends data to the master.
std::string EtherCAT_Slave_Bytes(const Table& slave_to_master);

// Writes EtherCAT_Slave_Bytes through the safe writer.
void Save_EtherCAT_Slave(const Table& slave_to_master, const std::filesystem::path& file);

} // namespace cfg::ethercat
