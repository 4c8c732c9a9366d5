#pragma once

#include "core/image/ImageLayout.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace cfg::image {

// One variable the slave sends to the master, as bank3 describes it. In bank3 the record takes 36
// bytes: these fields in this order without the name, which lies after the records.
struct TEtherCAT_pd {
    std::uint8_t Data_Type = 0;
    std::uint8_t length = 0; // bytes
    std::uint8_t access = 0;
    std::uint8_t bit_address = 0;
    std::uint32_t position = 0;
    std::uint32_t subindex = 0;
    std::uint32_t entry_index = 0;
    std::uint32_t ethercat_offset = 0; // bytes before this variable in the process data
    std::array<std::uint8_t, 8> init_value{};
    std::string name;              // UTF-8
    std::uint32_t name_length = 0; // bytes of the UTF-8 name, 0 for none
    std::uint32_t name_add = 0;    // device address of the name's first byte

    bool operator==(const TEtherCAT_pd&) const = default;
};

// The record's 36 bytes, and the record those bytes hold (its name left empty: names lie
// elsewhere in bank3).
void Write_EtherCAT_Record(std::span<std::uint8_t, EtherCAT_Record_Size> bytes, const TEtherCAT_pd& record);
TEtherCAT_pd Read_EtherCAT_Record(std::span<const std::uint8_t, EtherCAT_Record_Size> bytes);

} // namespace cfg::image
