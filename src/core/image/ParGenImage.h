#pragma once

#include "core/image/EtherCATHeader.h"
#include "core/image/ParameterBlock.h"

#include <cstdint>
#include <filesystem>

namespace cfg::image {

// Reads ParGen.xml into the parameter block and the slave's identity in the EtherCAT header, key
// by key, each missing key taking the compiler's own default. Returns Serial_Port_Mask: 0 when the
// file does not exist (block and header then stay as they are), otherwise the RS232 port alone,
// which is all this model has. A file that is not well-formed raises ConfigError.
std::uint8_t Read_ParGen_Image(const std::filesystem::path& File_ParGen, Parameter_Block& block,
                               EtherCAT_Header& header);

} // namespace cfg::image
