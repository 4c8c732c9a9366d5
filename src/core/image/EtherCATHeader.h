#pragma once

#include "core/image/ImageLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace cfg::image {

inline constexpr std::size_t Eeprom_Config_Size = 14;

// The first 40 bytes of bank3: the slave's identity from ParGen.xml, then where its variables are.
struct EtherCAT_Header {
    std::array<std::uint8_t, Eeprom_Config_Size> eeprom_config{}; // offset 0
    std::uint16_t node_address = 0;                               // 14
    std::uint32_t vendor_id = 0;                                  // 16
    std::uint32_t product_code = 0;                               // 20
    std::uint32_t revision_number = 0;                            // 24
    std::uint32_t serial_number = 0;                              // 28
    std::uint32_t count = 0;                                      // 32: used variable records
    std::uint32_t records_address = 0;                            // 36: device address of record 0

    bool operator==(const EtherCAT_Header&) const = default;
};

// The header's 40 bytes, and the header those bytes hold.
void Write_EtherCAT_Header(std::span<std::uint8_t, EtherCAT_Header_Size> bytes,
                           const EtherCAT_Header& header);
EtherCAT_Header Read_EtherCAT_Header(std::span<const std::uint8_t, EtherCAT_Header_Size> bytes);

} // namespace cfg::image
