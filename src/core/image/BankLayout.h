#pragma once

#include "core/image/ConfigurationImage.h"

#include <cstdint>
#include <vector>

namespace cfg::image {

using Bank_Bytes = std::vector<std::uint8_t>;

// The three bank files' contents.
struct Bank_Images {
    Bank_Bytes bank1;
    Bank_Bytes bank2;
    Bank_Bytes bank3;

    bool operator==(const Bank_Images&) const = default;
};

// The 2048 bytes of the parameter block with its checksum.
Bank_Bytes Bank1_Bytes(const Parameter_Block& block);

// 128 entries of 12 bytes: the given ones first, the rest all zero.
Bank_Bytes Bank2_Bytes(const std::vector<Listener_Entry>& entries);

// The header, 512 records (those not given all zero), the lone 0 byte, then the names of the
// given records in order, each followed by a 0 byte.
Bank_Bytes Bank3_Bytes(const EtherCAT_Header& header, const std::vector<TEtherCAT_pd>& records);

Bank_Images Lay_Out_Banks(const Configuration_Image& image);

} // namespace cfg::image
