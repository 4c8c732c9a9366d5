#pragma once

#include "core/common/FileBytes.h"
#include "core/image/EtherCATHeader.h"
#include "core/image/ParameterBlock.h"

#include <cstdint>

namespace cfg::image {

// Reads the content of ParGen.xml into the parameter block and the slave's identity in the
// EtherCAT header, key by key, each missing key taking the compiler's own default. Returns
// Serial_Port_Mask: the RS232 port alone, which is all this model has. A file that is not
// well-formed raises ConfigError.
std::uint8_t Read_ParGen_Image(const File_Bytes& File_ParGen, Parameter_Block& block,
                               EtherCAT_Header& header);

} // namespace cfg::image
