#pragma once

#include "core/image/EtherCATHeader.h"
#include "core/image/EtherCATRecord.h"

#include <cstdint>
#include <filesystem>
#include <vector>

namespace cfg::image {

// Reads the enabled Slave To Master rows of EtherCAT_Slave.xml into variable records, in file
// order, with base (the device address of bank3) as the origin of every address, and sets the
// header's count and records address. Only the rows the screen's table holds are read, so they
// always fit into bank3's records. A missing file gives no records. ConfigError when the file is
// not well-formed, lacks EtherCAT_Slave_Variables or EtherCAT_Slave_To_Master, or has names that
// would take bank3 beyond its buffer.
std::vector<TEtherCAT_pd> Read_EtherCAT_Image(const std::filesystem::path& File_EtherCAT_Slave,
                                              std::uint32_t base, EtherCAT_Header& header);

} // namespace cfg::image
