#pragma once

#include "core/common/FileBytes.h"
#include "core/image/EtherCATRecord.h"

#include <cstdint>
#include <vector>

namespace cfg::image {

// Reads the enabled Slave To Master rows of the content of EtherCAT_Slave.xml into variable
// records, in file order, with base (the device address of bank3) as the origin of every address.
// Only the rows the screen's table holds are read, so they always fit into bank3's records.
// ConfigError when the file is not well-formed, lacks EtherCAT_Slave_Variables or
// EtherCAT_Slave_To_Master, or has names that would take bank3 beyond its buffer.
std::vector<TEtherCAT_pd> Read_EtherCAT_Image(const File_Bytes& File_EtherCAT_Slave, std::uint32_t base);

} // namespace cfg::image
