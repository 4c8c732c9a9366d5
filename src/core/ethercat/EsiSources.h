#pragma once

#include "core/common/FileBytes.h"
#include "core/ethercat/EsiDataType.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfg::ethercat {

// The maker the ESI file names as the device's vendor.
inline constexpr std::string_view ESI_Vendor_Id = "00000B5D";
inline constexpr std::string_view ESI_Vendor_Name = "Brimlow";

// What one generation of the ESI file takes from the configuration, rebuilt every time.
struct ESI_Sources {
    std::string ESI_Device_Name = "EtherCAT Slave";
    std::uint32_t ESI_Revision_Number = 0;
    std::uint16_t ESI_Node_Address = 1;
    std::string ESI_Product_Code = "00000C40";
    std::vector<TEtherCAT_Rule> ESI_Inputs;  // enabled Slave To Master rows
    std::vector<TEtherCAT_Rule> ESI_Outputs; // enabled Master To Slave rows
    std::int64_t ESI_Inputs_Size = 0;        // bytes, packed like the table's layout
};

// Reads the identity from ParGen.xml and the entries from EtherCAT_Slave.xml, each by its own keys
// and with its own defaults; a missing file leaves its part at the defaults. Only the rows the
// screen's tables hold give entries. A file that cannot be read or is malformed, or an
// EtherCAT_Slave.xml lacking one of its variable elements, raises ConfigError.
ESI_Sources Load_ESI_Sources(const std::filesystem::path& file_pargen,
                             const std::filesystem::path& file_ethercat_slave);
// The same for the contents of the two files held in memory; nothing stands for a missing file.
ESI_Sources Load_ESI_Sources(const std::optional<File_Bytes>& file_pargen,
                             const std::optional<File_Bytes>& file_ethercat_slave);

} // namespace cfg::ethercat
