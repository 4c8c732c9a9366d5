#pragma once

#include "core/image/ImageLayout.h"

#include <cstdint>
#include <span>

namespace cfg::image {

// One compiled listener row of bank2: which field of which sentence the device stores where.
struct Listener_Entry {
    std::uint16_t Ind_Sent = 0;      // sentence number 1 to 40
    std::uint16_t Position = 0;      // first byte of the field in the NMEA data array
    std::uint8_t serial_channel = 0; // 0 RS232, 1 first RS485 port, 2 second RS485 port
    std::uint8_t data_field = 0;     // 0-based index in the sentence's field list
    std::uint8_t post_operation = 0; // 0 "None" to 8 "x 10000"
    std::uint8_t swap_flags = 0;     // bit 0 SwapAll, bit 1 Swap16
    std::uint8_t Index = 0;          // occurrence number, 0 where the field takes none

    bool operator==(const Listener_Entry&) const = default;
};

inline constexpr std::uint8_t Swap_All_Bit = 0x01;
inline constexpr std::uint8_t Swap_16_Bit = 0x02;

// The entry's 12 bytes (the last three are reserved, 0), and the entry those bytes hold.
void Write_Listener_Entry(std::span<std::uint8_t, Listener_Entry_Size> bytes, const Listener_Entry& entry);
Listener_Entry Read_Listener_Entry(std::span<const std::uint8_t, Listener_Entry_Size> bytes);

} // namespace cfg::image
