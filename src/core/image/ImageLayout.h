#pragma once

#include <cstddef>
#include <cstdint>

// Sizes and device addresses of the three bank files the converter runs from.
namespace cfg::image {

// Where the device holds the listener table and the EtherCAT description; every address stored
// inside bank3 is an absolute device address computed from Bank3_Address.
inline constexpr std::uint32_t Bank2_Address = 0x00080000;
inline constexpr std::uint32_t Bank3_Address = 0x000A0000;

inline constexpr std::size_t Bank1_Size = 2048;

inline constexpr std::size_t Listener_Entry_Count = 128;
inline constexpr std::size_t Listener_Entry_Size = 12;
inline constexpr std::size_t Bank2_Size = Listener_Entry_Count * Listener_Entry_Size;

inline constexpr std::size_t EtherCAT_Header_Size = 40;
inline constexpr std::size_t EtherCAT_Record_Count = 512;
inline constexpr std::size_t EtherCAT_Record_Size = 36;
// The single 0 byte after the records: the empty name every unnamed record points at.
inline constexpr std::size_t Empty_Name_Offset =
    EtherCAT_Header_Size + EtherCAT_Record_Count * EtherCAT_Record_Size;
inline constexpr std::size_t First_Name_Offset = Empty_Name_Offset + 1;
// The device keeps each bank image in a buffer of this size.
inline constexpr std::size_t Bank3_Limit = 131072;

} // namespace cfg::image
