#pragma once

#include "core/image/BankLayout.h"
#include "core/image/ConfigurationImage.h"

namespace cfg::image {

// Reads the three files in the compile order, always from the reset state: ParGen.xml into the
// parameter block and the EtherCAT identity, then the listener rows, then the EtherCAT variables.
// A missing file leaves its part at the reset values; one that cannot be read or is malformed
// raises ConfigError.
Configuration_Image Read_Configuration_Image(const Configuration_Files& files);
// The same for the contents of the files held in memory.
Configuration_Image Read_Configuration_Image(const Configuration_Bytes& files);

// The whole compile: the three files read into a fresh image, then the three banks laid out.
Bank_Images Compile_Image(const Configuration_Files& files);
Bank_Images Compile_Image(const Configuration_Bytes& files);

} // namespace cfg::image
