#pragma once

#include "core/image/ImageLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace cfg::image {

// bank1: the communication parameters, the table counts and a checksum. Every byte no field names
// is 0.
using Parameter_Block = std::array<std::uint8_t, Bank1_Size>;

// Where each field lies in the block.
inline constexpr std::size_t Offset_IP_Address = 0x028;
inline constexpr std::size_t Offset_Subnet_Mask = 0x02C;
inline constexpr std::size_t Offset_Gateway = 0x030;
inline constexpr std::size_t Offset_RS232_Baud_Rate = 0x190;
inline constexpr std::size_t Offset_RS232_Parity = 0x1A8;
inline constexpr std::size_t Offset_RS232_Stop_Bits = 0x1AE;
inline constexpr std::size_t Offset_DHCP_Flags = 0x4E8;
inline constexpr std::size_t Offset_Device_Name = 0x514;
inline constexpr std::size_t Device_Name_Size = 32; // 31 bytes at most and always a 0 after them
inline constexpr std::size_t Offset_Secondary_DNS = 0x53C;
inline constexpr std::size_t Offset_Primary_DNS = 0x58C;
inline constexpr std::size_t Offset_Bank3_Address = 0x6F0;
inline constexpr std::size_t Offset_Bank2_Address = 0x6F4;
inline constexpr std::size_t Offset_Listener_Count = 0x6F8;
inline constexpr std::size_t Offset_Serial_Port_Mask = 0x6FC;
inline constexpr std::size_t Offset_Checksum = 0x7FC;

// Bits of Serial_Port_Mask; the same bits say which serial ports the listener compile accepts.
inline constexpr std::uint8_t Serial_RS232_Bit = 0x01;
inline constexpr std::uint8_t Serial_RS485_1_Bit = 0x02;
inline constexpr std::uint8_t Serial_RS485_2_Bit = 0x04;

// Bits of the DHCP flags.
inline constexpr std::uint16_t DHCP_Cable_Bit = 0x0001;
inline constexpr std::uint16_t DHCP_WiFi_Bit = 0x0002;

// A field whose value is the same in every image.
struct Fixed_Field {
    std::size_t offset;
    std::size_t size; // 1, 2 or 4
    std::uint32_t value;
};

// The fixed values, the eight bytes of value 8 as eight one-byte fields.
const std::array<Fixed_Field, 15>& Fixed_Fields();

// The block as it stands when the compile sets nothing: the fixed values, address 192.168.2.205,
// mask 255.255.255.0, gateway off, both bank addresses, everything else 0.
Parameter_Block Reset_Parameter_Block();

// The 32-bit sum of the bytes before the checksum field.
std::uint32_t Parameter_Block_Checksum(const Parameter_Block& block);

} // namespace cfg::image
